// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/covers.h"

#include <QVariant>
#include <QWidget>

namespace ravelin {

namespace {
constexpr const char* coverProperty = "ravelinStandsOver";
} // namespace

void standsOver(QWidget& cover) { cover.setProperty(coverProperty, true); }

bool coveredWhole(const QWidget& widget)
{
    // A cover stands beside the widget or beside one of its ancestors.
    for (const QWidget* holder = widget.parentWidget(); holder; holder = holder->parentWidget()) {
        const QRect area(widget.mapTo(holder, QPoint(0, 0)), widget.size());
        for (const QObject* child : holder->children()) {
            const auto* cover = qobject_cast<const QWidget*>(child);
            if (!cover || cover == &widget || !cover->property(coverProperty).toBool() ||
                !cover->isVisible() || cover->isAncestorOf(&widget))
                continue;
            if (cover->geometry().contains(area))
                return true;
        }
        if (holder->isWindow())
            break;
    }
    return false;
}

} // namespace ravelin
