// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/view_support.h"

#include <QWidget>

#include <algorithm>
#include <iterator>

namespace ravelin {

namespace {
// Places are given in twips; 15 twips make one pixel at 96 dots per inch.
constexpr int twipsPerPixel = 15;
} // namespace

int pixelsOf(int twips) { return (twips + twipsPerPixel / 2) / twipsPerPixel; }

QRect pixelsOf(const Twips& at)
{
    return QRect(pixelsOf(at.left), pixelsOf(at.top), pixelsOf(at.width), pixelsOf(at.height));
}

// "MS Sans Serif" is served by a close sans face, "Terminal" by a fixed-pitch one.
QFont fontOf(const Face& face)
{
    QFont font(face.fixedPitch ? QStringLiteral("DejaVu Sans Mono")
                               : QStringLiteral("Liberation Sans"));
    font.setStyleHint(face.fixedPitch ? QFont::Monospace : QFont::SansSerif);
    if (face.fixedPitch)
        font.setFixedPitch(true);
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
    return font;
}

QString fromModel(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toModel(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

QString captionForDisplay(const std::string& caption)
{
    QString shown = fromModel(caption);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void setTextColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget.setPalette(palette);
}

// A colour the control has been given already is not given again: every new
// palette makes the style paint and cache the control's face afresh.
void setRoleColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    constexpr QPalette::ColorGroup groups[] = {QPalette::Active, QPalette::Inactive,
                                               QPalette::Disabled};
    QPalette palette = widget.palette();
    if (widget.testAttribute(Qt::WA_SetPalette) &&
        std::all_of(std::begin(groups), std::end(groups),
                    [&](auto group) { return palette.color(group, role) == colour; }))
        return;
    for (auto group : groups)
        palette.setColor(group, role, colour);
    widget.setPalette(palette);
}

} // namespace ravelin
