// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <string_view>

namespace ravelin {

namespace {

void setName(QWidget& widget, const QString& name)
{
    // Every new name is announced; an unchanged one need not be.
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
    // A drop-down list's popup is a widget of its own, and takes the focus.
    if (auto* list = qobject_cast<QComboBox*>(&widget))
        list->view()->setAccessibleName(name + QStringLiteral(", Auswahl"));
}

QString captionOf(const QWidget& widget)
{
    QString caption;
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        caption = button->text();
    else if (const auto* label = qobject_cast<const QLabel*>(&widget))
        caption = label->text();
    else if (const auto* box = qobject_cast<const QGroupBox*>(&widget))
        caption = box->title();
    // A caption may break its line; a spoken name does not.
    return caption.simplified();
}

// Qt names a button by the caption it shows and announces each new one; a
// name of the program's own on top would announce every change twice.
bool namedByQt(const QWidget& widget) { return qobject_cast<const QAbstractButton*>(&widget); }

void describe(QWidget& widget)
{
    if (widget.accessibleName().isEmpty() && !namedByQt(widget)) {
        const QString name = captionOf(widget);
        if (!name.isEmpty())
            setName(widget, name);
    }
    // Tool tips carry stray blanks around and inside them; a reader need not
    // say them. A view that describes its widget itself keeps its description.
    const QString description = widget.toolTip().simplified();
    if (!description.isEmpty() && widget.accessibleDescription().isEmpty())
        widget.setAccessibleDescription(description);
}

QString spoken(std::string_view caption)
{
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())).simplified();
}

} // namespace

void nameByRole(QWidget& widget, const char* role)
{
    if (role)
        setName(widget, QString::fromUtf8(role));
}

void describeForAccessibility(QWidget& part)
{
    if (!part.objectName().isEmpty())
        describe(part);
    const auto children = part.findChildren<QWidget*>();
    for (QWidget* widget : children) {
        if (!widget->objectName().isEmpty())
            describe(*widget);
    }
}

void nameByCaption(QWidget& button)
{
    if (namedByQt(button)) {
        if (!button.accessibleName().isEmpty())
            button.setAccessibleName(QString());
        return;
    }
    const QString name = captionOf(button);
    if (!name.isEmpty())
        setName(button, name);
}

void describeWithState(QWidget& widget, std::string_view state)
{
    QString description = spoken(state);
    const QString tip = widget.toolTip().simplified();
    if (!tip.isEmpty())
        description += (description.isEmpty() ? QString() : QStringLiteral(". ")) + tip;
    setDescription(widget, description);
}

void setDescription(QWidget& widget, const QString& description)
{
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
}

void nameWithValue(QLabel& box, const char* role)
{
    QString name = QString::fromUtf8(role);
    const QString value = box.text().simplified();
    if (!value.isEmpty())
        name += QStringLiteral(": ") + value;
    setName(box, name);
}

void describeByText(QLabel& box) { setDescription(box, box.text().simplified()); }

void describeEntries(QWidget& grid, int entries)
{
    setDescription(grid, entries == 1 ? QStringLiteral("1 Eintrag")
                                      : QStringLiteral("%1 Eintr\u00e4ge").arg(entries));
}

} // namespace ravelin
