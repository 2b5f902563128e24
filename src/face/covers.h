// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ravelin {

// The import panel and the info viewer stand over columns of the window
// while they show. What they cover whole is out of the user's reach: Tab
// passes it over, and a reader does not find it showing.
void standsOver(QWidget& cover);
bool coveredWhole(const QWidget& widget);

} // namespace ravelin
