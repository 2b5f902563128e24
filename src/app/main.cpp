// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/application_setup.h"
#include "face/main_window.h"

#include <QApplication>

int main(int /*argc*/, char* argv[])
{
    // The program takes no command line: Qt sees the program's name only.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    ravelin::prepareApplication(app);

    ravelin::MainWindow window;
    window.show();
    return QApplication::exec();
}
