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
#include <span>
#include <stdexcept>

using namespace ravelin;

namespace {

// Places are given in twips; 15 twips make one pixel at 96 dots per inch.
constexpr int px(int twips) { return (twips + 7) / 15; }
QRect place(const Twips& at) { return QRect(px(at.left), px(at.top), px(at.width), px(at.height)); }

constexpr int gridRowHeight = 11; // 37 rows fill the frequency grid, 25 the spin log

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
    setRoleColour(this, QPalette::Window, toQColor(colour::lightGrey));
    setAutoFillBackground(true);
    setFont(fontOf(windowFace));

    buildPart(WindowPart::columns);
    shape1_->lower();
    setFocusOrder();

    model().repaintNow = [this](const Control& control) {
        buildShownParts();
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
    for (auto& [tableModel, view] : grids_)
        nameGridHeaders(model(), *tableModel);
    widgets_.at(&model().textanzahl)->setFocus();
}

Form1::~Form1() { model().repaintNow = nullptr; }

namespace {

// The window as designed, column by column; each part is built as a whole.
constexpr Placement columns[] = {
    shape({6960, 240, 2055, 6615}, "Rahmen der Eingaben und Schaltfl\u00e4chen"),

    // Left column.
    heading<&FormModel::Label6>({420, 105, 420, 195}),
    heading<&FormModel::Label7>({945, 105, 600, 240}),
    heading<&FormModel::Label8>({1680, 90, 555, 195}),
    heading<&FormModel::Label9>({2310, 90, 600, 195}),
    grid<&FormModel::tabelle1>({405, 315, 2385, 6150}, "H\u00e4ufigkeiten der Zahlen 0 bis 36"),
    // The green grid shows its light green in every cell.
    grid<&FormModel::tabelle2>({2835, 315, 420, 6180},
                               "Wurfnummer des ersten Erscheinens markierter Zahlen",
                               colour::lightGreen),
    button<&FormModel::okresetl>({450, 6615, 375, 285}, plainFace, &FormController::okresetlClick,
                                 "Alle Markierungen l\u00f6schen"),
    display<&FormModel::Label11>({945, 6615, 510, 195}, firstDoubleFace,
                                 "Erstmals eine Zahl doppelt"),
    display<&FormModel::Label13>({1530, 6615, 585, 195}, firstDoubleFace,
                                 "Erstmals eine Zahl doppelt hintereinander"),
    display<&FormModel::Label14>({2160, 6615, 540, 195}, firstDoubleFace,
                                 "Erstmals eine Zahl dreifach hintereinander"),
    button<&FormModel::Command1>({2835, 6615, 330, 285}, plainFace, &FormController::command1Click,
                                 "Gr\u00fcnes Feld leeren"),

    // Middle column.
    // The guidance box reaches 75 twips (five pixels) further either side than
    // designed (3420, 3360 wide): the panel's text needs that much more room in
    // the face that stands in.
    label<&FormModel::text>({3345, 240, 3510, 885}, plainFace, colour::darkGreyText, leftTop, true,
                            "Hinweise"),
    heading<&FormModel::Label4>({3930, 1245, 540, 255}),
    heading<&FormModel::Label3>({4710, 1245, 780, 255}, centredTop),
    heading<&FormModel::Label5>({5610, 1245, 540, 255}),
    display<&FormModel::lakut>({3720, 1500, 855, 375}, countFace, "Anzahl W\u00fcrfe real"),
    display<&FormModel::Lreal>({5400, 1500, 855, 375}, countFace, "Anzahl W\u00fcrfe akut"),
    grid<&FormModel::tabelle3>({3720, 2010, 2625, 4170}, "Wurfprotokoll", colour::standard, true),
    button<&FormModel::okinfo>({3960, 6345, 2115, 435}, largerFace, &FormController::okinfoClick,
                               "Info/Ende Info"),

    // Right column.
    heading<&FormModel::Label1>({7200, 300, 1575, 255}, centredTop),
    textBox<&FormModel::textanzahl>({7200, 540, 1575, 420}, countFace,
                                    &FormController::textanzahlEdited, "Anzahl W\u00fcrfe"),
    label<&FormModel::Label15>({7200, 990, 1575, 270}, plainFace, colour::midGreyText, centredTop,
                               false, "Hinweis zur Anzahl W\u00fcrfe"),
    // Shown top to bottom 0, 1, 3, 2.
    option<&FormModel::Option1>(0, {7200, 1215, 1575, 435}),
    option<&FormModel::Option1>(1, {7200, 1530, 1575, 435}),
    option<&FormModel::Option1>(2, {7200, 2160, 1575, 435}),
    option<&FormModel::Option1>(3, {7200, 1830, 1575, 435}),
    textBox<&FormModel::haltbei>({7320, 2625, 1215, 375}, largerFace,
                                 &FormController::haltbeiEdited, "Halt bei Wurf"),
    heading<&FormModel::Label17>({7200, 3195, 810, 180}),
    display<&FormModel::Lrotat>({7155, 3420, 840, 375}, countFace, "Aktuelle Rotation"),
    heading<&FormModel::Label2>({8235, 3195, 495, 180}),
    display<&FormModel::lzahl>({8145, 3420, 615, 375}, countFace, "Aktuell geworfene Zahl"),
    button<&FormModel::okstart>({7140, 4080, 1680, 450}, windowFace, &FormController::okstartClick,
                                "Start/Weiter"),
    button<&FormModel::okabbrechen>({7140, 4680, 1695, 435}, windowFace,
                                    &FormController::okabbrechenClick),
    button<&FormModel::okextern>({7140, 5760, 1695, 435}, windowFace,
                                 &FormController::okexternClick),
    button<&FormModel::okende>({7140, 6300, 1680, 450}, windowFace, &FormController::okendeClick),
};

// Over the middle column.
constexpr Placement infoViewer[] = {
    viewer<&FormModel::infotext>({3360, 240, 3405, 6015}, "Infotext"),
};

// Over the right column; the rows after the frame stand within it.
constexpr Placement importPanel[] = {
    frame<&FormModel::Frame1>({6960, 120, 2115, 6735}),
    list<&FormModel::Drive1>({105, 420, 1905, 315}, "Laufwerk"),
    heading<&FormModel::Label10>({735, 1260, 435, 225}, leftTop, "Dateimuster *.txt"),
    list<&FormModel::Dir1>({105, 1785, 1905, 1440}, "Ordner"),
    list<&FormModel::File1>({105, 3465, 1905, 2235}, "Permanenzdateien"),
    button<&FormModel::okexternok>({210, 6090, 750, 330}, windowFace,
                                   &FormController::okexternokClick),
    button<&FormModel::okexternabbruch>({1155, 6090, 750, 330}, windowFace,
                                        &FormController::okexternabbruchClick, "Import abbrechen"),
};

} // namespace

void Form1::buildPart(WindowPart part)
{
    const auto rows = part == WindowPart::columns      ? std::span<const Placement>(columns)
                      : part == WindowPart::infoViewer ? std::span<const Placement>(infoViewer)
                                                       : std::span<const Placement>(importPanel);
    for (const Placement& row : rows)
        build(row,
              part == WindowPart::importPanel && frame1_ ? static_cast<QWidget*>(frame1_) : this);
}

void Form1::buildShownParts()
{
    if (!infotext_ && model().infotext.visible())
        buildLate(WindowPart::infoViewer);
    if (!frame1_ && model().Frame1.visible())
        buildLate(WindowPart::importPanel);
}

void Form1::buildLate(WindowPart part)
{
    justBuilt_.clear();
    buildPart(part);
    // Stacked as if made with the rest: the viewer over the columns, the panel over all.
    if (infotext_)
        infotext_->raise();
    if (frame1_)
        frame1_->raise();
    setFocusOrder();
    // Everything the model holds for the part comes in at once, its own
    // panel or viewer last: that shows it, with its contents in place.
    for (std::size_t i = 1; i < justBuilt_.size(); ++i)
        appliers_.at(justBuilt_[i])();
    QWidget* shown = widgets_.at(justBuilt_.front());
    appliers_.at(justBuilt_.front())();
    describeForAccessibility(*shown);
    justBuilt_.clear();
}

void Form1::build(const Placement& row, QWidget* parent)
{
    switch (row.kind) {
    case PlacementKind::shape:
        buildShape(row);
        break;
    case PlacementKind::heading:
    case PlacementKind::label:
    case PlacementKind::display:
        buildLabel(row, parent);
        break;
    case PlacementKind::button:
        buildButton(row, parent);
        break;
    case PlacementKind::textBox:
        buildTextBox(row);
        break;
    case PlacementKind::option:
        buildOption(row);
        break;
    case PlacementKind::grid:
        buildGrid(row);
        break;
    case PlacementKind::viewer:
        buildViewer(row);
        break;
    case PlacementKind::frame:
        buildFrame(row);
        break;
    case PlacementKind::driveList:
        buildDriveList(row, parent);
        break;
    case PlacementKind::dirList:
    case PlacementKind::fileList:
        buildFileList(row, parent);
        break;
    }
}

void Form1::keep(Control& control, QWidget* widget, std::function<void()> apply)
{
    widgets_[&control] = widget;
    justBuilt_.push_back(&control);
    if (apply)
        appliers_[&control] = std::move(apply);
}

void Form1::buildShape(const Placement& row)
{
    shape1_ = new QFrame(this);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setGeometry(place(row.at));
    shape1_->setStyleSheet(
        QStringLiteral("#Shape1 { border: 1px solid %1; background: transparent; }")
            .arg(toQColor(row.ink).name()));
    nameByRole(*shape1_, row.role);
}

void Form1::buildLabel(const Placement& row, QWidget* parent)
{
    Label& label = static_cast<Label&>(row.control(model()));
    auto* widget = new QLabel(parent);
    widget->setObjectName(fromModel(label.name()));
    widget->setFont(fontOf(row.face));
    widget->setTextFormat(Qt::PlainText);
    widget->setAlignment(row.align);
    setTextColour(widget, toQColor(row.ink));
    if (row.boxed) {
        widget->setFrameStyle(QFrame::Box | QFrame::Plain);
        widget->setLineWidth(1);
    }
    if (!label.toolTip().empty())
        widget->setToolTip(fromModel(label.toolTip()));
    QRect geometry = place(row.at);
    // Headings grow to their text so that nothing is clipped; centred ones stay centred.
    if (row.kind == PlacementKind::heading) {
        const QFontMetrics metrics(widget->font());
        const int needWidth = metrics.horizontalAdvance(fromModel(label.caption())) + 2;
        const int needHeight = metrics.height();
        if (needWidth > geometry.width())
            geometry.adjust(-(needWidth - geometry.width()) / 2, 0,
                            (needWidth - geometry.width() + 1) / 2, 0);
        if (needHeight > geometry.height())
            geometry.setHeight(needHeight);
    }
    widget->setGeometry(geometry);
    if (row.kind != PlacementKind::display) {
        nameByRole(*widget, row.role);
        keep(label, widget, [this, &label, widget] { applyLabel(label, widget); });
        return;
    }
    // A display box's name carries the value it shows.
    keep(label, widget, [this, &label, widget, role = row.role] {
        applyLabel(label, widget);
        nameWithValue(*widget, role);
    });
}

void Form1::buildButton(const Placement& row, QWidget* parent)
{
    Button& button = static_cast<Button&>(row.control(model()));
    auto* widget = new QPushButton(parent);
    widget->setObjectName(fromModel(button.name()));
    widget->setFont(fontOf(row.face));
    widget->setGeometry(place(row.at));
    widget->setAutoDefault(false);
    if (!button.toolTip().empty())
        widget->setToolTip(fromModel(button.toolTip()));
    nameByRole(*widget, row.role);
    // Checked here, not by the compiler: an instrumented build cannot compare
    // handlers while compiling. The window tests build every button, the
    // panel's when they open it.
    if (row.click == nullptr)
        throw std::logic_error("a button without a handler would be dead: " + button.name());
    connect(widget, &QPushButton::clicked, this,
            [this, click = row.click] { route([this, click] { (controller().*click)(); }); });
    keep(button, widget, [this, &button, widget] { applyButton(button, widget); });
}

void Form1::buildTextBox(const Placement& row)
{
    TextBox& box = static_cast<TextBox&>(row.control(model()));
    auto* widget = new QLineEdit(this);
    widget->setObjectName(fromModel(box.name()));
    widget->setFont(fontOf(row.face));
    widget->setAlignment(Qt::AlignCenter);
    widget->setGeometry(place(row.at));
    if (!box.toolTip().empty())
        widget->setToolTip(fromModel(box.toolTip()));
    nameByRole(*widget, row.role);
    connect(widget, &QLineEdit::textEdited, this, [this, edit = row.edit](const QString& text) {
        route([&] { (controller().*edit)(toModel(text)); });
    });
    keep(box, widget, [this, &box, widget] { applyTextBox(box, widget); });
}

void Form1::buildOption(const Placement& row)
{
    OptionGroup& group = static_cast<OptionGroup&>(row.control(model()));
    const int i = row.option;
    auto* option = new QRadioButton(fromModel(group.caption(i)), this);
    option->setObjectName(fromModel(group.name()) + QStringLiteral("_%1").arg(i));
    option->setToolTip(fromModel(group.toolTip(i)));
    setTextColour(option, toQColor(row.ink));
    // The buttons overlap at their designed height; keep each to its own line.
    const QRect designed = place(row.at);
    option->setGeometry(designed.x(), designed.center().y() - 9, designed.width(), 19);
    options_[i] = option;
    connect(option, &QRadioButton::clicked, this,
            [this, i] { route([this, i] { controller().option1Click(i); }); });
    option->installEventFilter(this);
    if (i == 0)
        keep(group, option, [this] { applyOptions(); });
}

void Form1::buildGrid(const Placement& row)
{
    GridModel& grid = row.grid(model());
    auto* view = new QTableView(this);
    view->setObjectName(fromModel(grid.name()));
    // Headers, row heights and font are settled before the model comes:
    // otherwise the view lays out all of the log's rows for each of them.
    view->setFont(fontOf(row.face));
    for (QHeaderView* header : {view->horizontalHeader(), view->verticalHeader()}) {
        header->hide();
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
    }
    view->verticalHeader()->setDefaultSectionSize(gridRowHeight);
    auto* tableModel = new GridTableModel(grid, palette().color(QPalette::Button), view);
    view->setModel(tableModel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(row.scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    // Tab leaves the grid; the arrow keys move within it.
    view->setTabKeyNavigation(false);
    view->setItemDelegate(new PlainCellDelegate(view));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->setGeometry(place(row.at));
    // Where the user scrolls the grid, its model knows: a later scroll
    // to the same row must still move the view.
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, view,
            [&grid](int top) { grid.scrolledTo(top); });
    if (!grid.toolTip().empty())
        view->setToolTip(fromModel(grid.toolTip()));
    if (row.paper != colour::standard) {
        QPalette palette = view->palette();
        palette.setColor(QPalette::Base, toQColor(row.paper));
        view->setPalette(palette);
    }
    nameByRole(*view, row.role);
    grids_.emplace_back(tableModel, view);
    if (&grid == &model().tabelle1) {
        tabelle1_ = view;
        // Its clicks act on release, where a drag ends.
        view->viewport()->installEventFilter(this);
    }
}

void Form1::buildViewer(const Placement& row)
{
    RichTextViewer& viewer = static_cast<RichTextViewer&>(row.control(model()));
    infotext_ = new QTextBrowser(this);
    infotext_->setObjectName(fromModel(viewer.name()));
    infotext_->setGeometry(place(row.at));
    infotext_->setFont(fontOf(row.face));
    infotext_->setOpenLinks(false);
    setRoleColour(infotext_, QPalette::Base, toQColor(colour::lightOrange));
    nameByRole(*infotext_, row.role);
    keep(viewer, infotext_, [this] { applyViewer(); });
}

void Form1::buildFrame(const Placement& row)
{
    Frame& panel = static_cast<Frame&>(row.control(model()));
    frame1_ = new QGroupBox(fromModel(panel.caption()), this);
    frame1_->setObjectName(fromModel(panel.name()));
    frame1_->setGeometry(place(row.at));
    frame1_->setAutoFillBackground(true);
    setRoleColour(frame1_, QPalette::Window, toQColor(colour::lightGrey));
    setRoleColour(frame1_, QPalette::WindowText, toQColor(row.ink));
    keep(panel, frame1_, [this, &panel] {
        frame1_->setTitle(fromModel(panel.caption()));
        frame1_->setVisible(panel.visible());
        if (panel.visible()) {
            frame1_->raise();
            applyHiddenLists();
            // The focus does not stay behind the panel: Import has it, after a key.
            if (QWidget* focused = focusWidget(); focused && !takesTabFocus(focused))
                focusNextPrevChild(true);
        }
    });
}

// The drive list is filled at once: a drop-down list shows its first entry,
// even closed.
void Form1::buildDriveList(const Placement& row, QWidget* parent)
{
    Control& list = row.control(model());
    drive1_ = new QComboBox(parent);
    drive1_->setObjectName(fromModel(list.name()));
    drive1_->setGeometry(place(row.at));
    drive1_->setFont(fontOf(row.face));
    setTextColour(drive1_, toQColor(row.ink));
    nameByRole(*drive1_, row.role);
    connect(drive1_, &QComboBox::activated, this,
            [this](int index) { route([this, index] { controller().drive1Choose(index); }); });
    keep(list, drive1_, [this, &list] { applyLists(list); });
}

// The folder and file lists are filled, with their icons and item layout,
// when the panel shows them: most sessions never open it.
void Form1::buildFileList(const Placement& row, QWidget* parent)
{
    Control& list = row.control(model());
    auto* widget = new QListWidget(parent);
    widget->setObjectName(fromModel(list.name()));
    widget->setGeometry(place(row.at));
    if (row.kind == PlacementKind::dirList) {
        dir1_ = widget;
        widget->setItemDelegate(new IndentedItemDelegate(widget));
        widget->setTextElideMode(Qt::ElideMiddle);
        connect(widget, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
            const int at = dir1_->row(item);
            route([this, at] { controller().dir1Open(at); });
        });
    } else {
        file1_ = widget;
        // Whatever way the user chooses a file, it is chosen as by a click;
        // the list's own refills are blocked from this. A click acts on release.
        connect(widget, &QListWidget::itemSelectionChanged, this, [this] {
            const QList<QListWidgetItem*> chosen = file1_->selectedItems();
            if (chosen.isEmpty())
                return;
            const int at = file1_->row(chosen.first());
            route([this, at] { controller().file1Click(at); });
        });
        widget->viewport()->installEventFilter(this);
    }
    widget->setFont(fontOf(row.face));
    setTextColour(widget, toQColor(row.ink));
    widget->setUniformItemSizes(true);
    widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    nameByRole(*widget, row.role);
    keep(list, widget, [this, &list] {
        if (model().Frame1.visible())
            applyLists(list);
        else
            listsAwaitPanel_ = true;
    });
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
            } else if (file1_ && watched == file1_->viewport()) {
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
    FormModel& f = model();
    // Every stop is named by its control, so none can be missed by a misspelt
    // name; the panel's and the viewer's stand at their places once they are made.
    const auto of = [this](const Control& control) {
        const auto it = widgets_.find(&control);
        return it == widgets_.end() ? nullptr : it->second;
    };
    const auto grid = [this](const GridModel& shown) {
        const auto it = std::find_if(grids_.begin(), grids_.end(),
                                     [&](const auto& g) { return &g.first->grid() == &shown; });
        return it->second;
    };
    focusOrder_ = {of(f.textanzahl),  options_[0],           options_[1],    of(f.okstart),
                   options_[2],       of(f.haltbei),         of(f.okende),   of(f.okextern),
                   of(f.okabbrechen), of(f.Drive1),          of(f.Dir1),     of(f.File1),
                   of(f.okexternok),  of(f.okexternabbruch), of(f.okinfo),   grid(f.tabelle1),
                   of(f.infotext),    grid(f.tabelle2),      of(f.okresetl), of(f.Command1),
                   options_[3],       grid(f.tabelle3)};
    std::erase(focusOrder_, nullptr);
    for (std::size_t i = 1; i < focusOrder_.size(); ++i)
        setTabOrder(focusOrder_[i - 1], focusOrder_[i]);
}

bool Form1::takesTabFocus(QWidget* widget) const
{
    if (!widget->isEnabled() || !widget->isVisible())
        return false;
    // Nor is a control reached that a panel shown over it covers whole.
    for (QWidget* cover : {static_cast<QWidget*>(frame1_), static_cast<QWidget*>(infotext_)}) {
        if (!cover || cover == widget || !cover->isVisible() || cover->isAncestorOf(widget))
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
    buildShownParts();
    model().forEachControl([&](Control& control) {
        if (!control.takeChanged())
            return;
        if (auto it = appliers_.find(&control); it != appliers_.end())
            it->second();
    });
    for (auto& [tableModel, view] : grids_)
        applyGrid(*tableModel, view);
    refreshing_ = false;
}

void Form1::applyLabel(Label& label, QLabel* widget)
{
    widget->setText(captionForDisplay(label.caption()));
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
    if (frame1_ && model().Frame1.visible())
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
