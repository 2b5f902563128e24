// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ravelin {

// The window's client area: its colour, face and fixed size.
void dressClientArea(QWidget& area);

// A window of the program: its title and icon, and a frame that offers no
// maximize, as the window keeps its size.
void dressWindow(QWidget& window);

} // namespace ravelin
