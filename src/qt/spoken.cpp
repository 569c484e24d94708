// SPDX-License-Identifier: MIT
#include "qt/spoken.h"

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

namespace zindle::qt {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

namespace {

// Qt's AT-SPI bridge talks to the accessibility bus over a connection it
// names "a11y", and gives each object the path of its accessibility id.
// Before Qt 6.8 the bridge sends a change of name with the object itself
// where the new text belongs, which Orca cannot speak ("bad content sent
// to speak()"), and it has no event for a change of active descendant.
// Those events go out here as AT-SPI has them, from the
// object's own path over the bridge's connection.
QDBusConnection accessibilityBus() { return QDBusConnection(QStringLiteral("a11y")); }

QString pathOf(QAccessibleInterface* object)
{
    return QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(object));
}

QDBusArgument reference(const QString& service, const QString& path)
{
    QDBusArgument argument;
    argument.beginStructure();
    argument << service << QDBusObjectPath(path);
    argument.endStructure();
    return argument;
}

bool sendEvent(QAccessibleInterface* source, const QString& member, const QString& detail, const QVariant& data)
{
    QDBusConnection bus = accessibilityBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage signal =
        QDBusMessage::createSignal(pathOf(source), QStringLiteral("org.a11y.atspi.Event.Object"), member);
    signal << detail << 0 << 0 << QVariant::fromValue(QDBusVariant(data))
           << QVariant::fromValue(reference(bus.baseService(), QStringLiteral("/org/a11y/atspi/accessible/root")));
    return bus.send(signal);
}

}  // namespace

#endif

void tellNameChanged(QAccessibleInterface* object)
{
    if (object == nullptr || !QAccessible::isActive())
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (sendEvent(object, QStringLiteral("PropertyChange"), QStringLiteral("accessible-name"),
                  object->text(QAccessible::Name)))
        return;
#endif
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void tellFocus(QAccessibleInterface* object)
{
    if (object == nullptr || !QAccessible::isActive())
        return;
    QAccessibleEvent event(object, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

// Orca 48 and later present a new name of the focused object as the focus
// anew: they cut their speech, the echo of the key just typed included, and
// speak the name. Orca 43 speaks it as a message, but queues it behind
// whatever it is saying. It cuts its speech when the focused object's
// active descendant is the object itself and has a new name ("a single
// object which changes its name", as Orca has it), and then finds nothing
// new to say: so the name's change comes right after.
void tellNow(QAccessibleInterface* object)
{
    if (object == nullptr || !QAccessible::isActive())
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QDBusConnection bus = accessibilityBus();
    sendEvent(object, QStringLiteral("ActiveDescendantChanged"), QString(),
              QVariant::fromValue(reference(bus.baseService(), pathOf(object))));
#endif
    tellNameChanged(object);
}

}  // namespace zindle::qt
