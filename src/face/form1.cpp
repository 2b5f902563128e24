// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/form1.h"

#include "face/accessibility.h"
#include "face/accessible_factory.h"
#include "face/distribution_window.h"
#include "face/make_view.h"
#include "face/message_box_confirmation.h"
#include "face/screen_reader_speech.h"
#include "face/tally_command.h"
#include "face/view.h"
#include "face/view_support.h"
#include "face/window_frame.h"
#include "platform/clock_spin_source.h"
#include "platform/real_file_system.h"

#include <QAccessible>
#include <QApplication>
#include <QStringList>

#include <exception>
#include <utility>
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
      focus_(windowFocusOrder(controller_->form()), windowFocusLandings(controller_->form()))
{
    setObjectName(QStringLiteral("Form1"));
    // Shown on its own, the client area is the window; in the program's
    // main window it stands below the menu bar.
    exposeAs(*this, parent ? AccessibleAs::clientArea : AccessibleAs::window);
    if (!parent)
        dressWindow(*this);
    dressClientArea(*this);

    buildPart(WindowPart::columns);
    focus_.link();
    tally_ = std::make_unique<TallyCommand>(
        *this, own_ ? own_->files : *files,
        TallyCommand::Hooks{
            .startFolder = [this] { return model().permanenceFolder; },
            .chosenIn = [this](const std::string& folder) { model().permanenceFolder = folder; },
            .show = [this](TallyResult tally) { showTally(std::move(tally)); }});
    actions_ = std::make_unique<WindowActions>(
        *this, static_cast<EventRoute&>(*this),
        WindowActions::Commands{.copyFocused =
                                    [this] {
                                        if (View* view = focusedView())
                                            view->copy();
                                    },
                                .copyable =
                                    [this] {
                                        const View* view = focusedView();
                                        return view && view->copies();
                                    },
                                .showDistribution = [this] { showDistribution(); },
                                .tallyPermanences = [this] { tally_->choose(); },
                                .readGuidance = [this] { readGuidance(); }});
    // The copy follows the focus from view to view.
    connect(qApp, &QApplication::focusChanged, this, [this] { actions_->apply(model()); });
    model().paintNow = this;

    // Everything is shown once as designed and started; later refreshes show changes only.
    for (const auto& view : views_)
        view->apply();
    refresh();
    describeForAccessibility(*this);
    viewOf(model().textanzahl)->widget().setFocus();
}

Form1::~Form1()
{
    model().paintNow = nullptr;
    disconnect(qApp, nullptr, this, nullptr);
    tally_.reset();
    distribution_.reset();
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
    ViewSite site{this, *this, focus_, palette().color(QPalette::Button)};
    for (const Placement& row : layoutOf(part, model()))
        keep(std::visit([&site](const auto& r) { return makeView(r, site); }, row), built);
    return built;
}

void Form1::keep(std::unique_ptr<View> view, std::vector<ControlView*>& built)
{
    if (auto* shows = dynamic_cast<ControlView*>(view.get())) {
        viewOf_[&shows->control()] = shows;
        focus_.place(shows->control(), shows->widget());
        built.push_back(shows);
    }
    views_.push_back(std::move(view));
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

void Form1::showDistribution()
{
    if (!distribution_)
        distribution_ = std::make_unique<DistributionWindow>(model(), this);
    distribution_->follow();
    distribution_->show();
    distribution_->raise();
    distribution_->activateWindow();
}

void Form1::showTally(TallyResult tally)
{
    showDistribution();
    distribution_->showTally(std::move(tally));
}

View* Form1::focusedView() const
{
    const QWidget* focused = focusWidget();
    for (const auto& view : views_)
        if (focused && (&view->widget() == focused || view->widget().isAncestorOf(focused)))
            return view.get();
    return nullptr;
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

void Form1::readGuidance()
{
    ControlView* view = viewOf(model().text);
    if (!view)
        return;
    QWidget& guidance = view->widget();
    if (focusWidget() != &guidance)
        leftForGuidance_ = focusWidget();
    // Only this key takes the box: no Tab and no click stop there.
    guidance.setFocusPolicy(Qt::TabFocus);
    guidance.setFocus(Qt::ShortcutFocusReason);
    // A reader names a box it comes to, but does not read it out.
    sayToScreenReader(guidance, fromModel(model().text.caption()).simplified());
}

bool Form1::focusNextPrevChild(bool next)
{
    // From the guidance box, back to the control the key was pressed on.
    if (ControlView* guidance = viewOf(model().text);
        guidance && focusWidget() == &guidance->widget()) {
        QWidget* back = leftForGuidance_;
        if (!back || !focus_.takesTabFocus(*back))
            back = focus_.next(nullptr, next);
        if (back)
            back->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return back != nullptr;
    }
    // Disabled or hidden with the focus: it lands once the whole change shows.
    if (FocusChain::isStranded(focusWidget())) {
        stranded_ = focusWidget();
        if (!refreshing_)
            focus_.land(std::exchange(stranded_, nullptr));
        return true;
    }
    QWidget* to = focus_.next(focusWidget(), next);
    if (to)
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return to != nullptr;
}

void Form1::route(const std::function<void(FormController&)>& handler)
{
    // An exception thrown through Qt's event loop ends the program; here is
    // the one place every event passes, so what fails stays with the event.
    if (routing_) {
        handler(*controller_);
        return;
    }
    try {
        const SaidBefore before = whatIsSaid();
        routing_ = true;
        handler(*controller_);
        routing_ = false;
        refresh();
        sayWhatChanged(before);
    } catch (const std::exception& e) {
        qWarning("Ravelin: an event failed: %s", e.what());
        routing_ = refreshing_ = false;
    } catch (...) {
        qWarning("Ravelin: an event failed");
        routing_ = refreshing_ = false;
    }
    if (controller_->quitRequested()) {
        if (distribution_)
            distribution_->close();
        window()->close();
    }
}

Form1::SaidBefore Form1::whatIsSaid() const
{
    SaidBefore said{window()->focusWidget(), {}};
    if (said.focused && QAccessible::isActive())
        if (QAccessibleInterface* object = QAccessible::queryAccessibleInterface(said.focused))
            said.name = object->text(QAccessible::Name);
    return said;
}

void Form1::sayWhatChanged(const SaidBefore& before)
{
    // Said where the focus ends, once the whole change shows: the new name of
    // the control that kept the focus ("Ende Info"), then the event's words.
    const std::string words = model().announcement.take();
    QWidget* focused = window()->focusWidget();
    if (!focused || !QAccessible::isActive())
        return;
    QStringList said;
    if (focused == before.focused && !before.name.isNull())
        if (const SaidBefore now = whatIsSaid(); now.name != before.name && !now.name.isEmpty())
            said << now.name;
    if (!words.empty())
        said << fromModel(words);
    if (!said.isEmpty())
        sayToScreenReader(*focused, said.join(QStringLiteral(". ")));
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
    focus_.land(std::exchange(stranded_, nullptr));
    actions_->apply(model());
    if (distribution_ && distribution_->isVisible())
        distribution_->follow();
    refreshing_ = false;
}
