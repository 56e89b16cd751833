#pragma once

#include "watch/Notice.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>

/// Shows a game's notices on the desktop through the freedesktop
/// notification service (org.freedesktop.Notifications on the session
/// bus). A click on a notice is answered with activated(game, season).
/// Where no service is running, the notice's words go to fallback() at
/// once, for the caller to show in the status bar and the window title.
class CDesktopNotifier : public QObject {
    Q_OBJECT
public:
    /// Talks to the service on bus (the session bus unless a test gives its own).
    explicit CDesktopNotifier(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    /// True when a notification service runs on the bus, or the bus can
    /// start one.
    bool ServiceAvailable() const;

    /// Shows notice for game (the caller's name for it, such as its file):
    /// true when it went to the service. False, with fallback() emitted,
    /// when there is none; a service that answers with an error later ends
    /// in fallback() too.
    bool Show(const QString& game, const CNotice& notice);

signals:
    /// The player clicked the notice about season of game.
    void activated(const QString& game, const QString& season);
    /// No service took the notice: its words for the status bar and title.
    void fallback(const QString& game, const QString& title, const QString& body);

private slots:
    void OnActionInvoked(uint id, const QString& action);
    void OnClosed(uint id, uint reason);

private:
    struct Shown {
        QString game;
        QString season;
    };
    QDBusConnection m_bus;
    /// The notices on show, by the id the service gave each.
    QHash<uint, Shown> m_shown;
};
