#include "watch/ReminderSchedule.h"

#include <algorithm>

void CReminderSchedule::Set(const std::string& key, const CReminderRequest& request)
{
    auto it = m_games.find(key);
    if (it == m_games.end() || it->second.request.phase != request.phase ||
        it->second.request.deadline != request.deadline) {
        m_games[key] = Entry{request, std::nullopt};
        return;
    }
    it->second.request = request;
}

void CReminderSchedule::Remove(const std::string& key)
{
    m_games.erase(key);
}

std::vector<std::pair<std::string, CNotice>> CReminderSchedule::Due(std::chrono::sys_seconds now)
{
    std::vector<std::pair<std::string, CNotice>> due;
    for (auto& [key, entry] : m_games) {
        const auto reminder = NextReminder(entry.request, now, entry.lastGiven);
        if (!reminder || reminder->due > now)
            continue;
        entry.lastGiven = now;
        due.emplace_back(key, reminder->notice);
    }
    return due;
}

std::optional<std::chrono::sys_seconds> CReminderSchedule::NextDue(std::chrono::sys_seconds now) const
{
    std::optional<std::chrono::sys_seconds> next;
    for (const auto& [key, entry] : m_games)
        if (const auto reminder = NextReminder(entry.request, now, entry.lastGiven))
            next = next ? std::min(*next, reminder->due) : reminder->due;
    return next;
}
