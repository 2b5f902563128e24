// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/form1.h"

#include "face/accessibility.h"
#include "face/accessible_factory.h"
#include "face/button_view.h"
#include "face/drive_list_view.h"
#include "face/file_list_view.h"
#include "face/folder_list_view.h"
#include "face/grid_view.h"
#include "face/info_view.h"
#include "face/label_view.h"
#include "face/message_box_confirmation.h"
#include "face/option_group_view.h"
#include "face/panel_view.h"
#include "face/qt_colour.h"
#include "face/shape_view.h"
#include "face/text_box_view.h"
#include "face/view_support.h"
#include "face/window_icon.h"
#include "platform/clock_spin_source.h"
#include "platform/real_file_system.h"

#include <exception>
#include <type_traits>
#include <variant>

using namespace ravelin;

struct Form1::OwnPlatform {
    ClockSpinSource spins;
    RealFileSystem files;
    std::unique_ptr<MessageBoxConfirmation> confirmation;

    Platform over(QWidget* window)
    {
        confirmation = std::make_unique<MessageBoxConfirmation>(window);
        return Platform{spins, *confirmation, files};
    }
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
    : QWidget(parent), own_(std::move(own)),
      controller_(std::make_unique<FormController>(own_ ? own_->over(this)
                                                        : Platform{*spins, *confirmation, *files})),
      focus_(windowFocusOrder(controller_->form()))
{
    setObjectName(QStringLiteral("Form1"));
    exposeAs(*this, AccessibleAs::window);
    setWindowTitle(QStringLiteral("Praxis / EC / Ravelin dual    V12.01"));
    setWindowIcon(ravelinIcon());
    setFixedSize(638, 477);
    setRoleColour(*this, QPalette::Window, toQColor(colour::lightGrey));
    setAutoFillBackground(true);
    setFont(fontOf(windowFace));

    buildPart(WindowPart::columns);
    focus_.link();
    model().paintNow = this;

    // Everything is shown once as designed and started; later refreshes show changes only.
    for (const auto& view : views_)
        view->apply();
    refresh();
    describeForAccessibility(*this);
    for (GridView* grid : grids_)
        nameGridHeaders(model(), grid->tableModel());
    viewOf(model().textanzahl)->widget().setFocus();
}

Form1::~Form1()
{
    model().paintNow = nullptr;
    while (!views_.empty())
        views_.pop_back();
}

ControlView* Form1::viewOf(const Control& control) const
{
    const auto it = viewOf_.find(&control);
    return it == viewOf_.end() ? nullptr : it->second;
}

std::vector<ControlView*> Form1::buildPart(WindowPart part)
{
    std::vector<ControlView*> built;
    QWidget* parent = this;
    for (const Placement& row : layoutOf(part, model())) {
        build(row, *parent, built);
        // The rows after the import panel's frame stand within it.
        if (std::holds_alternative<FrameRow>(row))
            parent = &panel_->widget();
    }
    return built;
}

void Form1::build(const Placement& row, QWidget& parent, std::vector<ControlView*>& built)
{
    const auto keep = [&](auto view) -> auto&
    {
        auto& made = *view;
        if constexpr (std::is_base_of_v<ControlView, std::remove_reference_t<decltype(made)>>) {
            viewOf_[&made.control()] = &made;
            focus_.place(made.control(), made.widget());
            built.push_back(&made);
        }
        views_.push_back(std::move(view));
        return made;
    };
    const Frame& panel = model().Frame1;
    EventRoute& route = *this;
    std::visit(
        [&](const auto& r) {
            using Row = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<Row, ShapeRow>) {
                keep(std::make_unique<ShapeView>(r, parent));
            } else if constexpr (std::is_same_v<Row, LabelRow>) {
                keep(std::make_unique<LabelView>(r, parent));
            } else if constexpr (std::is_same_v<Row, ButtonRow>) {
                keep(std::make_unique<ButtonView>(r, parent, route));
            } else if constexpr (std::is_same_v<Row, TextBoxRow>) {
                keep(std::make_unique<TextBoxView>(r, parent, route));
            } else if constexpr (std::is_same_v<Row, OptionGroupRow>) {
                OptionGroupView& group = keep(std::make_unique<OptionGroupView>(r, parent, route));
                for (int i = 0; i < OptionGroup::count; ++i)
                    focus_.place({r.group, i}, group.option(i));
            } else if constexpr (std::is_same_v<Row, GridRow>) {
                GridView& grid = keep(std::make_unique<GridView>(
                    r, parent, palette().color(QPalette::Button), route));
                focus_.place(r.grid, grid.widget());
                grids_.push_back(&grid);
            } else if constexpr (std::is_same_v<Row, ViewerRow>) {
                focus_.addCover(keep(std::make_unique<InfoView>(r, parent)).widget());
            } else if constexpr (std::is_same_v<Row, FrameRow>) {
                panel_ = &keep(std::make_unique<PanelView>(r, parent));
                focus_.addCover(panel_->widget());
            } else if constexpr (std::is_same_v<Row, DriveListRow>) {
                keep(std::make_unique<DriveListView>(r, parent, route));
            } else if constexpr (std::is_same_v<Row, DirListRow>) {
                panel_->holds(keep(std::make_unique<FolderListView>(r, panel, parent, route)));
            } else if constexpr (std::is_same_v<Row, FileListRow>) {
                panel_->holds(keep(std::make_unique<FileListView>(r, panel, parent, route)));
            }
        },
        row);
}

void Form1::buildShownParts()
{
    if (!viewOf(model().infotext) && model().infotext.visible())
        buildLate(WindowPart::infoViewer);
    if (!viewOf(model().Frame1) && model().Frame1.visible())
        buildLate(WindowPart::importPanel);
}

void Form1::buildLate(WindowPart part)
{
    const std::vector<ControlView*> built = buildPart(part);
    focus_.link();
    // Everything the model holds for the part comes in at once, its own
    // panel or viewer last: that shows it, with its contents in place.
    for (std::size_t i = 1; i < built.size(); ++i)
        built[i]->apply();
    showView(*built.front());
    describeForAccessibility(built.front()->widget());
}

void Form1::showView(ControlView& view)
{
    view.apply();
    const Control& shown = view.control();
    if (&shown != &model().infotext && &shown != &model().Frame1)
        return;
    stackCovers();
    // The focus does not stay behind the panel: Import has it, after a key.
    if (&shown == &model().Frame1 && model().Frame1.visible())
        focus_.leaveCovered(focusWidget());
}

void Form1::stackCovers()
{
    const auto raiseIfShown = [this](const Control& cover) {
        if (ControlView* view = viewOf(cover); view && cover.visible())
            view->widget().raise();
    };
    raiseIfShown(model().infotext);
    raiseIfShown(model().Frame1);
}

bool Form1::focusNextPrevChild(bool next)
{
    QWidget* to = focus_.next(focusWidget(), next);
    if (to)
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return to != nullptr;
}

void Form1::route(const std::function<void(FormController&)>& handler)
{
    // An exception thrown through Qt's event loop ends the program; here is
    // the one place every event passes, so what fails stays with the event.
    try {
        handler(*controller_);
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

void Form1::paintNow(const Control& control)
{
    buildShownParts();
    if (ControlView* view = viewOf(control)) {
        view->apply();
        view->widget().repaint();
    }
}

void Form1::refresh()
{
    if (refreshing_)
        return;
    refreshing_ = true;
    buildShownParts();
    for (Control* control : model().controls())
        if (control->takeChanged())
            if (ControlView* view = viewOf(*control))
                showView(*view);
    for (GridView* grid : grids_)
        grid->apply();
    refreshing_ = false;
}
