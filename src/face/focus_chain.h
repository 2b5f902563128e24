// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QWidget;

namespace ravelin {

class Control;
class OptionGroup;
struct FormModel;

// One stop of the Tab order: a control, or one option of a group.
class FocusStop {
public:
    FocusStop(const Control& control) : control_(&control) {}
    FocusStop(const OptionGroup& group, int option);

    bool operator==(const FocusStop&) const = default;
    bool isOption() const { return option_ >= 0; }

private:
    const Control* control_;
    int option_ = -1;
};

// The Tab order of the window as designed.
std::vector<FocusStop> windowFocusOrder(const FormModel& form);

// Where the focus goes when the widget that holds it is disabled or hidden:
// to the first stop of `to` that takes it.
struct FocusLanding {
    FocusStop from;
    std::vector<FocusStop> to;
};

// The window's landings. The focus never slides onto "Ende" or "Abbruch":
// a Space meant for the button before would open their question, and the
// next one answer it Yes.
std::vector<FocusLanding> windowFocusLandings(const FormModel& form);

// Where Tab and Shift+Tab go, whatever widget has the focus. A stop is
// passed over while it is disabled or hidden, or while a panel shown over
// it covers it whole; an option group is one stop, its chosen option.
class FocusChain {
public:
    explicit FocusChain(const std::vector<FocusStop>& order,
                        std::vector<FocusLanding> landings = {});

    // The widget that stands for a stop, once it is made.
    void place(const FocusStop& stop, QWidget& widget);
    // Gives the toolkit the same order, for where it moves the focus itself.
    void link() const;

    bool takesTabFocus(const QWidget& widget) const;
    // The next stop from `from` (or from within it) that takes the focus; from
    // a widget outside the chain, the first or the last.
    QWidget* next(const QWidget* from, bool forward) const;
    // Gives the stop the focus, if it takes it now.
    void moveTo(const FocusStop& stop) const;
    // A panel came up over the widget with the focus: the focus goes on to
    // the next stop that takes it.
    void leaveCovered(QWidget* focused) const;
    // Whether the widget with the focus was disabled or hidden.
    static bool isStranded(const QWidget* focused);
    // Moves the focus on from a widget that a change disabled or hid while
    // it had it: to the first stop of its landing that takes it, else to the
    // next stop. Once the focus has gone elsewhere, nothing is done.
    void land(QWidget* stranded) const;

private:
    struct Placed {
        FocusStop stop;
        QWidget* widget = nullptr;
    };
    // The stop that `widget` stands for, or that holds it.
    const Placed* stopOf(const QWidget* widget) const;
    QWidget* widgetOf(const FocusStop& stop) const;

    std::vector<Placed> stops_;
    std::vector<FocusLanding> landings_;
};

} // namespace ravelin
