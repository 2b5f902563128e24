// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/view.h"
#include "window/controls.h"

namespace ravelin {

// A list of the import panel. It is filled, icons and all, only while the
// panel shows it: what changes while the panel is hidden waits for it.
class PanelListView : public ControlView {
public:
    explicit PanelListView(const Frame& panel) : panel_(panel) {}

    void apply() final
    {
        if (!panel_.visible()) {
            stale_ = true;
            return;
        }
        stale_ = false;
        fill();
    }
    // The panel came up: what changed while it was hidden is shown now.
    void catchUp()
    {
        if (stale_)
            apply();
    }

protected:
    virtual void fill() = 0;

private:
    const Frame& panel_;
    bool stale_ = false;
};

} // namespace ravelin
