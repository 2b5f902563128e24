// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole run on the window, pressed through its real widgets.

#include "face/form1.h"
#include "support/whole_run.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtWidgets/qtestsupport_widgets.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace ravelin::bench {

struct Press {
    int triple;         // the log row the press works on
    double pressMs;     // the click: its handler, the refresh and the repaint of lakut
    double withPaintMs; // the click and the painting the window has pending after it
};

// Shows the window and waits until it is exposed. False when it never is.
inline bool showExposed(QWidget& window)
{
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

// Types the wanted spins and chooses "Durchlauf" as a user would. False
// when the window did not take them.
inline bool prepareWindowRun(Form1& window)
{
    auto* textanzahl = window.findChild<QLineEdit*>(QStringLiteral("textanzahl"));
    auto* durchlauf = window.findChild<QRadioButton*>(QStringLiteral("Option1_1"));
    if (!textanzahl || !durchlauf)
        return false;
    textanzahl->setFocus();
    // Key by key, as a keyboard types them. Not through the test library:
    // the start-up it is part of would load a library the minimal window
    // does not.
    for (const char digit : wantedSpins) {
        const auto key = static_cast<int>(Qt::Key_0) + (digit - '0');
        const QString text(QLatin1Char{digit});
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(textanzahl, &press);
        QCoreApplication::sendEvent(textanzahl, &release);
    }
    durchlauf->click();
    QCoreApplication::processEvents();
    return window.model().textanzahl.text() == wantedSpins &&
           window.model().Option1.isSelected(runmode::durchlauf) &&
           window.model().okstart.enabled();
}

// Clicks Start until it is disabled, timing every press.
inline std::vector<Press> pressWindowUntilEnd(Form1& window)
{
    using clock = std::chrono::steady_clock;
    auto* okstart = window.findChild<QPushButton*>(QStringLiteral("okstart"));
    std::vector<Press> presses;
    if (!okstart)
        return presses;
    presses.reserve(3 * wholeRunTriples + 8);
    while (okstart->isEnabled()) {
        const int triple = window.model().state.kombiwurf;
        const auto t0 = clock::now();
        okstart->click();
        const auto t1 = clock::now();
        QCoreApplication::processEvents();
        const auto t2 = clock::now();
        presses.push_back({triple, std::chrono::duration<double, std::milli>(t1 - t0).count(),
                           std::chrono::duration<double, std::milli>(t2 - t0).count()});
    }
    return presses;
}

} // namespace ravelin::bench
