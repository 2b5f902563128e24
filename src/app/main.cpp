#include "window/form1.h"

#include <QApplication>

int main(int /*argc*/, char* argv[])
{
    // The program takes no command line: Qt sees the program's name only.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    Form1 window;
    window.show();
    return app.exec();
}
