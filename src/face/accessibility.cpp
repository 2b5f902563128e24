// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/accessibility.h"

#include "face/grid_table_model.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QWidget>

namespace ravelin {

namespace {

struct Naming {
    const char* control;
    const char* name;
};

// Controls whose caption says nothing, says it too briefly, or changes at run
// time. Every other control is named by its caption.
constexpr Naming namings[] = {
    // Left column.
    {"tabelle1", "Häufigkeiten der Zahlen 0 bis 36"},
    {"tabelle2", "Wurfnummer des ersten Erscheinens markierter Zahlen"},
    {"okresetl", "Alle Markierungen löschen"},
    {"Command1", "Grünes Feld leeren"},
    {"Label11", "Erstmals eine Zahl doppelt"},
    {"Label13", "Erstmals eine Zahl doppelt hintereinander"},
    {"Label14", "Erstmals eine Zahl dreifach hintereinander"},
    // Middle column.
    {"text", "Hinweise"},
    {"lakut", "Anzahl Würfe real"},
    {"Lreal", "Anzahl Würfe akut"},
    {"tabelle3", "Wurfprotokoll"},
    {"okinfo", "Info/Ende Info"},
    {"infotext", "Infotext"},
    // Right column.
    {"Shape1", "Rahmen der Eingaben und Schaltflächen"},
    {"textanzahl", "Anzahl Würfe"},
    {"Label15", "Hinweis zur Anzahl Würfe"},
    {"haltbei", "Halt bei Wurf"},
    {"Lrotat", "Aktuelle Rotation"},
    {"lzahl", "Aktuell geworfene Zahl"},
    {"okstart", "Start/Weiter"},
    // The import panel.
    {"Drive1", "Laufwerk"},
    {"Label10", "Dateimuster *.txt"},
    {"Dir1", "Ordner"},
    {"File1", "Permanenzdateien"},
    {"okexternabbruch", "Import abbrechen"},
};

// Boxes whose text changes as the program runs: a reader hears their name
// followed by what they show now.
constexpr const char* displayBoxes[] = {"lakut",   "Lreal",   "lzahl",  "Lrotat",
                                        "Label11", "Label13", "Label14"};

bool isDisplayBox(const QString& control)
{
    for (const char* box : displayBoxes)
        if (control == QLatin1String(box))
            return true;
    return false;
}

QString fixedNameOf(const QString& control)
{
    for (const Naming& naming : namings)
        if (control == QLatin1String(naming.control))
            return QString::fromUtf8(naming.name);
    return {};
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

void describe(QWidget& widget)
{
    const QString control = widget.objectName();
    QString name;
    if (auto* box = qobject_cast<QLabel*>(&widget); box && isDisplayBox(control)) {
        nameWithValue(*box);
    } else {
        name = fixedNameOf(control);
        if (name.isEmpty())
            name = captionOf(widget);
    }
    if (!name.isEmpty()) {
        widget.setAccessibleName(name);
        // A drop-down list's popup is a widget of its own, and takes the focus.
        if (auto* list = qobject_cast<QComboBox*>(&widget))
            list->view()->setAccessibleName(name);
    }
    // Tool tips carry stray blanks around and inside them; a reader need not say them.
    const QString description = widget.toolTip().simplified();
    if (!description.isEmpty())
        widget.setAccessibleDescription(description);
}

void nameHeaders(QWidget& window, const char* grid, const QStringList& columns, bool rowsFromZero)
{
    auto* view = window.findChild<QTableView*>(QString::fromLatin1(grid));
    if (!view)
        return;
    if (auto* model = qobject_cast<GridTableModel*>(view->model()))
        model->setHeaderNames(columns, rowsFromZero);
}

// The grids' own headers are hidden; a reader names their columns by the
// headings shown above them, and the rows of the number grids by the number.
void nameGridHeaders(QWidget& window)
{
    QStringList headings;
    for (const char* heading : {"Label6", "Label7", "Label8", "Label9"})
        if (const auto* label = window.findChild<QLabel*>(QString::fromLatin1(heading)))
            headings << captionOf(*label);
    nameHeaders(window, "tabelle1", headings, true);
    nameHeaders(window, "tabelle2", {QStringLiteral("Erstes Erscheinen (Wurf)")}, true);
    nameHeaders(window, "tabelle3",
                {QStringLiteral("Zahl"), QStringLiteral("Wurf/Sechser"),
                 QStringLiteral("Wurf/Kolonne"), QStringLiteral("Wurf/Farbe")},
                false);
}

} // namespace

void describeForAccessibility(QWidget& window)
{
    const auto children = window.findChildren<QWidget*>();
    for (QWidget* widget : children) {
        if (!widget->objectName().isEmpty())
            describe(*widget);
    }
    nameGridHeaders(window);
}

void nameWithValue(QLabel& box)
{
    if (!isDisplayBox(box.objectName()))
        return;
    QString name = fixedNameOf(box.objectName());
    const QString value = box.text().simplified();
    if (!value.isEmpty())
        name += QStringLiteral(": ") + value;
    // Every new name is announced; an unchanged one need not be.
    if (box.accessibleName() != name)
        box.setAccessibleName(name);
}

} // namespace ravelin
