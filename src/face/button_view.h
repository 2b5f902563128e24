// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/event_route.h"
#include "face/placement.h"
#include "face/view.h"

#include <QObject>
#include <QPushButton>

#include <memory>

namespace ravelin {

// A push button: its caption and colour, and its click; for a reader, the
// caption it shows and the state its colour shows. Return and the keypad's
// Enter press it while it has the focus, as Space does; no button is a
// default, so neither key presses one from elsewhere.
class ButtonView : public QObject, public ControlView {
public:
    ButtonView(const ButtonRow& row, QWidget& parent, EventRoute& route);
    ~ButtonView() override;

    const Control& control() const override { return button_; }
    QWidget& widget() override { return *widget_; }
    void apply() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Button& button_;
    const bool namedByCaption_;
    std::string_view (*const colourSays_)(Colour);
    std::unique_ptr<QPushButton> widget_;
};

} // namespace ravelin
