// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace ravelin {

// Has a screen reader say the words of an event while the focus stays where
// it is: they reach it as news of the object that has the focus (the widget,
// or the cell of a grid), which a reader speaks at once. Without a screen
// reader listening nothing is sent.
void sayToScreenReader(QWidget& focused, const QString& words);

} // namespace ravelin
