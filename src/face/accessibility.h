// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QWidget;

namespace ravelin {

// Gives every control of the window an accessible name and description, so
// that a screen reader can tell the user what each one is. The name is the
// control's caption, or a German description for boxes, lists and grids; the
// description is the control's tool tip without its surrounding blanks.
// Buttons whose caption changes while the program runs are named by their
// role, so their name stays the same.
// The grids' columns are named by their headings, the rows of the number grids
// by their number.
void describeForAccessibility(QWidget& window);

// A display box (counters, the number, the rotation, the first-double boxes)
// is named by its role followed by the value it shows, so that a reader hears
// the value; called again whenever the box's text changes. Other labels keep
// their name.
void nameWithValue(QLabel& box);

} // namespace ravelin
