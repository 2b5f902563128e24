// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/event_route.h"
#include "face/placement.h"
#include "face/view.h"

#include <QPushButton>

#include <memory>

namespace ravelin {

// A push button: its caption and colour, and its click; for a reader, the
// caption it shows and the state its colour shows.
class ButtonView : public ControlView {
public:
    ButtonView(const ButtonRow& row, QWidget& parent, EventRoute& route);

    const Control& control() const override { return button_; }
    QWidget& widget() override { return *widget_; }
    void apply() override;

private:
    const Button& button_;
    const bool namedByCaption_;
    std::string_view (*const colourSays_)(Colour);
    std::unique_ptr<QPushButton> widget_;
};

} // namespace ravelin
