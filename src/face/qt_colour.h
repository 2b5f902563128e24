// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/colour.h"

#include <QColor>

namespace ravelin {

// A colour of its own, as opposed to 0 or the desktop's window colour,
// both of which stand for the control's standard look.
inline bool hasOwnColour(Colour c)
{
    return c != colour::standard && c != colour::windowBackground;
}

inline QColor toQColor(Colour c)
{
    return QColor(static_cast<int>(redOf(c)), static_cast<int>(greenOf(c)),
                  static_cast<int>(blueOf(c)));
}

} // namespace ravelin
