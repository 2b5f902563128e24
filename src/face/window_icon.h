// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ravelin {

// The program's own picture: a wheel of red and black pockets around a green
// hub, painted at any size.
QPixmap paintRavelinIcon(int size);
QIcon ravelinIcon();

} // namespace ravelin
