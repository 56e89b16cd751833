#include "mailaccess/WatchSettings.h"

#include "mailaccess/MailAccount.h"
#include "model/Settings.h"

#include <algorithm>

CWatchSettings CWatchSettings::Load(const ISettingsStore& store, const std::string& gamePath)
{
    const std::string section = MailboxSection(gamePath);
    CWatchSettings settings;
    settings.m_bWatch = store.GetProfileInt(section, "Watch", 0) != 0;
    settings.m_nPollMinutes =
        std::max(kMinPollMinutes, store.GetProfileInt(section, "PollMinutes", kDefaultPollMinutes));
    return settings;
}

void CWatchSettings::Save(ISettingsStore& store, const std::string& gamePath) const
{
    const std::string section = MailboxSection(gamePath);
    store.WriteProfileInt(section, "Watch", m_bWatch ? 1 : 0);
    store.WriteProfileInt(section, "PollMinutes", std::max(kMinPollMinutes, m_nPollMinutes));
}
