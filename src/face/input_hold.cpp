// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/input_hold.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ravelin {

namespace {
bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        return true;
    default:
        return false;
    }
}
} // namespace

InputHold::InputHold() { qApp->installEventFilter(this); }

InputHold::~InputHold() { qApp->removeEventFilter(this); }

bool InputHold::eventFilter(QObject* receiver, QEvent* event)
{
    // A window hands its input on to its widgets: the hold stands there.
    if (!isInput(event->type()) || receiver->isWindowType())
        return false;
    // A shortcut belongs where its owner stands: the dialog's Escape is its own.
    const QObject* owner = receiver;
    while (owner && !owner->isWidgetType())
        owner = owner->parent();
    const auto* widget = static_cast<const QWidget*>(owner);
    const bool inDialog = widget && dialog_ && (widget == dialog_ || dialog_->isAncestorOf(widget));
    return !inDialog;
}

} // namespace ravelin
