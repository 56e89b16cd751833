#pragma once

#include "notify/DesktopNotifier.h"
#include "watch/ReminderSchedule.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

/// Gives the deadline reminders of the watched games at their times, through
/// the desktop notifier (or its fallback). The clock is the caller's, so a
/// test drives it; the timer looks again at least once a minute, so a
/// computer woken from sleep or a changed clock is caught up at once.
class CReminderTimer : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::sys_seconds()>;
    /// The system's clock, to the second.
    static std::chrono::sys_seconds SystemNow();

    explicit CReminderTimer(CDesktopNotifier& notifier, Clock clock = SystemNow, QObject* parent = nullptr);

    /// The games and their deadlines; call Check after a change.
    CReminderSchedule& Schedule() { return m_schedule; }

public slots:
    /// Shows every reminder due now and sets the timer for the next.
    void Check();

signals:
    /// A reminder about game was just given (on the desktop or to the fallback).
    void reminded(const QString& game, const QString& title, const QString& body);

private:
    CDesktopNotifier& m_notifier;
    Clock m_clock;
    CReminderSchedule m_schedule;
    QTimer m_timer;
};
