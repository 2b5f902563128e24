// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Data flow of the window, one thread, one event at a time:
//   user event on a widget
//     -> Form1 routes it to one handler of the FormController
//     -> the handler changes the FormModel (controls, grids, session state),
//        re-entering text-box and option handling synchronously
//     -> Form1::refresh() mirrors what changed into the widgets, in one batch.
// Form1 holds no rules of its own.

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

    void buildWidgets();
    void connectEvents();
    void setFocusOrder();
    bool takesTabFocus(QWidget* widget) const;
    // An arrow key on an option: the next option on screen is chosen.
    void moveOption(int index, int step);
    // Runs one handler, then refreshes the window and ends it if asked to.
    template <typename Handler> void route(Handler&& handler);

    void applyControl(ravelin::Control& control);
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
    std::vector<std::pair<ravelin::Label*, QLabel*>> labels_;
    std::vector<std::pair<ravelin::Button*, QPushButton*>> buttons_;
    QLabel* lakutWidget_ = nullptr;
    QLineEdit* textanzahl_ = nullptr;
    QLineEdit* haltbei_ = nullptr;
    QRadioButton* options_[4] = {};
    QTableView* tabelle1_ = nullptr;
    QTableView* tabelle2_ = nullptr;
    QTableView* tabelle3_ = nullptr;
    ravelin::GridTableModel* grid1_ = nullptr;
    ravelin::GridTableModel* grid2_ = nullptr;
    ravelin::GridTableModel* grid3_ = nullptr;
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
