// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/application_setup.h"
#include "face/form1.h"

#include <QApplication>

int main(int /*argc*/, char* argv[])
{
    // The program takes no command line: Qt sees the program's name only.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    ravelin::prepareApplication(app);

    Form1 window;
    window.show();
    return QApplication::exec();
}
