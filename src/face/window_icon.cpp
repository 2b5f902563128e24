// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/window_icon.h"

#include "face/qt_colour.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ravelin {

QPixmap paintRavelinIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(size * 0.03, size * 0.03, size * 0.94, size * 0.94);
    const QPointF centre = outer.center();

    // Rim.
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(colour::wheelRim));
    p.drawEllipse(outer);

    // Pockets: twelve sectors alternating red and black, one green for the zero.
    const QRectF ring = outer.adjusted(size * 0.07, size * 0.07, -size * 0.07, -size * 0.07);
    constexpr int sectors = 12;
    for (int i = 0; i < sectors; ++i) {
        const Colour fill =
            i == 0 ? colour::zeroPocket : (i % 2 ? colour::redPocket : colour::blackPocket);
        p.setBrush(toQColor(fill));
        p.drawPie(ring, static_cast<int>((90 - 15 + i * 30) * 16), 30 * 16);
    }

    // Hub in the light green of the program's display boxes, with a blue border.
    const double hub = size * 0.24;
    p.setBrush(toQColor(colour::lightGreen));
    p.setPen(QPen(toQColor(colour::blueText), std::max(1.0, size / 24.0)));
    p.drawEllipse(centre, hub, hub);

    // Three dots on the hub: the three spins that make one number.
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(colour::blueText));
    const double dot = std::max(1.0, size * 0.045);
    for (int k = 0; k < 3; ++k) {
        const double angle = (-90 + k * 120) * M_PI / 180.0;
        p.drawEllipse(QPointF(centre.x() + std::cos(angle) * hub * 0.5,
                              centre.y() + std::sin(angle) * hub * 0.5),
                      dot, dot);
    }
    return pixmap;
}

QIcon ravelinIcon()
{
    // The sizes a title bar and a task switcher take; larger ones come from
    // the installed icon, and painting them here would only slow the start.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(paintRavelinIcon(size));
    return icon;
}

} // namespace ravelin
