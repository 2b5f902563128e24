// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/accessible_factory.h"

#include "face/client_area_accessible.h"
#include "face/column_control_accessible.h"
#include "face/drive_box_accessible.h"
#include "face/read_only_document_accessible.h"
#include "face/spin_log_accessible.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QTableView>
#include <QTextEdit>
#include <QVariant>

#include <utility>

namespace ravelin {

namespace {

// The property that tells the factory which interface a widget takes.
constexpr const char* accessibleAsProperty = "ravelinAccessibleAs";

// The widget whose interface Qt's own factories make just now.
const QObject* standingAsideFor = nullptr;

// Qt's own interface of a widget, made while this factory stands aside;
// making it may ask for another widget's interface in turn.
QAccessibleInterface* qtOwnInterface(QObject* object)
{
    const QObject* asideBefore = std::exchange(standingAsideFor, object);
    QAccessibleInterface* own = QAccessible::queryAccessibleInterface(object);
    standingAsideFor = asideBefore;
    return own;
}

QVariant kindOf(const QObject* object) { return object->property(accessibleAsProperty); }

bool holdsColumns(const QWidget* widget)
{
    if (!widget)
        return false;
    const QVariant kind = kindOf(widget);
    return kind.isValid() && (static_cast<AccessibleAs>(kind.toInt()) == AccessibleAs::window ||
                              static_cast<AccessibleAs>(kind.toInt()) == AccessibleAs::clientArea);
}

QAccessibleInterface* ownKindFor(QWidget* widget, AccessibleAs kind)
{
    switch (kind) {
    case AccessibleAs::window:
        return new ClientAreaAccessible(*widget, QAccessible::Window);
    case AccessibleAs::clientArea:
        return new ClientAreaAccessible(*widget, QAccessible::Client);
    case AccessibleAs::readOnlyDocument:
        if (auto* viewer = qobject_cast<QTextEdit*>(widget))
            return new ReadOnlyDocumentAccessible(*viewer);
        break;
    case AccessibleAs::driveBox:
        if (auto* box = qobject_cast<QComboBox*>(widget))
            return new DriveBoxAccessible(*box);
        break;
    case AccessibleAs::spinLog:
        if (auto* log = qobject_cast<QTableView*>(widget))
            if (QAccessibleInterface* own = qtOwnInterface(widget))
                return new SpinLogAccessible(*own, *log);
        break;
    }
    return nullptr;
}

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object)
{
    if (!object || !object->isWidgetType() || object == standingAsideFor)
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const QVariant kind = kindOf(widget);
    if (kind.isValid())
        return ownKindFor(widget, static_cast<AccessibleAs>(kind.toInt()));
    if (!holdsColumns(widget->parentWidget()))
        return nullptr;
    QAccessibleInterface* own = qtOwnInterface(widget);
    return own ? new ColumnControlAccessible(*own) : nullptr;
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
