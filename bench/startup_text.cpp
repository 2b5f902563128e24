// SPDX-License-Identifier: GPL-3.0-or-later
// The minimal window with one line of text on it: the same as the minimal
// one but for the fonts it has to find, load and draw. Shown for context, as
// what any window with text pays at start-up before the program's own work.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <QtTest/QTest>

int main(int /*argc*/, char** argv)
{
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QWidget window;
    window.resize(638, 477);
    QLabel line(QStringLiteral("Häufigkeit der Zahlen"), &window);
    line.move(20, 20);
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}
