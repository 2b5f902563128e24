// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/event_route.h"
#include "face/placement.h"
#include "face/view.h"

#include <QLineEdit>

#include <memory>

namespace ravelin {

// A single-line text box: what the user types goes to the controller at
// once; what the handling left in the box comes back.
class TextBoxView : public ControlView {
public:
    TextBoxView(const TextBoxRow& row, QWidget& parent, EventRoute& route);

    const Control& control() const override { return box_; }
    QWidget& widget() override { return *widget_; }
    QLineEdit& lineEdit() { return *widget_; }
    // Its selection, as its own Ctrl+C copies it.
    bool copies() const override { return true; }
    void copy() override { widget_->copy(); }
    void apply() override;

private:
    const TextBox& box_;
    std::unique_ptr<QLineEdit> widget_;
};

} // namespace ravelin
