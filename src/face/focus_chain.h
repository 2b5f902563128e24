// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QWidget;

namespace ravelin {

class Control;
class GridModel;
class OptionGroup;
struct FormModel;

// One stop of the Tab order: a control, a grid, or one option of a group.
class FocusStop {
public:
    FocusStop(const Control& control) : shown_(&control) {}
    FocusStop(const GridModel& grid) : shown_(&grid) {}
    FocusStop(const OptionGroup& group, int option);

    bool operator==(const FocusStop&) const = default;
    bool isOption() const { return option_ >= 0; }

private:
    const void* shown_;
    int option_ = -1;
};

// The Tab order of the window as designed.
std::vector<FocusStop> windowFocusOrder(const FormModel& form);

// Where Tab and Shift+Tab go, whatever widget has the focus. A stop is
// passed over while it is disabled or hidden, or while a panel shown over
// it covers it whole; an option group is one stop, its chosen option.
class FocusChain {
public:
    explicit FocusChain(const std::vector<FocusStop>& order);

    // The widget that stands for a stop, once it is made.
    void place(const FocusStop& stop, QWidget& widget);
    // A panel that, while it is shown, keeps Tab from what it covers whole.
    void addCover(QWidget& cover);
    // Gives the toolkit the same order, for where it moves the focus itself.
    void link() const;

    bool takesTabFocus(const QWidget& widget) const;
    // The next stop from `from` (or from within it) that takes the focus; from
    // a widget outside the chain, the first or the last.
    QWidget* next(const QWidget* from, bool forward) const;
    // A panel came up over the widget with the focus: the focus goes on to
    // the next stop that takes it.
    void leaveCovered(QWidget* focused) const;

private:
    struct Placed {
        FocusStop stop;
        QWidget* widget = nullptr;
    };
    std::vector<Placed> stops_;
    std::vector<QWidget*> covers_;
};

} // namespace ravelin
