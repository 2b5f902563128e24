// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin {

class Control;

// The screen's way of showing one control at once, in the middle of a
// handler, before the rest of the window catches up.
class PaintNow {
public:
    virtual void paintNow(const Control& control) = 0;

protected:
    ~PaintNow() = default;
};

} // namespace ravelin
