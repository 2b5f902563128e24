// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/file_list_view.h"

#include "face/accessibility.h"
#include "face/qt_colour.h"
#include "face/view_support.h"
#include "face/whole_name_tip_delegate.h"
#include "import/folder_paths.h"

#include <QMouseEvent>

namespace ravelin {

FileListView::FileListView(const FileListRow& row, const Frame& panel, QWidget& parent,
                           EventRoute& route)
    : PanelListView(panel), list_(row.list), route_(route), choose_(row.choose), click_(row.click),
      widget_(std::make_unique<QListWidget>(&parent))
{
    QListWidget& w = *widget_;
    w.setObjectName(fromModel(list_.name()));
    w.setGeometry(pixelsOf(row.at));
    w.setItemDelegate(new WholeNameTipDelegate(&w));
    // The list's own refills are blocked from this.
    QObject::connect(&w, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = widget_->selectedItems();
        if (!chosen.isEmpty() && !pressed_)
            run(choose_, widget_->row(chosen.first()));
    });
    w.viewport()->installEventFilter(this);
    w.setFont(fontOf(plainFace));
    setTextColour(w, toQColor(colour::blackText));
    w.setUniformItemSizes(true);
    w.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    nameByRole(w, row.role);
}

FileListView::~FileListView() { widget_->viewport()->removeEventFilter(this); }

void FileListView::run(Choose handler, int row)
{
    route_.route([handler, row](FormController& c) { (c.*handler)(row); });
}

void FileListView::fill()
{
    QListWidget& w = *widget_;
    const QSignalBlocker block(&w);
    const QString folder = fromModel(list_.folder());
    if (w.count() != static_cast<int>(list_.files().size()) || shownFolder_ != folder) {
        w.clear();
        for (const std::string& file : list_.files())
            w.addItem(fromModel(displayName(file)));
        shownFolder_ = folder;
    }
    w.setCurrentRow(list_.selected());
    if (list_.selected() < 0)
        w.clearSelection();
}

bool FileListView::eventFilter(QObject* /*watched*/, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        pressed_ = true;
        return false;
    }
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    pressed_ = false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const QModelIndex index = widget_->indexAt(mouse->position().toPoint());
    run(click_, index.isValid() ? index.row() : list_.selected());
    return false;
}

} // namespace ravelin
