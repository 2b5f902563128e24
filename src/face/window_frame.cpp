// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/window_frame.h"

#include "face/accessible_factory.h"
#include "face/qt_colour.h"
#include "face/view_support.h"
#include "face/window_actions.h"
#include "face/window_icon.h"

#include <QKeySequence>
#include <QWidget>

namespace ravelin {

void dressClientArea(QWidget& area)
{
    area.setFixedSize(638, 477);
    setRoleColour(area, QPalette::Window, toQColor(colour::lightGrey));
    area.setAutoFillBackground(true);
    area.setFont(fontOf(windowFace));
}

void dressWindow(QWidget& window)
{
    window.setWindowTitle(QStringLiteral("Praxis / EC / Ravelin dual    V12.01"));
    window.setWindowIcon(ravelinIcon());
    // A screen reader says where the hints are, which no Tab reaches.
    window.setAccessibleDescription(
        QStringLiteral("%1: zu den Hinweisen, Tab: zur\u00fcck")
            .arg(QKeySequence(guidanceKey).toString(QKeySequence::NativeText)));
    // Nothing is laid out again at another size: a maximized window would
    // only grow a grey margin.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
}

} // namespace ravelin
