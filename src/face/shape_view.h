// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/placement.h"
#include "face/view.h"

#include <QFrame>

#include <memory>

namespace ravelin {

// The line round the right column. It shows no control and never changes.
class ShapeView : public View {
public:
    ShapeView(const ShapeRow& row, QWidget& parent);

    QWidget& widget() override { return *widget_; }
    void apply() override {}

private:
    std::unique_ptr<QFrame> widget_;
};

} // namespace ravelin
