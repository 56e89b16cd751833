#pragma once

#include <string>

class ISettingsStore;

/// How a game is watched, kept beside its mailbox settings: off unless the
/// player turns it on, and how often to ask a server that offers no IDLE.
struct CWatchSettings {
    /// The shortest polling period the player may choose, in minutes.
    static constexpr int kMinPollMinutes = 2;
    static constexpr int kDefaultPollMinutes = 5;

    bool m_bWatch = false;
    int m_nPollMinutes = kDefaultPollMinutes;

    /// The settings stored for a game file; missing entries take their
    /// defaults, a polling period below the floor is raised to it.
    static CWatchSettings Load(const ISettingsStore& store, const std::string& gamePath);
    void Save(ISettingsStore& store, const std::string& gamePath) const;

    friend bool operator==(const CWatchSettings&, const CWatchSettings&) = default;
};
