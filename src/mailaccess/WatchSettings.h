#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ISettingsStore;

/// How a game is watched, kept beside its mailbox settings: off unless the
/// player turns it on, IDLE where the server offers it, how often to ask a
/// server that offers none, and how long before a deadline to remind.
struct CWatchSettings {
    /// The shortest polling period the player may choose, in minutes.
    static constexpr int kMinPollMinutes = 2;
    static constexpr int kDefaultPollMinutes = 5;
    /// The longest reminder lead: a week, the longest a Judge phase runs.
    static constexpr std::chrono::hours kMaxLead{24 * 7};

    bool m_bWatch = false;
    bool m_bUseIdle = true;
    int m_nPollMinutes = kDefaultPollMinutes;
    /// Reminders this long before the deadline, longest first.
    std::vector<std::chrono::minutes> m_leads{std::chrono::hours(12), std::chrono::hours(1)};

    /// The settings stored for a game file; missing entries take their
    /// defaults, a polling period below the floor is raised to it, a stored
    /// list of leads that does not read keeps the default.
    static CWatchSettings Load(const ISettingsStore& store, const std::string& gamePath);
    void Save(ISettingsStore& store, const std::string& gamePath) const;

    /// The leads as the player types them: hours, comma-separated ("12, 1",
    /// "1.5"); empty for none.
    static std::string LeadsText(const std::vector<std::chrono::minutes>& leads);
    /// The leads of such a text, longest first, to the minute; nullopt with
    /// problem for a text that is not one (not a number, not above zero,
    /// longer than a week).
    static std::optional<std::vector<std::chrono::minutes>> ReadLeads(std::string_view text, std::string& problem);

    friend bool operator==(const CWatchSettings&, const CWatchSettings&) = default;
};
