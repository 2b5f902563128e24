// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/accessible_factory.h"

#include "face/drive_box_accessible.h"
#include "face/read_only_document_accessible.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QTextEdit>
#include <QVariant>

namespace ravelin {

namespace {

// The property that tells the factory which interface a widget takes.
constexpr const char* accessibleAsProperty = "ravelinAccessibleAs";

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant kind = object->property(accessibleAsProperty);
    if (!kind.isValid())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    switch (static_cast<AccessibleAs>(kind.toInt())) {
    case AccessibleAs::window:
        return new QAccessibleWidget(widget, QAccessible::Window);
    case AccessibleAs::readOnlyDocument:
        if (auto* viewer = qobject_cast<QTextEdit*>(widget))
            return new ReadOnlyDocumentAccessible(*viewer);
        break;
    case AccessibleAs::driveBox:
        if (auto* box = qobject_cast<QComboBox*>(widget))
            return new DriveBoxAccessible(*box);
        break;
    }
    return nullptr;
}

} // namespace

void exposeAs(QWidget& widget, AccessibleAs kind)
{
    // Asked before Qt's own factories, which were installed earlier.
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
    widget.setProperty(accessibleAsProperty, static_cast<int>(kind));
}

} // namespace ravelin
