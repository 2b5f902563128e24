// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmapCache>
#include <QTranslator>

namespace ravelin {

namespace {
// The style keeps the faces of buttons and frames it has painted, a kilobyte
// or so each. Start turns red and green on every triple and each colour is a
// new face to the style, so a long run would fill the toolkit's default
// cache of 10 MiB with faces never shown again; the window's own faces take
// a small part of this.
constexpr int pixmapCacheKiB = 1024;
} // namespace

void prepareApplication(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* toolkitTexts = new QTranslator(&app);
    if (toolkitTexts->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(toolkitTexts);
    else
        delete toolkitTexts;
    QPixmapCache::setCacheLimit(pixmapCacheKiB);
}

} // namespace ravelin
