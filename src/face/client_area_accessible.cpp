// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/client_area_accessible.h"

#include <QFocusFrame>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace ravelin {

namespace {
constexpr const char* onlyDrawnProperty = "ravelinOnlyDrawn";
} // namespace

void onlyDrawn(QWidget& widget) { widget.setProperty(onlyDrawnProperty, true); }

ClientAreaAccessible::ClientAreaAccessible(QWidget& area, QAccessible::Role role)
    : QAccessibleWidget(&area, role)
{
}

// The children Qt gives a widget, but for those only drawn.
QList<QWidget*> ClientAreaAccessible::controls() const
{
    QList<QWidget*> found;
    for (QObject* child : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || qobject_cast<QFocusFrame*>(w) || qobject_cast<QMenu*>(w) ||
            w->property(onlyDrawnProperty).toBool())
            continue;
        found.append(w);
    }
    return found;
}

QAccessibleInterface* ClientAreaAccessible::child(int index) const
{
    const QList<QWidget*> all = controls();
    return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all.at(index))
                                            : nullptr;
}

int ClientAreaAccessible::childCount() const { return static_cast<int>(controls().size()); }

int ClientAreaAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    return static_cast<int>(controls().indexOf(qobject_cast<QWidget*>(child->object())));
}

} // namespace ravelin
