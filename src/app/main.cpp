#include "window/form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int /*argc*/, char* argv[])
{
    // The program takes no command line: Qt sees the program's name only.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    // Everything the user reads is German, the toolkit's own menus and buttons too.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&toolkitTexts);

    Form1 window;
    window.show();
    return app.exec();
}
