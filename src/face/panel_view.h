// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/panel_list_view.h"
#include "face/placement.h"
#include "face/view.h"

#include <QGroupBox>

#include <functional>
#include <memory>
#include <vector>

namespace ravelin {

// The import panel: a framed box over the right column that holds the lists
// and its two buttons. Escape within it closes it, as its "Abbr." does.
class PanelView : public ControlView {
public:
    PanelView(const FrameRow& row, QWidget& parent, std::function<void()> escape);

    const Control& control() const override { return frame_; }
    const Frame& frame() const { return frame_; }
    QWidget& widget() override { return *widget_; }
    void apply() override;
    // A list within the panel, brought up to date whenever the panel shows.
    void holds(PanelListView& list) { lists_.push_back(&list); }

private:
    const Frame& frame_;
    std::unique_ptr<QGroupBox> widget_;
    std::vector<PanelListView*> lists_;
};

} // namespace ravelin
