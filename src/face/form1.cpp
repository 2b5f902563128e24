// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/form1.h"

#include "face/accessibility.h"
#include "face/grid_table_model.h"
#include "face/message_box_confirmation.h"
#include "face/qt_colour.h"
#include "face/rich_document_renderer.h"
#include "face/window_icon.h"
#include "import/folder_paths.h"
#include "platform/clock_spin_source.h"
#include "platform/real_file_system.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextBrowser>
#include <QTextCursor>

#include <algorithm>
#include <exception>
#include <iterator>

using namespace ravelin;

namespace {

// Places are given in twips; 15 twips make one pixel at 96 dots per inch.
constexpr int px(int twips) { return (twips + 7) / 15; }
QRect place(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

constexpr int gridRowHeight = 11; // 37 rows fill the frequency grid, 25 the spin log

const QColor windowGrey(224, 224, 224);
const QColor blue(0, 0, 192);
const QColor darkGrey(64, 64, 64);
const QColor midGrey(128, 128, 128);

// "MS Sans Serif" is served by a close sans face, "Terminal" by a fixed-pitch one.
QFont sansFont(double points, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont terminalFont(double points, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString fromModel(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Captions keep their carriage returns; only the display breaks the line there.
QString captionForDisplay(const std::string& caption)
{
    QString shown = fromModel(caption);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

std::string toModel(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

// Sets a colour role in every state, so that a disabled control keeps its colour.
// A colour the control has been given already is not given again: every new
// palette makes the style paint and cache the control's face afresh.
void setRoleColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    constexpr QPalette::ColorGroup groups[] = {QPalette::Active, QPalette::Inactive,
                                               QPalette::Disabled};
    QPalette palette = widget->palette();
    if (widget->testAttribute(Qt::WA_SetPalette) &&
        std::all_of(std::begin(groups), std::end(groups),
                    [&](auto group) { return palette.color(group, role) == colour; }))
        return;
    for (auto group : groups)
        palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

// Folders of the directory list stand indented by their depth, icon and all.
class IndentedItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int indentPerLevel = 8;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() +
                             index.data(Qt::UserRole).toInt() * indentPerLevel);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += index.data(Qt::UserRole).toInt() * indentPerLevel;
        return size;
    }
};

// Grid cells show their own colours only: no hover tint, no focus frame
// over a mark or a candidate. A cell is its background and one short line of
// text, painted directly: the style's item painting lays out, measures and
// elides every text, which costs more than all else a refresh does.
class PlainCellDelegate : public QStyledItemDelegate {
public:
    explicit PlainCellDelegate(QWidget* view)
        : QStyledItemDelegate(view),
          // The margin the style keeps between a cell's edge and its text.
          textMargin_(view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1),
          // The grids' face is of fixed pitch: a text is as wide as its characters.
          charWidth_(QFontMetrics(view->font()).horizontalAdvance(QLatin1Char('0')))
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
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

private:
    int textMargin_;
    int charWidth_;
};

} // namespace

struct Form1::OwnPlatform {
    ClockSpinSource spins;
    RealFileSystem files;
    std::unique_ptr<MessageBoxConfirmation> confirmation;
};

Form1::Form1(QWidget* parent)
    : Form1(std::make_unique<OwnPlatform>(), nullptr, nullptr, nullptr, parent)
{
}

Form1::Form1(SpinSource& spins, Confirmation& confirmation, FileSystem& files, QWidget* parent)
    : Form1(nullptr, &spins, &confirmation, &files, parent)
{
}

Form1::Form1(std::unique_ptr<OwnPlatform> own, SpinSource* spins, Confirmation* confirmation,
             FileSystem* files, QWidget* parent)
    : QWidget(parent), own_(std::move(own))
{
    if (own_) {
        own_->confirmation = std::make_unique<MessageBoxConfirmation>(this);
        spins = &own_->spins;
        confirmation = own_->confirmation.get();
        files = &own_->files;
    }
    controller_ = std::make_unique<FormController>(Platform{*spins, *confirmation, *files});

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Praxis / EC / Ravelin dual    V12.01"));
    setWindowIcon(ravelinIcon());
    setFixedSize(638, 477);
    setRoleColour(this, QPalette::Window, windowGrey);
    setAutoFillBackground(true);
    setFont(sansFont(8.25, true));

    buildWidgets();
    connectEvents();
    setFocusOrder();

    model().repaintNow = [this](const Control& control) {
        if (auto it = appliers_.find(&control); it != appliers_.end())
            it->second();
        if (auto it = widgets_.find(&control); it != widgets_.end())
            it->second->repaint();
    };

    // Everything is shown once as designed and started; later refreshes show changes only.
    for (auto& [control, apply] : appliers_)
        apply();
    refresh();
    describeForAccessibility(*this);
    textanzahl_->setFocus();
}

Form1::~Form1() { model().repaintNow = nullptr; }

void Form1::buildWidgets()
{
    FormModel& f = model();

    // Rectangle round the right column, behind its controls.
    shape1_ = new QFrame(this);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setGeometry(place(6960, 240, 2055, 6615));
    shape1_->setStyleSheet(
        QStringLiteral("#Shape1 { border: 1px solid rgb(0, 0, 192); background: transparent; }"));

    auto addLabel = [&](Label& label, QWidget* parent, QRect geometry, const QFont& font,
                        const QColor& textColour, Qt::Alignment alignment, bool border) {
        auto* widget = new QLabel(parent);
        widget->setObjectName(fromModel(label.name()));
        widget->setFont(font);
        widget->setTextFormat(Qt::PlainText);
        widget->setAlignment(alignment);
        setTextColour(widget, textColour);
        if (border) {
            widget->setFrameStyle(QFrame::Box | QFrame::Plain);
            widget->setLineWidth(1);
        }
        if (!label.toolTip().empty())
            widget->setToolTip(fromModel(label.toolTip()));
        widget->setGeometry(geometry);
        labels_.emplace_back(&label, widget);
        widgets_[&label] = widget;
        appliers_[&label] = [this, &label, widget] { applyLabel(label, widget); };
        return widget;
    };
    // Headings grow to their text so that nothing is clipped; centred ones stay centred.
    auto addHeading = [&](Label& label, QWidget* parent, QRect geometry, Qt::Alignment alignment) {
        QLabel* widget = addLabel(label, parent, geometry, font(), blue, alignment, false);
        const QFontMetrics metrics(widget->font());
        const int needWidth = metrics.horizontalAdvance(fromModel(label.caption())) + 2;
        const int needHeight = metrics.height();
        QRect fitted = geometry;
        if (needWidth > fitted.width())
            fitted.adjust(-(needWidth - fitted.width()) / 2, 0,
                          (needWidth - fitted.width() + 1) / 2, 0);
        if (needHeight > fitted.height())
            fitted.setHeight(needHeight);
        widget->setGeometry(fitted);
        return widget;
    };
    auto addButton = [&](Button& button, QWidget* parent, QRect geometry, const QFont& buttonFont) {
        auto* widget = new QPushButton(parent);
        widget->setObjectName(fromModel(button.name()));
        widget->setFont(buttonFont);
        widget->setGeometry(geometry);
        widget->setAutoDefault(false);
        if (!button.toolTip().empty())
            widget->setToolTip(fromModel(button.toolTip()));
        buttons_.emplace_back(&button, widget);
        widgets_[&button] = widget;
        appliers_[&button] = [this, &button, widget] { applyButton(button, widget); };
        return widget;
    };
    auto addGrid = [&](GridModel& grid, QRect geometry, bool scrolls) {
        auto* view = new QTableView(this);
        view->setObjectName(fromModel(grid.name()));
        // Headers, row heights and font are settled before the model comes:
        // otherwise the view lays out all of the log's rows for each of them.
        view->setFont(terminalFont(6, true));
        view->horizontalHeader()->hide();
        view->verticalHeader()->hide();
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->verticalHeader()->setMinimumSectionSize(1);
        view->verticalHeader()->setDefaultSectionSize(gridRowHeight);
        view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->horizontalHeader()->setMinimumSectionSize(1);
        auto* tableModel = new GridTableModel(grid, palette().color(QPalette::Button), view);
        view->setModel(tableModel);
        view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        view->setSelectionMode(QAbstractItemView::NoSelection);
        // Tab leaves the grid; the arrow keys move within it.
        view->setTabKeyNavigation(false);
        view->setItemDelegate(new PlainCellDelegate(view));
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setWordWrap(false);
        view->setCornerButtonEnabled(false);
        view->setGeometry(geometry);
        // Where the user scrolls the grid, its model knows: a later scroll
        // to the same row must still move the view.
        connect(view->verticalScrollBar(), &QScrollBar::valueChanged, view,
                [&grid](int top) { grid.scrolledTo(top); });
        if (!grid.toolTip().empty())
            view->setToolTip(fromModel(grid.toolTip()));
        return std::pair{view, tableModel};
    };

    // Left column.
    addHeading(f.Label6, this, place(420, 105, 420, 195), Qt::AlignLeft | Qt::AlignTop);
    addHeading(f.Label7, this, place(945, 105, 600, 240), Qt::AlignLeft | Qt::AlignTop);
    addHeading(f.Label8, this, place(1680, 90, 555, 195), Qt::AlignLeft | Qt::AlignTop);
    addHeading(f.Label9, this, place(2310, 90, 600, 195), Qt::AlignLeft | Qt::AlignTop);
    std::tie(tabelle1_, grid1_) = addGrid(f.tabelle1, place(405, 315, 2385, 6150), false);
    std::tie(tabelle2_, grid2_) = addGrid(f.tabelle2, place(2835, 315, 420, 6180), false);
    {
        // The green grid shows its light green in every cell.
        QPalette palette = tabelle2_->palette();
        palette.setColor(QPalette::Base, toQColor(colour::lightGreen));
        tabelle2_->setPalette(palette);
    }
    addButton(f.okresetl, this, place(450, 6615, 375, 285), sansFont(8.25, false));
    for (auto [label, left, width] :
         {std::tuple{&f.Label11, 945, 510}, std::tuple{&f.Label13, 1530, 585},
          std::tuple{&f.Label14, 2160, 540}})
        addLabel(*label, this, place(left, 6615, width, 195), terminalFont(9, false), Qt::black,
                 Qt::AlignCenter, true);
    addButton(f.Command1, this, place(2835, 6615, 330, 285), sansFont(8.25, false));

    // Middle column.
    // The guidance box reaches five pixels further either side than designed:
    // the panel's text needs that much more room in the face that stands in.
    addLabel(f.text, this, place(3420, 240, 3360, 885).adjusted(-5, 0, 5, 0), sansFont(8.25, false),
             darkGrey, Qt::AlignLeft | Qt::AlignTop, true);
    addHeading(f.Label4, this, place(3930, 1245, 540, 255), Qt::AlignLeft | Qt::AlignTop);
    addHeading(f.Label3, this, place(4710, 1245, 780, 255), Qt::AlignHCenter | Qt::AlignTop);
    addHeading(f.Label5, this, place(5610, 1245, 540, 255), Qt::AlignLeft | Qt::AlignTop);
    lakutWidget_ = addLabel(f.lakut, this, place(3720, 1500, 855, 375), sansFont(12, true),
                            Qt::black, Qt::AlignCenter, true);
    addLabel(f.Lreal, this, place(5400, 1500, 855, 375), sansFont(12, true), Qt::black,
             Qt::AlignCenter, true);
    std::tie(tabelle3_, grid3_) = addGrid(f.tabelle3, place(3720, 2010, 2625, 4170), true);
    addButton(f.okinfo, this, place(3960, 6345, 2115, 435), sansFont(9.75, true));

    infotext_ = new QTextBrowser(this);
    infotext_->setObjectName(QStringLiteral("infotext"));
    infotext_->setGeometry(place(3360, 240, 3405, 6015));
    infotext_->setFont(sansFont(8.25, false));
    infotext_->setOpenLinks(false);
    setRoleColour(infotext_, QPalette::Base, toQColor(colour::lightOrange));
    widgets_[&f.infotext] = infotext_;
    appliers_[&f.infotext] = [this] { applyViewer(); };

    // Right column.
    addHeading(f.Label1, this, place(7200, 300, 1575, 255), Qt::AlignHCenter | Qt::AlignTop);
    auto addTextBox = [&](TextBox& box, QRect geometry, const QFont& boxFont) {
        auto* widget = new QLineEdit(this);
        widget->setObjectName(fromModel(box.name()));
        widget->setFont(boxFont);
        widget->setAlignment(Qt::AlignCenter);
        widget->setGeometry(geometry);
        if (!box.toolTip().empty())
            widget->setToolTip(fromModel(box.toolTip()));
        widgets_[&box] = widget;
        appliers_[&box] = [this, &box, widget] { applyTextBox(box, widget); };
        return widget;
    };
    textanzahl_ = addTextBox(f.textanzahl, place(7200, 540, 1575, 420), sansFont(12, true));
    addLabel(f.Label15, this, place(7200, 990, 1575, 270), sansFont(8.25, false), midGrey,
             Qt::AlignHCenter | Qt::AlignTop, false);
    const int optionTops[4] = {1215, 1530, 2160, 1830}; // shown top to bottom 0, 1, 3, 2
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(fromModel(f.Option1.caption(i)), this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setToolTip(fromModel(f.Option1.toolTip(i)));
        setTextColour(option, blue);
        // The buttons overlap at their designed height; keep each to its own line.
        const QRect designed = place(7200, optionTops[i], 1575, 435);
        option->setGeometry(designed.x(), designed.center().y() - 9, designed.width(), 19);
        options_[i] = option;
    }
    widgets_[&f.Option1] = options_[0];
    appliers_[&f.Option1] = [this] { applyOptions(); };
    haltbei_ = addTextBox(f.haltbei, place(7320, 2625, 1215, 375), sansFont(9.75, true));
    addHeading(f.Label17, this, place(7200, 3195, 810, 180), Qt::AlignLeft | Qt::AlignTop);
    addLabel(f.Lrotat, this, place(7155, 3420, 840, 375), sansFont(12, true), Qt::black,
             Qt::AlignCenter, true);
    addHeading(f.Label2, this, place(8235, 3195, 495, 180), Qt::AlignLeft | Qt::AlignTop);
    addLabel(f.lzahl, this, place(8145, 3420, 615, 375), sansFont(12, true), Qt::black,
             Qt::AlignCenter, true);
    addButton(f.okstart, this, place(7140, 4080, 1680, 450), font());
    addButton(f.okabbrechen, this, place(7140, 4680, 1695, 435), font());
    addButton(f.okextern, this, place(7140, 5760, 1695, 435), font());
    addButton(f.okende, this, place(7140, 6300, 1680, 450), font());

    // The import panel, over the right column.
    frame1_ = new QGroupBox(fromModel(f.Frame1.caption()), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setGeometry(place(6960, 120, 2115, 6735));
    frame1_->setAutoFillBackground(true);
    setRoleColour(frame1_, QPalette::Window, windowGrey);
    setRoleColour(frame1_, QPalette::WindowText, blue);
    widgets_[&f.Frame1] = frame1_;
    appliers_[&f.Frame1] = [this] {
        frame1_->setTitle(fromModel(model().Frame1.caption()));
        frame1_->setVisible(model().Frame1.visible());
        if (model().Frame1.visible()) {
            frame1_->raise();
            applyHiddenLists();
            // The focus does not stay behind the panel: Import has it, after a key.
            if (QWidget* focused = focusWidget(); focused && !takesTabFocus(focused))
                focusNextPrevChild(true);
        }
    };

    drive1_ = new QComboBox(frame1_);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    drive1_->setGeometry(place(105, 420, 1905, 315));
    drive1_->setFont(sansFont(8.25, false));
    setTextColour(drive1_, Qt::black);
    addHeading(f.Label10, frame1_, place(735, 1260, 435, 225), Qt::AlignLeft | Qt::AlignTop);
    dir1_ = new QListWidget(frame1_);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setGeometry(place(105, 1785, 1905, 1440));
    dir1_->setItemDelegate(new IndentedItemDelegate(dir1_));
    dir1_->setTextElideMode(Qt::ElideMiddle);
    file1_ = new QListWidget(frame1_);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setGeometry(place(105, 3465, 1905, 2235));
    for (QListWidget* list : {dir1_, file1_}) {
        list->setFont(sansFont(8.25, false));
        setTextColour(list, Qt::black);
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    // The drive list is filled at once: a drop-down list shows its first
    // entry, even closed. The folder and file lists are filled, with their
    // icons and item layout, when the panel shows them: most sessions never
    // open it.
    appliers_[&f.Drive1] = [this] { applyLists(model().Drive1); };
    for (Control* list : {static_cast<Control*>(&f.Dir1), static_cast<Control*>(&f.File1)}) {
        appliers_[list] = [this, list] {
            if (model().Frame1.visible())
                applyLists(*list);
            else
                listsAwaitPanel_ = true;
        };
    }
    widgets_[&f.Drive1] = drive1_;
    widgets_[&f.Dir1] = dir1_;
    widgets_[&f.File1] = file1_;
    addButton(f.okexternok, frame1_, place(210, 6090, 750, 330), font());
    addButton(f.okexternabbruch, frame1_, place(1155, 6090, 750, 330), font());

    shape1_->lower();
    infotext_->raise();
    frame1_->raise();
}

void Form1::connectEvents()
{
    FormController& c = controller();
    auto onClick = [this](QPushButton* button, void (FormController::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { route([this, handler] { (controller().*handler)(); }); });
    };
    for (auto& [control, widget] : buttons_) {
        const std::string& name = control->name();
        if (name == "okstart")
            onClick(widget, &FormController::okstartClick);
        else if (name == "okabbrechen")
            onClick(widget, &FormController::okabbrechenClick);
        else if (name == "okextern")
            onClick(widget, &FormController::okexternClick);
        else if (name == "okende")
            onClick(widget, &FormController::okendeClick);
        else if (name == "okinfo")
            onClick(widget, &FormController::okinfoClick);
        else if (name == "okresetl")
            onClick(widget, &FormController::okresetlClick);
        else if (name == "Command1")
            onClick(widget, &FormController::command1Click);
        else if (name == "okexternok")
            onClick(widget, &FormController::okexternokClick);
        else if (name == "okexternabbruch")
            onClick(widget, &FormController::okexternabbruchClick);
    }
    (void)c;

    connect(textanzahl_, &QLineEdit::textEdited, this, [this](const QString& text) {
        route([&] { controller().textanzahlEdited(toModel(text)); });
    });
    connect(haltbei_, &QLineEdit::textEdited, this, [this](const QString& text) {
        route([&] { controller().haltbeiEdited(toModel(text)); });
    });
    for (int i = 0; i < 4; ++i) {
        connect(options_[i], &QRadioButton::clicked, this,
                [this, i] { route([this, i] { controller().option1Click(i); }); });
        options_[i]->installEventFilter(this);
    }

    connect(drive1_, &QComboBox::activated, this,
            [this](int index) { route([this, index] { controller().drive1Choose(index); }); });
    connect(dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = dir1_->row(item);
        route([this, row] { controller().dir1Open(row); });
    });

    // Whatever way the user chooses a file, it is chosen as by a click; the
    // list's own refills are blocked from this.
    connect(file1_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = file1_->selectedItems();
        if (chosen.isEmpty())
            return;
        const int row = file1_->row(chosen.first());
        route([this, row] { controller().file1Click(row); });
    });

    // Clicks into the frequency grid and the file list act on release, where
    // a drag ends.
    tabelle1_->viewport()->installEventFilter(this);
    file1_->viewport()->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int index = static_cast<int>(
            std::find(std::begin(options_), std::end(options_), watched) - std::begin(options_));
        if (index < OptionGroup::count && key->modifiers() == Qt::NoModifier) {
            if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right) {
                moveOption(index, 1);
                return true;
            }
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left) {
                moveOption(index, -1);
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick && watched == tabelle1_->viewport())
        dropNextRelease_ = true;
    if (event->type() == QEvent::MouseButtonRelease && watched == tabelle1_->viewport() &&
        dropNextRelease_) {
        dropNextRelease_ = false;
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QPoint pos = mouse->position().toPoint();
            if (watched == tabelle1_->viewport()) {
                const int lastRow = model().tabelle1.rows() - 1;
                const int lastCol = model().tabelle1.cols() - 1;
                int row = tabelle1_->rowAt(pos.y());
                if (row < 0)
                    row = pos.y() < 0
                              ? tabelle1_->rowAt(0)
                              : std::min(lastRow,
                                         tabelle1_->rowAt(tabelle1_->viewport()->height() - 1));
                int col = tabelle1_->columnAt(pos.x());
                if (col < 0)
                    col = pos.x() < 0 ? 0 : lastCol;
                if (row < 0)
                    row = lastRow;
                route([this, row, col] { controller().tabelle1Click(row, col); });
            } else if (watched == file1_->viewport()) {
                const QModelIndex index = file1_->indexAt(pos);
                const int row = index.isValid() ? index.row() : model().File1.selected();
                route([this, row] { controller().file1Click(row); });
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::setFocusOrder()
{
    const char* order[] = {"textanzahl", "Option1_0", "Option1_1",  "okstart",         "Option1_2",
                           "haltbei",    "okende",    "okextern",   "okabbrechen",     "Drive1",
                           "Dir1",       "File1",     "okexternok", "okexternabbruch", "okinfo",
                           "tabelle1",   "infotext",  "tabelle2",   "okresetl",        "Command1",
                           "Option1_3",  "tabelle3"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(name));
        if (!widget)
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
        focusOrder_.push_back(widget);
    }
}

bool Form1::takesTabFocus(QWidget* widget) const
{
    if (!widget->isEnabled() || !widget->isVisible())
        return false;
    // Nor is a control reached that a panel shown over it covers whole.
    for (QWidget* cover : {static_cast<QWidget*>(frame1_), static_cast<QWidget*>(infotext_)}) {
        if (cover == widget || !cover->isVisible() || cover->isAncestorOf(widget))
            continue;
        const QRect area(widget->mapTo(this, QPoint(0, 0)), widget->size());
        if (cover->geometry().contains(area))
            return false;
    }
    // The option group is one stop: its selected option.
    for (int i = 0; i < OptionGroup::count; ++i)
        if (widget == options_[i])
            return controller_->form().Option1.isSelected(i);
    return true;
}

bool Form1::focusNextPrevChild(bool next)
{
    const int count = static_cast<int>(focusOrder_.size());
    int at = -1;
    // The window's own focus child: it is known while a message box is up, too.
    for (QWidget* w = focusWidget(); w && at < 0 && w != this; w = w->parentWidget()) {
        const auto it = std::find(focusOrder_.begin(), focusOrder_.end(), w);
        if (it != focusOrder_.end())
            at = static_cast<int>(it - focusOrder_.begin());
    }
    if (at < 0)
        at = next ? count - 1 : 0;
    for (int step = 1; step <= count; ++step) {
        QWidget* candidate = focusOrder_[static_cast<std::size_t>(
            ((at + (next ? step : -step)) % count + count) % count)];
        if (takesTabFocus(candidate)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Form1::moveOption(int index, int step)
{
    // Top to bottom on screen the options stand 0, 1, 3, 2; the keys go round.
    constexpr int onScreen[OptionGroup::count] = {0, 1, 3, 2};
    const int place = static_cast<int>(std::find(std::begin(onScreen), std::end(onScreen), index) -
                                       std::begin(onScreen));
    const int chosen = onScreen[(place + step + OptionGroup::count) % OptionGroup::count];
    route([this, chosen] { controller().option1Click(chosen); });
    // The focus goes with the option the handling left selected.
    const int selected = model().Option1.selected();
    if (selected >= 0 && selected < OptionGroup::count)
        options_[selected]->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

template <typename Handler> void Form1::route(Handler&& handler)
{
    // An exception thrown through Qt's event loop ends the program; here is
    // the one place every event passes, so what fails stays with the event.
    try {
        handler();
        refresh();
    } catch (const std::exception& e) {
        qWarning("Ravelin: an event failed: %s", e.what());
        refreshing_ = false;
    } catch (...) {
        qWarning("Ravelin: an event failed");
        refreshing_ = false;
    }
    if (controller_->quitRequested())
        close();
}

void Form1::refresh()
{
    if (refreshing_)
        return;
    refreshing_ = true;
    model().forEachControl([&](Control& control) {
        if (!control.takeChanged())
            return;
        if (auto it = appliers_.find(&control); it != appliers_.end())
            it->second();
    });
    applyGrid(*grid1_, tabelle1_);
    applyGrid(*grid2_, tabelle2_);
    applyGrid(*grid3_, tabelle3_);
    refreshing_ = false;
}

void Form1::applyLabel(Label& label, QLabel* widget)
{
    widget->setText(captionForDisplay(label.caption()));
    nameWithValue(*widget);
    widget->setEnabled(label.enabled());
    widget->setVisible(label.visible());
    if (hasOwnColour(label.backColour())) {
        setRoleColour(widget, QPalette::Window, toQColor(label.backColour()));
        widget->setAutoFillBackground(true);
    } else {
        widget->setAutoFillBackground(false);
    }
}

void Form1::applyButton(Button& button, QPushButton* widget)
{
    widget->setText(fromModel(button.caption()));
    widget->setEnabled(button.enabled());
    widget->setVisible(button.visible());
    if (hasOwnColour(button.backColour()))
        setRoleColour(widget, QPalette::Button, toQColor(button.backColour()));
}

void Form1::applyTextBox(TextBox& box, QLineEdit* widget)
{
    const QString text = fromModel(box.text());
    if (widget->text() != text) {
        // The handling kept or emptied what was typed; the caret stays put where it can.
        const int caret = widget->cursorPosition();
        widget->setText(text);
        widget->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
    }
    widget->setEnabled(box.enabled());
    widget->setVisible(box.visible());
    if (hasOwnColour(box.backColour()))
        setRoleColour(widget, QPalette::Base, toQColor(box.backColour()));
}

void Form1::applyOptions()
{
    const OptionGroup& group = model().Option1;
    for (int i = 0; i < OptionGroup::count; ++i) {
        options_[i]->setEnabled(group.enabled());
        if (group.isSelected(i) != options_[i]->isChecked())
            options_[i]->setChecked(group.isSelected(i));
    }
}

void Form1::applyHiddenLists()
{
    if (!listsAwaitPanel_)
        return;
    // In the order the panel fills them: folders, then files.
    applyLists(model().Dir1);
    applyLists(model().File1);
    listsAwaitPanel_ = false;
}

void Form1::applyLists(Control& control)
{
    FormModel& f = model();
    if (&control == &f.Drive1) {
        const QSignalBlocker block(drive1_);
        drive1_->clear();
        for (const std::string& drive : f.Drive1.drives())
            drive1_->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), fromModel(drive));
        drive1_->setCurrentIndex(f.Drive1.selected());
        drive1_->setEnabled(f.Drive1.enabled());
    } else if (&control == &f.Dir1) {
        const QSignalBlocker block(dir1_);
        dir1_->clear();
        const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
        for (const DirList::Entry& entry : f.Dir1.entries()) {
            auto* item =
                new QListWidgetItem(entry.open ? open : closed, fromModel(entry.label), dir1_);
            item->setData(Qt::UserRole, entry.depth);
        }
        dir1_->setCurrentRow(f.Dir1.currentIndex());
        if (f.Dir1.currentIndex() >= 0)
            dir1_->scrollToItem(dir1_->item(f.Dir1.currentIndex()));
    } else if (&control == &f.File1) {
        const QSignalBlocker block(file1_);
        if (file1_->count() != static_cast<int>(f.File1.files().size()) ||
            file1_->property("folder").toString() != fromModel(f.File1.folder())) {
            file1_->clear();
            for (const std::string& file : f.File1.files())
                file1_->addItem(fromModel(displayName(file)));
            file1_->setProperty("folder", fromModel(f.File1.folder()));
        }
        file1_->setCurrentRow(f.File1.selected());
        if (f.File1.selected() < 0)
            file1_->clearSelection();
    }
}

void Form1::applyViewer()
{
    const RichTextViewer& viewer = model().infotext;
    renderRichDocument(viewer.document(), *infotext_->document(), infotext_->font());
    // Every showing starts at the top, wherever filling the text left the cursor.
    infotext_->moveCursor(QTextCursor::Start);
    infotext_->verticalScrollBar()->setValue(0);
    infotext_->setVisible(viewer.visible());
    if (viewer.visible())
        infotext_->raise();
    if (model().Frame1.visible())
        frame1_->raise();
}

void Form1::applyGrid(GridTableModel& tableModel, QTableView* view)
{
    const GridModel::Changes changes = tableModel.publishChanges();
    const GridModel& grid = tableModel.grid();
    if (changes.layout) {
        for (int c = 0; c < grid.cols(); ++c)
            view->horizontalHeader()->resizeSection(c, px(grid.colWidth(c)));
        view->viewport()->update();
    }
    if (changes.topRow)
        view->verticalScrollBar()->setValue(grid.topRow());
}
