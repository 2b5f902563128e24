// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/plain_cell_delegate.h"

#include <QPainter>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace ravelin {

PlainCellDelegate::PlainCellDelegate(QWidget* view)
    : QStyledItemDelegate(view),
      // The margin the style keeps between a cell's edge and its text.
      textMargin_(view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1),
      // The grids' face is of fixed pitch: a text is as wide as its characters.
      charWidth_(QFontMetrics(view->font()).horizontalAdvance(QLatin1Char('0')))
{
}

void PlainCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.isValid())
        painter->fillRect(option.rect, qvariant_cast<QBrush>(background));
    const QVariant foreground = index.data(Qt::ForegroundRole);
    const QColor ink = foreground.isValid() ? qvariant_cast<QBrush>(foreground).color()
                                            : option.palette.color(QPalette::Text);
    // The grid with the focus shows where its arrow keys stand.
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(ink, 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    painter->setPen(ink);
    painter->setFont(option.font);
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    // The margins give way to a text that needs the room, as five digits
    // do in the green grid; a text longer still is cut at the cell's edge.
    const int spare = option.rect.width() - static_cast<int>(text.size()) * charWidth_;
    const int margin = std::clamp(spare / 2, 0, textMargin_);
    painter->drawText(option.rect.adjusted(margin, 0, -margin, 0),
                      static_cast<int>(alignment | Qt::TextSingleLine), text);
}

} // namespace ravelin
