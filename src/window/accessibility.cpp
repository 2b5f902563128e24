#include "window/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QString>
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
    for (const Naming& naming : namings) {
        if (control == QLatin1String(naming.control)) {
            name = QString::fromUtf8(naming.name);
            break;
        }
    }
    if (name.isEmpty())
        name = captionOf(widget);
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

} // namespace

void describeForAccessibility(QWidget& window)
{
    const auto children = window.findChildren<QWidget*>();
    for (QWidget* widget : children) {
        if (!widget->objectName().isEmpty())
            describe(*widget);
    }
}

} // namespace ravelin
