// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ravelin {

// The window itself: its title, icon, colour and face, and its fixed size,
// which offers no maximize.
void dressWindow(QWidget& window);

} // namespace ravelin
