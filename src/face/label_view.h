// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/placement.h"
#include "face/view.h"

#include <QLabel>

#include <memory>

namespace ravelin {

// A heading, a text or a display box: a caption in its face and colours.
class LabelView : public ControlView {
public:
    LabelView(const LabelRow& row, QWidget& parent);

    const Control& control() const override { return label_; }
    QWidget& widget() override { return *widget_; }
    void apply() override;

private:
    const Label& label_;
    const LabelRow row_;
    std::unique_ptr<QLabel> widget_;
};

} // namespace ravelin
