// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Data flow of the window, one thread, one event at a time:
//   user event on a widget
//     -> its view routes it to one handler of the FormController
//     -> the handler changes the FormModel (controls, grids, session state),
//        whose change handling runs at once, inside the handler
//     -> Form1::refresh() has every view whose control changed show it, in one batch.
// Form1 holds no rules of its own: it assembles the views and runs the events.

#include "face/event_route.h"
#include "face/focus_chain.h"
#include "face/window_actions.h"
#include "face/window_layout.h"
#include "tally/permanence_tally.h"
#include "window/paint_now.h"
#include "wiring/form_controller.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <unordered_map>
#include <vector>

namespace ravelin {
class View;
class ControlView;
class DistributionWindow;
class TallyCommand;
} // namespace ravelin

class Form1 : public QWidget, private ravelin::EventRoute, private ravelin::PaintNow {
    Q_OBJECT

public:
    // The program itself: clock-seeded spins, message boxes, the real files.
    explicit Form1(QWidget* parent = nullptr);
    // With the platform's parts supplied from outside, for tests.
    Form1(ravelin::SpinSource& spins, ravelin::Confirmation& confirmation,
          ravelin::FileSystem& files, QWidget* parent = nullptr);
    ~Form1() override;

    ravelin::FormController& controller() { return *controller_; }
    ravelin::FormModel& model() { return controller_->form(); }

    // Has every view whose control changed show it.
    void refresh();
    // The control's view, once its part of the window is made.
    ravelin::ControlView* viewOf(const ravelin::Control& control) const;
    ravelin::WindowActions& actions() { return *actions_; }
    ravelin::TallyCommand& tally() { return *tally_; }

protected:
    // Tab and Shift+Tab walk the focus order, whatever widget has the focus.
    bool focusNextPrevChild(bool next) override;

private:
    struct OwnPlatform;
    Form1(std::unique_ptr<OwnPlatform> own, ravelin::SpinSource* spins,
          ravelin::Confirmation* confirmation, ravelin::FileSystem* files, QWidget* parent);

    // Runs one handler, then refreshes the window and ends it if asked to.
    void route(const std::function<void(ravelin::FormController&)>& handler) override;
    void paintNow(const ravelin::Control& control) override;
    // The control with the focus and what a screen reader calls it, before
    // an event: Qt's bridge announces a new name without the name itself.
    struct SaidBefore {
        QWidget* focused = nullptr;
        QString name;
    };
    SaidBefore whatIsSaid() const;
    // Has a screen reader say what the event just handled changed.
    void sayWhatChanged(const SaidBefore& before);

    // Makes the views of one part of the window, as its rows place them, and
    // returns the controls' views in the order of the rows.
    std::vector<ravelin::ControlView*> buildPart(ravelin::WindowPart part);
    // Keeps a view made; a control's view is found by its control from now
    // on, and its widget stands for the control in the Tab order.
    void keep(std::unique_ptr<ravelin::View> view, std::vector<ravelin::ControlView*>& built);
    // The import panel and the info viewer are made when the model first
    // shows them: most sessions never open either.
    void buildShownParts();
    void buildLate(ravelin::WindowPart part);
    // Has a view show its control; the viewer and the panel come up over
    // the rest, and the focus leaves what the panel covers.
    void showView(ravelin::ControlView& view);
    // The viewer stands over the columns, the panel over all.
    void stackCovers();
    // Gives the guidance box the focus, for a screen reader to read it.
    void readGuidance();
    // Opens the distribution of the run, or raises it.
    void showDistribution();
    void showTally(ravelin::TallyResult tally);
    // The view whose widget has the focus, or holds the widget that has it.
    ravelin::View* focusedView() const;

    std::unique_ptr<OwnPlatform> own_;
    std::unique_ptr<ravelin::FormController> controller_;
    ravelin::FocusChain focus_;
    // Declared after the model, so destroyed before it; in ~Form1 the last
    // made goes first, so that no widget outlives the panel it stands in.
    std::vector<std::unique_ptr<ravelin::View>> views_;
    std::unordered_map<const ravelin::Control*, ravelin::ControlView*> viewOf_;
    std::unique_ptr<ravelin::WindowActions> actions_;
    // Made when first asked for; it follows the frequency grid while shown.
    std::unique_ptr<ravelin::DistributionWindow> distribution_;
    // Declared after the platform's files, which a running tally reads.
    std::unique_ptr<ravelin::TallyCommand> tally_;
    bool refreshing_ = false;
    // Whether a handler runs: an event its own changes raise (a grid the
    // refresh scrolls) runs inside it, and the one refresh after it shows both.
    bool routing_ = false;
    // The widget a change disabled or hid while it had the focus.
    QWidget* stranded_ = nullptr;
    // The control the guidance box's key was pressed on; Tab goes back there.
    QPointer<QWidget> leftForGuidance_;
};
