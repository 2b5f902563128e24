#pragma once

class QWidget;

namespace ravelin {

// Gives every control of the window an accessible name and description, so
// that a screen reader can tell the user what each one is. The name is the
// control's caption, or a German description for boxes, lists and grids; the
// description is the control's tool tip without its surrounding blanks.
// Buttons whose caption changes while the program runs are named by their
// role, so their name stays the same.
void describeForAccessibility(QWidget& window);

} // namespace ravelin
