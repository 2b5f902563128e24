// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace ravelin {

// A row of the panel's lists of names. A name that runs past the list's
// edge is shown whole as its row's tool tip, as the file name under the
// count box shows a name it has to shorten; a name shown whole has none.
class WholeNameTipDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    // Where the row's icon and name stand within the row's rectangle.
    virtual QRect placeOf(const QStyleOptionViewItem& option, const QModelIndex& /*index*/) const
    {
        return option.rect;
    }
};

} // namespace ravelin
