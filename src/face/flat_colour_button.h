// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace ravelin {

// A push button whose face is its palette's button colour, flat, in every
// state: the style's shading would wash out the colour a person reads the
// run's state from. The caption is black on it while it can be pressed and
// in the disabled text colour while it cannot; a dotted line within the
// edge shows the focus, a doubled edge the press.
class FlatColourButton : public QPushButton {
public:
    explicit FlatColourButton(QWidget* parent) : QPushButton(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ravelin
