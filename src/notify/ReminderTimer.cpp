#include "notify/ReminderTimer.h"

#include <algorithm>

using namespace std::chrono;

sys_seconds CReminderTimer::SystemNow()
{
    return time_point_cast<seconds>(system_clock::now());
}

CReminderTimer::CReminderTimer(CDesktopNotifier& notifier, Clock clock, QObject* parent)
    : QObject(parent), m_notifier(notifier), m_clock(std::move(clock))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CReminderTimer::Check);
}

void CReminderTimer::Check()
{
    const sys_seconds now = m_clock();
    for (const auto& [key, notice] : m_schedule.Due(now)) {
        const QString game = QString::fromStdString(key);
        m_notifier.Show(game, notice);
        emit reminded(game, QString::fromStdString(notice.title), QString::fromStdString(notice.body));
    }
    const auto next = m_schedule.NextDue(now);
    if (!next) {
        m_timer.stop();
        return;
    }
    // A timer counts time awake; the wall clock decides, so never wait long.
    const seconds wait = std::clamp(*next - now, seconds(1), seconds(60));
    m_timer.start(duration_cast<milliseconds>(wait));
}
