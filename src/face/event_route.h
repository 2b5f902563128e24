// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace ravelin {

class FormController;

// The one way a user's event reaches the handlers: the window runs the
// handler, then shows what it changed.
class EventRoute {
public:
    virtual void route(const std::function<void(FormController&)>& handler) = 0;

protected:
    ~EventRoute() = default;
};

} // namespace ravelin
