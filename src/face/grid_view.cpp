// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/grid_view.h"

#include "face/accessibility.h"
#include "face/accessible_factory.h"
#include "face/cell_action_selection.h"
#include "face/plain_cell_delegate.h"
#include "face/qt_colour.h"
#include "face/view_support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStringList>

#include <algorithm>

namespace ravelin {

namespace {
constexpr int gridRowHeight = 11; // 37 rows fill the frequency grid, 25 the spin log
} // namespace

GridView::GridView(const GridRow& row, QWidget& parent, const QColor& fixedColour,
                   EventRoute& route)
    : grid_(row.grid), route_(route), click_(row.click), keyAction_(row.keyAction),
      rowKey_(row.rowKey), copiedAs_(row.copiedAs), tellsEntries_(row.tellsEntries),
      view_(std::make_unique<QTableView>(&parent))
{
    QTableView& view = *view_;
    if (grid_.keysStopAtEntries())
        exposeAs(view, AccessibleAs::spinLog);
    view.setObjectName(fromModel(grid_.name()));
    // Headers, row heights and font are settled before the model comes:
    // otherwise the view lays out all of the log's rows for each of them.
    view.setFont(fontOf(gridFace));
    for (QHeaderView* header : {view.horizontalHeader(), view.verticalHeader()}) {
        header->hide();
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
    }
    view.verticalHeader()->setDefaultSectionSize(gridRowHeight);
    tableModel_ = new GridTableModel(grid_, fixedColour, {row.cellSays, row.cellReads}, &view);
    QStringList columnNames;
    for (const std::string& name : row.columnNames)
        columnNames << fromModel(name).simplified();
    tableModel_->setHeaderNames(columnNames, row.rowsByNumber);
    view.setModel(tableModel_);
    if (click_)
        takeCellActions();
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view.setVerticalScrollBarPolicy(row.scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // Qt serves a reader's action on a cell only where cells can be
    // selected; the selection of the grid that takes clicks never selects.
    view.setSelectionMode(click_ ? QAbstractItemView::SingleSelection
                                 : QAbstractItemView::NoSelection);
    // Tab leaves the grid; the arrow keys move within it.
    view.setTabKeyNavigation(false);
    view.setItemDelegate(new PlainCellDelegate(&view));
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setWordWrap(false);
    view.setCornerButtonEnabled(false);
    view.setGeometry(pixelsOf(row.at));
    // Where the user scrolls the grid, its model knows: a later scroll
    // to the same row must still move the view.
    QObject::connect(view.verticalScrollBar(), &QScrollBar::valueChanged, &view,
                     [this, scroll = row.scroll](int top) {
                         route_.route([scroll, top](FormController& c) { (c.*scroll)(top); });
                     });
    if (!grid_.toolTip().empty())
        view.setToolTip(fromModel(grid_.toolTip()));
    if (row.paper != colour::standard) {
        QPalette palette = view.palette();
        palette.setColor(QPalette::Base, toQColor(row.paper));
        view.setPalette(palette);
    }
    nameByRole(view, row.role);
    view.viewport()->installEventFilter(this);
    view.installEventFilter(this);
    if (copiedAs_)
        offerCopy();
    if (keyAction_) {
        if (row.keysDo)
            view.setAccessibleDescription(fromModel(grid_.toolTip()).simplified() +
                                          QStringLiteral(". ") + QString::fromUtf8(row.keysDo));
    }
}

GridView::~GridView()
{
    view_->removeEventFilter(this);
    view_->viewport()->removeEventFilter(this);
}

void GridView::apply()
{
    const GridModel::Changes changes = tableModel_->publishChanges();
    if (changes.layout) {
        for (int c = 0; c < grid_.cols(); ++c)
            view_->horizontalHeader()->resizeSection(c, pixelsOf(grid_.colWidth(c)));
        view_->viewport()->update();
    }
    if (changes.topRow)
        view_->verticalScrollBar()->setValue(grid_.topRow());
    if (changes.currentRow) {
        const QModelIndex current = view_->currentIndex();
        const QModelIndex to =
            tableModel_->index(grid_.currentRow(), current.isValid() ? current.column() : 0);
        view_->selectionModel()->setCurrentIndex(to, QItemSelectionModel::NoUpdate);
        view_->scrollTo(to);
    }
    if (tellsEntries_)
        describeEntries(*view_, grid_.rowsInUse());
}

void GridView::copy()
{
    if (!copiedAs_)
        return;
    const CopiedTable table = copiedAs_(grid_);
    auto* data = new QMimeData;
    data->setText(fromModel(asTabSeparated(table)));
    data->setHtml(fromModel(asHtmlTable(table)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void GridView::offerCopy()
{
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view_.get(), &QWidget::customContextMenuRequested, view_.get(),
                     [this](QPoint at) {
                         QMenu menu(view_.get());
                         menu.addAction(QStringLiteral("Kopieren"), [this] { copy(); });
                         menu.exec(view_->viewport()->mapToGlobal(at));
                     });
}

void GridView::takeCellActions()
{
    QItemSelectionModel* own = view_->selectionModel();
    view_->setSelectionModel(new CellActionSelection(
        tableModel_, [this](int row, int col) { runOnCell(click_, row, col); }, view_.get()));
    delete own;
}

void GridView::runOnCell(CellClick handler, int row, int col)
{
    route_.route([handler, row, col](FormController& c) { (c.*handler)(row, col); });
}

bool GridView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_.get()) {
        if (event->type() == QEvent::FocusIn && tellsEntries_)
            currentToEntryInView(static_cast<QFocusEvent*>(event)->reason());
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        return (keyAction_ && keyActs(key)) || (rowKey_ && keyMovesRow(key));
    }
    // The right button opens the grid's menu; it does not move the current cell.
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        return true;
    if (!click_)
        return false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        dropNextRelease_ = true;
        return false;
    }
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    if (dropNextRelease_) {
        dropNextRelease_ = false;
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const std::pair<int, int> cell = cellNearest(mouse->position().toPoint());
    runOnCell(click_, cell.first, cell.second);
    return false;
}

void GridView::currentToEntryInView(Qt::FocusReason reason)
{
    const int lastEntry = grid_.rowsInUse() - 1;
    const int top = view_->rowAt(0);
    if (lastEntry < 0 || top < 0)
        return;
    int bottom = view_->rowAt(view_->viewport()->height() - 1);
    if (bottom < 0)
        bottom = grid_.rows() - 1;
    const QModelIndex current = view_->currentIndex();
    const bool landed = reason == Qt::OtherFocusReason;
    if (!landed && current.isValid() && current.row() >= top && current.row() <= bottom)
        return;
    const int row = std::clamp(lastEntry, top, bottom);
    view_->selectionModel()->setCurrentIndex(
        tableModel_->index(row, current.isValid() ? current.column() : 0),
        QItemSelectionModel::NoUpdate);
}

bool GridView::keyActs(const QKeyEvent& key)
{
    const bool acts =
        key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    const QModelIndex at = view_->currentIndex();
    if (!acts || key.isAutoRepeat() || (key.modifiers() & ~Qt::KeypadModifier) != 0 ||
        !at.isValid())
        return false;
    runOnCell(keyAction_, at.row(), at.column());
    return true;
}

bool GridView::keyMovesRow(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool control = modifiers == Qt::ControlModifier;
    RowKey moves{};
    if (plain && key.key() == Qt::Key_Up)
        moves = RowKey::up;
    else if (plain && key.key() == Qt::Key_Down)
        moves = RowKey::down;
    else if (plain && key.key() == Qt::Key_PageUp)
        moves = RowKey::pageUp;
    else if (plain && key.key() == Qt::Key_PageDown)
        moves = RowKey::pageDown;
    else if (control && key.key() == Qt::Key_Home)
        moves = RowKey::first;
    else if (control && key.key() == Qt::Key_End)
        moves = RowKey::last;
    else
        return false;
    const QModelIndex at = view_->currentIndex();
    const int from = at.isValid() ? at.row() : 0;
    const int rowsInView =
        view_->viewport()->height() / view_->verticalHeader()->defaultSectionSize();
    const RowKeyPress press = rowKey_;
    route_.route([press, from, moves, rowsInView](FormController& c) {
        (c.*press)(from, moves, rowsInView);
    });
    return true;
}

std::pair<int, int> GridView::cellNearest(QPoint at) const
{
    const int lastRow = grid_.rows() - 1;
    const int lastCol = grid_.cols() - 1;
    int row = view_->rowAt(at.y());
    if (row < 0)
        row = at.y() < 0 ? view_->rowAt(0)
                         : std::min(lastRow, view_->rowAt(view_->viewport()->height() - 1));
    int col = view_->columnAt(at.x());
    if (col < 0)
        col = at.x() < 0 ? 0 : lastCol;
    if (row < 0)
        row = lastRow;
    return {row, col};
}

} // namespace ravelin
