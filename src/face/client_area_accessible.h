// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QList>

namespace ravelin {

// The window's client area as a reader finds it: its controls, without
// what is only drawn, such as the outline round the right column.
class ClientAreaAccessible : public QAccessibleWidget {
public:
    ClientAreaAccessible(QWidget& area, QAccessible::Role role);

    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QWidget*> controls() const;
};

// A widget that is only drawn, no accessibility object: its client area
// leaves it out.
void onlyDrawn(QWidget& widget);

} // namespace ravelin
