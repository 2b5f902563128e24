// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/distribution_chart.h"

#include "face/qt_colour.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ravelin {

namespace {
constexpr int axisTicks = 4;
constexpr int margin = 6;
} // namespace

DistributionChart::DistributionChart(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(560, 220);
    setAccessibleName(QStringLiteral("H\u00e4ufigkeiten der Zahlen 1 bis 36"));
}

void DistributionChart::showCounts(const std::array<std::uint64_t, wheel::numberCount>& counts,
                                   const std::array<bool, wheel::numberCount>& marked,
                                   double expected)
{
    if (counts == counts_ && marked == marked_ && expected == expected_)
        return;
    counts_ = counts;
    marked_ = marked;
    expected_ = expected;
    QStringList said;
    for (int n = 1; n <= wheel::lastNumber; ++n)
        said << QStringLiteral("%1: %2%3")
                    .arg(n)
                    .arg(counts_[static_cast<std::size_t>(n)])
                    .arg(marked_[static_cast<std::size_t>(n)] ? QStringLiteral(" markiert")
                                                              : QString());
    setAccessibleDescription(said.join(QStringLiteral(", ")));
    update();
}

std::uint64_t DistributionChart::axisTop() const
{
    const double highest = std::max<double>(
        expected_, static_cast<double>(*std::max_element(counts_.begin() + 1, counts_.end())));
    if (highest <= 0)
        return axisTicks;
    // A step of 1, 2 or 5 times a power of ten, so the ticks read round.
    const double rough = highest / axisTicks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    return static_cast<std::uint64_t>(std::ceil(step)) * axisTicks;
}

QRect DistributionChart::plotArea() const
{
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(QString::number(axisTop())) + 2 * margin;
    const int bottom = metrics.height() + margin;
    return rect().adjusted(left, margin + metrics.height() / 2, -margin, -bottom);
}

QRect DistributionChart::barOf(int number) const
{
    const QRect area = plotArea();
    const double slot = static_cast<double>(area.width()) / wheel::lastNumber;
    const int left = area.left() + static_cast<int>(std::lround((number - 1) * slot + slot / 6));
    const int right = area.left() + static_cast<int>(std::lround(number * slot - slot / 6));
    const double share = static_cast<double>(counts_[static_cast<std::size_t>(number)]) / axisTop();
    const int height = static_cast<int>(std::lround(share * area.height()));
    return QRect(left, area.bottom() + 1 - height, right - left, height);
}

void DistributionChart::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRect area = plotArea();
    const QColor ink = palette().color(QPalette::Text);
    const std::uint64_t top = axisTop();

    // The axis of counts, with its ticks.
    painter.setPen(ink);
    for (int tick = 0; tick <= axisTicks; ++tick) {
        const std::uint64_t count = top * static_cast<std::uint64_t>(tick) / axisTicks;
        const int y =
            area.bottom() -
            static_cast<int>(std::lround(static_cast<double>(tick) * area.height() / axisTicks));
        painter.drawLine(area.left() - margin / 2, y, area.left(), y);
        const QRect label(0, y - fontMetrics().height() / 2, area.left() - margin,
                          fontMetrics().height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
    }
    painter.drawLine(area.bottomLeft(), area.topLeft());
    painter.drawLine(area.bottomLeft(), area.bottomRight());

    // The bars, numbered beneath in a smaller face: two digits fit a bar's room.
    QFont numbering = font();
    numbering.setPointSizeF(numbering.pointSizeF() * 0.8);
    const QFontMetrics numberMetrics(numbering);
    const QColor barColour = palette().color(QPalette::Highlight);
    const QColor markColour = toQColor(colour::lightGreen);
    for (int n = 1; n <= wheel::lastNumber; ++n) {
        const QRect bar = barOf(n);
        const bool marked = marked_[static_cast<std::size_t>(n)];
        painter.fillRect(bar, marked ? markColour : barColour);
        if (marked) {
            painter.fillRect(bar, QBrush(ink, Qt::BDiagPattern));
            painter.setPen(ink);
            painter.drawRect(bar.adjusted(0, 0, -1, -1));
        }
        painter.setPen(ink);
        painter.setFont(numbering);
        const QRect label(bar.center().x() - 12, area.bottom() + 2, 24, numberMetrics.height());
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(n));
        painter.setFont(font());
    }

    // The count each number is expected to have.
    if (expected_ > 0) {
        const int y =
            area.bottom() - static_cast<int>(std::lround(expected_ / top * area.height()));
        QPen dashed(ink, 1, Qt::DashLine);
        painter.setPen(dashed);
        painter.drawLine(area.left(), y, area.right(), y);
    }
}

} // namespace ravelin
