// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program does to show a window: one empty QWidget,
// shown and exposed the same way, then left.

#include <QApplication>
#include <QWidget>
#include <QtTest/QTest>

int main(int /*argc*/, char** argv)
{
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QWidget window;
    window.resize(638, 477);
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}
