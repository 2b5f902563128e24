// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/column_control_accessible.h"

#include "face/covers.h"

#include <QWidget>

namespace ravelin {

ColumnControlAccessible::ColumnControlAccessible(QAccessibleInterface& own) : own_(own) {}

ColumnControlAccessible::~ColumnControlAccessible()
{
    // Qt keeps its own interface among those it knows, and lets go of it here.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(&own_));
}

QAccessible::State ColumnControlAccessible::state() const
{
    QAccessible::State state = own_.state();
    const auto* widget = qobject_cast<const QWidget*>(own_.object());
    if (widget && coveredWhole(*widget))
        state.offscreen = true;
    return state;
}

} // namespace ravelin
