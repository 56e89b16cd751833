#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <vector>

/// A notification service for tests on a private bus: it takes the name
/// org.freedesktop.Notifications on a connection of its own, records each
/// notice it is sent and can answer with a click (ActionInvoked).
class CFakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    /// One notice as sent.
    struct Received {
        uint id = 0;
        QString app, summary, body;
        QStringList actions;
    };

    /// Registers on the bus at address; Registered() tells whether it could.
    explicit CFakeNotificationService(const QString& address);
    ~CFakeNotificationService() override;
    bool Registered() const { return m_registered; }

    /// Sends ActionInvoked for the notice id, as a click on it would.
    void Click(uint id, const QString& action = QStringLiteral("default"));

    std::vector<Received> received;

public slots:
    uint Notify(const QString& app, uint replacesId, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout);

private:
    QDBusConnection m_bus;
    bool m_registered = false;
};
