// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace ravelin {

// Grid cells show their own colours only: no hover tint, no focus frame
// over a mark or a candidate. A cell is its background and one short line of
// text, painted directly: the style's item painting lays out, measures and
// elides every text, which costs more than all else a refresh does.
class PlainCellDelegate : public QStyledItemDelegate {
public:
    explicit PlainCellDelegate(QWidget* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int textMargin_;
    int charWidth_;
};

} // namespace ravelin
