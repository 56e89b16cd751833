#include "mailaccess/WatchSettings.h"

#include "mailaccess/MailAccount.h"
#include "model/Settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>

using namespace std::chrono;

CWatchSettings CWatchSettings::Load(const ISettingsStore& store, const std::string& gamePath)
{
    const std::string section = MailboxSection(gamePath);
    CWatchSettings settings;
    settings.m_bWatch = store.GetProfileInt(section, "Watch", 0) != 0;
    settings.m_bUseIdle = store.GetProfileInt(section, "UseIdle", 1) != 0;
    settings.m_nPollMinutes =
        std::max(kMinPollMinutes, store.GetProfileInt(section, "PollMinutes", kDefaultPollMinutes));
    const std::string leads = store.GetProfileString(section, "ReminderHours", LeadsText(settings.m_leads));
    std::string ignored;
    if (auto read = ReadLeads(leads, ignored))
        settings.m_leads = std::move(*read);
    return settings;
}

void CWatchSettings::Save(ISettingsStore& store, const std::string& gamePath) const
{
    const std::string section = MailboxSection(gamePath);
    store.WriteProfileInt(section, "Watch", m_bWatch ? 1 : 0);
    store.WriteProfileInt(section, "UseIdle", m_bUseIdle ? 1 : 0);
    store.WriteProfileInt(section, "PollMinutes", std::max(kMinPollMinutes, m_nPollMinutes));
    store.WriteProfileString(section, "ReminderHours", LeadsText(m_leads));
}

std::string CWatchSettings::LeadsText(const std::vector<minutes>& leads)
{
    std::string text;
    for (const minutes lead : leads) {
        if (!text.empty())
            text += ", ";
        // Whole hours as "12"; anything else to the minute, "1.5" or "0.25".
        const double hoursLead = double(lead.count()) / 60.0;
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, hoursLead, std::chars_format::general, 6).ptr;
        text.append(buffer, end);
    }
    return text;
}

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<std::vector<minutes>> CWatchSettings::ReadLeads(std::string_view text, std::string& problem)
{
    std::vector<minutes> leads;
    text = Trimmed(text);
    // Empty is a choice: no reminders.
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view item = Trimmed(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        double hoursLead = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), hoursLead);
        if (item.empty() || error != std::errc() || end != item.data() + item.size() || !std::isfinite(hoursLead)) {
            problem = "\"" + std::string(item) + "\" is not a number of hours.";
            return std::nullopt;
        }
        const minutes lead(std::lround(hoursLead * 60.0));
        if (lead <= minutes(0) || lead > kMaxLead) {
            problem = "A reminder must come between a minute and a week before the deadline, not " +
                      std::string(item) + " hours.";
            return std::nullopt;
        }
        leads.push_back(lead);
    }
    std::sort(leads.begin(), leads.end(), std::greater<>());
    leads.erase(std::unique(leads.begin(), leads.end()), leads.end());
    return leads;
}
