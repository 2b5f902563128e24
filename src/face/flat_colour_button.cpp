// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/flat_colour_button.h"

#include "face/qt_colour.h"

#include <QPainter>

namespace ravelin {

namespace {
// The focus line stands this far within the edge, clear of the caption.
constexpr int focusInset = 3;
} // namespace

void FlatColourButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, palette().color(QPalette::Button));
    // Black while it can be pressed, grey while it cannot. The caption is
    // black while it can be pressed, legible on every colour the button is
    // given; while it cannot, it takes the disabled text colour every other
    // button of the window shows, so that nobody presses it in vain.
    const QColor ink = toQColor(colour::blackText);
    painter.setPen(isEnabled() ? ink : toQColor(colour::midGreyText));
    painter.drawRect(face.adjusted(0, 0, -1, -1));
    if (isDown())
        painter.drawRect(face.adjusted(1, 1, -2, -2));
    painter.setPen(isEnabled() ? ink : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(isDown() ? face.translated(1, 1) : face,
                     Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.drawRect(face.adjusted(focusInset, focusInset, -focusInset - 1, -focusInset - 1));
    }
}

} // namespace ravelin
