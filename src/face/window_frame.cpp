// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/window_frame.h"

#include "face/accessible_factory.h"
#include "face/qt_colour.h"
#include "face/view_support.h"
#include "face/window_icon.h"

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
    // Nothing is laid out again at another size: a maximized window would
    // only grow a grey margin.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
}

} // namespace ravelin
