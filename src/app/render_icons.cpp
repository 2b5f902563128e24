// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the window icon as PNG files, one per size of the desktop's icon
// theme, so that the installed icons are the very picture the window shows.
// Usage: ravelin_icons FOLDER  (writes FOLDER/ravelin-<size>.png)

#include "face/window_icon.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    // Painting needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    // The sizes of the desktop theme, the same the window icon is painted at.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = folder.filePath(QStringLiteral("ravelin-%1.png").arg(size));
        if (!ravelin::paintRavelinIcon(size).toImage().save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
