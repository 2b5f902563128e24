// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ravelin {

class Control;

// One widget of the window and what it shows. A view owns its widget; the
// window destroys its views, and so their widgets, before the model.
class View {
public:
    virtual ~View() = default;

    virtual QWidget& widget() = 0;
    // Shows what changed in the model since the last time.
    virtual void apply() = 0;
    // Whether the view holds something a person can copy while it has the
    // focus, and puts it on the clipboard.
    virtual bool copies() const { return false; }
    virtual void copy() {}
};

// The view of one control of the model, which it knows by its real type. It
// shows the control's state and hands the widget's user events to the
// controller through the event route.
class ControlView : public View {
public:
    virtual const Control& control() const = 0;
};

} // namespace ravelin
