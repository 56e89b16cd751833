#include "support/dbus/FakeNotificationService.h"

#include <QDBusMessage>

namespace {

const QString kName = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

CFakeNotificationService::CFakeNotificationService(const QString& address)
    : m_bus(QDBusConnection::connectToBus(address, QStringLiteral("kestrane-test-notifications")))
{
    m_registered = m_bus.isConnected() && m_bus.registerObject(kPath, this, QDBusConnection::ExportAllSlots) &&
                   m_bus.registerService(kName);
}

CFakeNotificationService::~CFakeNotificationService()
{
    m_bus.unregisterService(kName);
    m_bus.unregisterObject(kPath);
    QDBusConnection::disconnectFromBus(QStringLiteral("kestrane-test-notifications"));
}

uint CFakeNotificationService::Notify(const QString& app, uint, const QString&, const QString& summary,
                                      const QString& body, const QStringList& actions, const QVariantMap&, int)
{
    received.push_back({uint(received.size() + 1), app, summary, body, actions});
    return received.back().id;
}

void CFakeNotificationService::Click(uint id, const QString& action)
{
    QDBusMessage signal = QDBusMessage::createSignal(kPath, kName, QStringLiteral("ActionInvoked"));
    signal << id << action;
    m_bus.send(signal);
}
