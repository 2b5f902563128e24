// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/drive_box_accessible.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace ravelin {

DriveBoxAccessible::DriveBoxAccessible(QComboBox& box)
    : QAccessibleWidget(&box, QAccessible::ComboBox)
{
}

QComboBox& DriveBoxAccessible::box() const { return *static_cast<QComboBox*>(widget()); }

void* DriveBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State DriveBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.hasPopup = true;
    state.readOnly = true;
    const bool open = box().view()->isVisible();
    state.expanded = open;
    state.collapsed = !open;
    return state;
}

QString DriveBoxAccessible::text(QAccessible::Text which) const
{
    if (which == QAccessible::Value)
        return box().currentText();
    return QAccessibleWidget::text(which);
}

int DriveBoxAccessible::childCount() const { return 1; }

QAccessibleInterface* DriveBoxAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(box().view()) : nullptr;
}

int DriveBoxAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && child->object() == box().view() ? 0 : -1;
}

QStringList DriveBoxAccessible::actionNames() const
{
    return {QAccessibleActionInterface::showMenuAction(),
            QAccessibleActionInterface::pressAction()};
}

void DriveBoxAccessible::doAction(const QString& actionName)
{
    if (actionName == QAccessibleActionInterface::showMenuAction() ||
        actionName == QAccessibleActionInterface::pressAction()) {
        if (box().view()->isVisible())
            box().hidePopup();
        else
            box().showPopup();
    }
}

void DriveBoxAccessible::selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString DriveBoxAccessible::text(int startOffset, int endOffset) const
{
    return box().currentText().mid(startOffset, endOffset - startOffset);
}

int DriveBoxAccessible::characterCount() const
{
    return static_cast<int>(box().currentText().size());
}

// The drive stands in the box as a whole: every character at its place.
QRect DriveBoxAccessible::characterRect(int /*offset*/) const { return rect(); }

int DriveBoxAccessible::offsetAtPoint(const QPoint& point) const
{
    return rect().contains(point) ? 0 : -1;
}

QString DriveBoxAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace ravelin
