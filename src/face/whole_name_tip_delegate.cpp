// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/whole_name_tip_delegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace ravelin {

bool WholeNameTipDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                     const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    // The row laid out just as wide as its name needs: where the name stands whole.
    QStyleOptionViewItem whole(option);
    initStyleOption(&whole, index);
    whole.rect = placeOf(option, index);
    whole.rect.setWidth(QStyledItemDelegate::sizeHint(whole, index).width());
    const QStyle* style = view->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect name = style->subElementRect(QStyle::SE_ItemViewItemText, &whole, view)
                           .adjusted(margin, 0, -margin, 0);
    if (view->viewport()->rect().contains(name))
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QToolTip::showText(event->globalPos(), whole.text, view->viewport(), option.rect);
    return true;
}

} // namespace ravelin
