// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/folder_list_view.h"

#include "face/accessibility.h"
#include "face/qt_colour.h"
#include "face/view_support.h"
#include "face/whole_name_tip_delegate.h"

#include <QPainter>
#include <QStyle>

namespace ravelin {

namespace {

// Folders stand indented by their depth, icon and all. The current folder
// is highlighted whether or not the list has the focus, and the style's
// frame round its name hardly shows on the highlight: while the list has
// the focus, a line in the list's ink goes round the whole row.
class IndentedItemDelegate : public WholeNameTipDelegate {
public:
    using WholeNameTipDelegate::WholeNameTipDelegate;
    static constexpr int indentPerLevel = 8;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect = placeOf(option, index);
        shifted.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, shifted, index);
        if (option.state & QStyle::State_HasFocus) {
            painter->save();
            painter->setPen(QPen(option.palette.color(QPalette::Text), 1));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(shifted.rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += depthOf(index) * indentPerLevel;
        return size;
    }

protected:
    QRect placeOf(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return option.rect.adjusted(depthOf(index) * indentPerLevel, 0, 0, 0);
    }

private:
    static int depthOf(const QModelIndex& index) { return index.data(Qt::UserRole).toInt(); }
};

} // namespace

FolderListView::FolderListView(const DirListRow& row, const Frame& panel, QWidget& parent,
                               EventRoute& route)
    : PanelListView(panel), list_(row.list), widget_(std::make_unique<QListWidget>(&parent))
{
    QListWidget& w = *widget_;
    w.setObjectName(fromModel(list_.name()));
    w.setGeometry(pixelsOf(row.at));
    w.setItemDelegate(new IndentedItemDelegate(&w));
    w.setTextElideMode(Qt::ElideMiddle);
    QObject::connect(&w, &QListWidget::itemActivated, &w,
                     [this, &route, open = row.open](QListWidgetItem* item) {
                         const int at = widget_->row(item);
                         route.route([open, at](FormController& c) { (c.*open)(at); });
                     });
    w.setFont(fontOf(plainFace));
    setTextColour(w, toQColor(colour::blackText));
    w.setUniformItemSizes(true);
    w.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    nameByRole(w, row.role);
}

void FolderListView::fill()
{
    QListWidget& w = *widget_;
    const QSignalBlocker block(&w);
    w.clear();
    const QIcon open = w.style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = w.style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const DirList::Entry& entry : list_.entries()) {
        auto* item = new QListWidgetItem(entry.open ? open : closed, fromModel(entry.label), &w);
        item->setData(Qt::UserRole, entry.depth);
        item->setData(Qt::AccessibleDescriptionRole, fromModel(DirList::readingOf(entry)));
    }
    w.setCurrentRow(list_.currentIndex());
    if (list_.currentIndex() >= 0)
        w.scrollToItem(w.item(list_.currentIndex()));
}

} // namespace ravelin
