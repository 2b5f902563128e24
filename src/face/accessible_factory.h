// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ravelin {

// Widgets that Qt's own accessible interfaces show a reader as something
// else than they are.
enum class AccessibleAs {
    window,           // the main window: a plain widget, a mere client area to Qt
    clientArea,       // the window's client area below the menu bar
    readOnlyDocument, // the info viewer: a label to Qt
    driveBox,         // the drive box: named by its current entry on Linux by Qt
    spinLog,          // the spin log: thousands of empty rows to Qt
};

// Has a reader find the widget as what it is. Called before anything asks
// for the widget's interface: the first one made is kept. The controls of
// a window or client area so exposed are found not showing while a cover
// stands over them whole.
void exposeAs(QWidget& widget, AccessibleAs kind);

} // namespace ravelin
