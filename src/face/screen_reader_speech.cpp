// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/screen_reader_speech.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace ravelin {

namespace {

// Where Qt's bridge keeps the program's objects on the accessibility bus,
// and the name of its connection to that bus.
constexpr const char* objectPathPrefix = "/org/a11y/atspi/accessible/";
constexpr const char* rootPath = "/org/a11y/atspi/accessible/root";
constexpr const char* bridgeConnection = "a11y";

void sendDescriptionChange(QDBusConnection& bus, QAccessibleInterface& object, const QString& words)
{
    const QString path =
        QString::fromLatin1(objectPathPrefix) + QString::number(QAccessible::uniqueId(&object));
    QDBusMessage change = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(QString::fromLatin1(rootPath));
    application.endStructure();
    change << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(words)) << QVariant::fromValue(application);
    bus.send(change);
}

} // namespace

// Qt 6.4's AT-SPI bridge sends the object itself, not its new text, with
// every name and description change, and a screen reader has nothing to
// say ("bad content sent to speak()" in Orca's log). So the one event a
// reader speaks for the object it stands on, a change of its description,
// is sent here, carrying the words: through the bridge's own connection, so
// that the reader finds the object it names. A reader keeps the words as
// that object's description until its next real change.
void sayToScreenReader(QWidget& focused, const QString& words)
{
    if (words.isEmpty() || !QAccessible::isActive())
        return;
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(&focused);
    QDBusConnection bus(QString::fromLatin1(bridgeConnection));
    if (!object || !bus.isConnected())
        return;
    // A reader stands on a grid as it takes the focus, on its current cell
    // once the arrows have moved it: it is told of both, and says the words
    // once, for the one it stands on.
    sendDescriptionChange(bus, *object, words);
    if (QAccessibleInterface* cell = object->focusChild(); cell && cell != object)
        sendDescriptionChange(bus, *cell, words);
}

} // namespace ravelin
