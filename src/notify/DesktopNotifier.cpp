#include "notify/DesktopNotifier.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The desktop entry's name, so the service shows the program's icon and name.
const QString kDesktopEntry = QStringLiteral("org.kestrane.Kestrane");

} // namespace

CDesktopNotifier::CDesktopNotifier(QDBusConnection bus, QObject* parent) : QObject(parent), m_bus(std::move(bus))
{
    // Qt D-Bus connects bus signals by signature only, with the SLOT macro.
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(OnActionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(OnClosed(uint, uint)));
}

bool CDesktopNotifier::ServiceAvailable() const
{
    const QDBusConnectionInterface* bus = m_bus.isConnected() ? m_bus.interface() : nullptr;
    if (!bus)
        return false;
    if (bus->isServiceRegistered(kService).value())
        return true;
    const QDBusReply<QStringList> startable = bus->activatableServiceNames();
    return startable.isValid() && startable.value().contains(kService);
}

bool CDesktopNotifier::Show(const QString& game, const CNotice& notice)
{
    const QString title = QString::fromStdString(notice.title);
    const QString body = QString::fromStdString(notice.body);
    if (!ServiceAvailable()) {
        emit fallback(game, title, body);
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), kDesktopEntry}};
    // "default" is the action of a click on the notice itself.
    const QStringList actions{QStringLiteral("default"), QStringLiteral("Show")};
    call << QStringLiteral("Kestrane") << uint(0) << kDesktopEntry << title << body << actions << hints << int(-1);
    // Asked without waiting, so a slow service never holds up the window.
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    const Shown shown{game, QString::fromStdString(notice.season)};
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, shown, title, body](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError())
            emit fallback(shown.game, title, body);
        else
            m_shown.insert(reply.value(), shown);
        w->deleteLater();
    });
    return true;
}

void CDesktopNotifier::OnActionInvoked(uint id, const QString&)
{
    // Either action shows the season; a notice of another program is not ours.
    const auto it = m_shown.constFind(id);
    if (it != m_shown.constEnd())
        emit activated(it->game, it->season);
}

void CDesktopNotifier::OnClosed(uint id, uint)
{
    m_shown.remove(id);
}
