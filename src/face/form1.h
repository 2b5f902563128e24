// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Data flow of the window, one thread, one event at a time:
//   user event on a widget
//     -> Form1 routes it to one handler of the FormController
//     -> the handler changes the FormModel (controls, grids, session state),
//        re-entering text-box and option handling synchronously
//     -> Form1::refresh() mirrors what changed into the widgets, in one batch.
// Form1 holds no rules of its own.

#include "face/placement.h"
#include "wiring/form_controller.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QGroupBox;
class QComboBox;
class QListWidget;
class QTextBrowser;
class QFrame;

namespace ravelin {
class GridTableModel;
}

class Form1 : public QWidget {
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

    // Brings every widget whose control changed up to date.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Shift+Tab walk the focus order, whatever widget has the focus.
    bool focusNextPrevChild(bool next) override;

private:
    struct OwnPlatform;
    Form1(std::unique_ptr<OwnPlatform> own, ravelin::SpinSource* spins,
          ravelin::Confirmation* confirmation, ravelin::FileSystem* files, QWidget* parent);

    // Makes the widgets of one part of the window, as its rows place them.
    void buildPart(ravelin::WindowPart part);
    // The import panel and the info viewer are made when the model first
    // shows them: most sessions never open either.
    void buildShownParts();
    void buildLate(ravelin::WindowPart part);
    void build(const ravelin::Placement& row, QWidget* parent);
    void buildShape(const ravelin::Placement& row);
    void buildLabel(const ravelin::Placement& row, QWidget* parent);
    void buildButton(const ravelin::Placement& row, QWidget* parent);
    void buildTextBox(const ravelin::Placement& row);
    void buildOption(const ravelin::Placement& row);
    void buildGrid(const ravelin::Placement& row);
    void buildViewer(const ravelin::Placement& row);
    void buildFrame(const ravelin::Placement& row);
    void buildDriveList(const ravelin::Placement& row, QWidget* parent);
    void buildFileList(const ravelin::Placement& row, QWidget* parent);
    // Keeps a control's widget and what the window does when the control changed.
    void keep(ravelin::Control& control, QWidget* widget, std::function<void()> apply);
    void setFocusOrder();
    bool takesTabFocus(QWidget* widget) const;
    // An arrow key on an option: the next option on screen is chosen.
    void moveOption(int index, int step);
    // Runs one handler, then refreshes the window and ends it if asked to.
    template <typename Handler> void route(Handler&& handler);

    void applyLabel(ravelin::Label& label, QLabel* widget);
    void applyButton(ravelin::Button& button, QPushButton* widget);
    void applyTextBox(ravelin::TextBox& box, QLineEdit* widget);
    void applyOptions();
    void applyLists(ravelin::Control& control);
    void applyHiddenLists();
    void applyViewer();
    void applyGrid(ravelin::GridTableModel& model, QTableView* view);

    std::unique_ptr<OwnPlatform> own_;
    std::unique_ptr<ravelin::FormController> controller_;

    // What the window does with each control when it changed, and its widget.
    std::unordered_map<const ravelin::Control*, std::function<void()>> appliers_;
    // The import panel's folder or file list changed while it was hidden.
    bool listsAwaitPanel_ = false;
    std::unordered_map<const ravelin::Control*, QWidget*> widgets_;
    // The controls of the part being built, in the order of its rows.
    std::vector<ravelin::Control*> justBuilt_;
    QRadioButton* options_[ravelin::OptionGroup::count] = {};
    // In the order they are refreshed: the frequencies, the first spins, the log.
    std::vector<std::pair<ravelin::GridTableModel*, QTableView*>> grids_;
    // The frequency grid: its clicks act on release.
    QTableView* tabelle1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QComboBox* drive1_ = nullptr;
    QListWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    QTextBrowser* infotext_ = nullptr;
    QFrame* shape1_ = nullptr;
    bool refreshing_ = false;
    std::vector<QWidget*> focusOrder_;
    // The release that ends a double-click in the frequency grid: its
    // first click has toggled already.
    bool dropNextRelease_ = false;
};
