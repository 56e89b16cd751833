#pragma once

#include "watch/DeadlineReminders.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

/// The deadline reminders of every watched game and which were given. The
/// clock is the caller's: each question comes with the time it is asked
/// at, so a timer of the desktop program and a test's driven clock alike
/// decide when reminders fall due.
class CReminderSchedule {
public:
    /// Sets the reminders of the game known as key (the caller's name for
    /// it, such as its file). A new phase or deadline starts afresh; a new
    /// state of the same phase's orders keeps what was given.
    void Set(const std::string& key, const CReminderRequest& request);
    /// Forgets the game's reminders.
    void Remove(const std::string& key);

    /// The reminders due at now, at most one a game, each with its game's
    /// key; they count as given.
    std::vector<std::pair<std::string, CNotice>> Due(std::chrono::sys_seconds now);
    /// When the next reminder falls due; nullopt when none will.
    std::optional<std::chrono::sys_seconds> NextDue(std::chrono::sys_seconds now) const;

private:
    struct Entry {
        CReminderRequest request;
        std::optional<std::chrono::sys_seconds> lastGiven;
    };
    std::map<std::string, Entry> m_games;
};
