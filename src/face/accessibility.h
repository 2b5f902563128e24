// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

class QLabel;
class QString;
class QWidget;

namespace ravelin {

// Names a control by its role: for boxes, lists and grids, whose caption says
// nothing, says it too briefly, or changes while the program runs. Buttons
// named so keep their name whatever caption they show. Nothing without a role.
void nameByRole(QWidget& widget, const char* role);

// Gives every control of a part of the window (the part itself included) not
// named by its role an accessible name from its caption, and every control
// not yet described a description: its tool tip without the surrounding
// blanks. Called once the part's captions are shown.
void describeForAccessibility(QWidget& part);

// A button whose caption changes while the program runs is named by the
// caption it shows now.
void nameByCaption(QWidget& button);

// The description says first the state a control's colour shows, then its
// tool tip.
void describeWithState(QWidget& widget, std::string_view state);

// A control's description, where it differs from the one a reader has:
// every change is announced.
void setDescription(QWidget& widget, const QString& description);

// A display box (counters, the number, the rotation, the first-double boxes)
// is named by its role followed by the value it shows, so that a reader hears
// the value; called again whenever the box's text changes.
void nameWithValue(QLabel& box, const char* role);

// A text box whose text a reader must hear whole is described by it, its
// line breaks read as blanks; called again whenever the text changes.
void describeByText(QLabel& box);

// A grid whose rows stand ready beyond its entries says how many it holds.
void describeEntries(QWidget& grid, int entries);

} // namespace ravelin
