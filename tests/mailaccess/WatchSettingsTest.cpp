#include "mailaccess/WatchSettings.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using Leads = std::vector<minutes>;

TEST(WatchSettingsTest, LeadsReadAsThePlayerTypesThem)
{
    struct Row {
        const char* text;
        std::optional<Leads> leads; // nullopt: refused
        const char* written;        // how they are written back
    };
    const Row rows[] = {
        {"12, 1", Leads{hours(12), hours(1)}, "12, 1"},
        {"1,12", Leads{hours(12), hours(1)}, "12, 1"},
        {" 1.5 ", Leads{minutes(90)}, "1.5"},
        {"0.25, 24, 0.25", Leads{hours(24), minutes(15)}, "24, 0.25"},
        {"", Leads{}, ""},
        {"168", Leads{hours(168)}, "168"},
        {"169", std::nullopt, ""},
        {"0", std::nullopt, ""},
        {"-1", std::nullopt, ""},
        {"12,,1", std::nullopt, ""},
        {"12 h", std::nullopt, ""},
        {"twelve", std::nullopt, ""},
        {"nan", std::nullopt, ""},
    };
    for (const Row& row : rows) {
        std::string problem;
        const auto leads = CWatchSettings::ReadLeads(row.text, problem);
        EXPECT_EQ(leads, row.leads) << row.text;
        EXPECT_EQ(problem.empty(), row.leads.has_value()) << row.text << ": " << problem;
        if (leads) {
            EXPECT_EQ(CWatchSettings::LeadsText(*leads), row.written) << row.text;
        }
    }
}

TEST(WatchSettingsTest, StoredPerGameWithTheirDefaults)
{
    CMemorySettingsStore store;
    const CWatchSettings defaults = CWatchSettings::Load(store, "/games/kestrel.kes");
    EXPECT_FALSE(defaults.m_bWatch);
    EXPECT_TRUE(defaults.m_bUseIdle);
    EXPECT_EQ(defaults.m_nPollMinutes, 5);
    EXPECT_EQ(defaults.m_leads, (Leads{hours(12), hours(1)}));

    CWatchSettings chosen;
    chosen.m_bWatch = true;
    chosen.m_bUseIdle = false;
    chosen.m_nPollMinutes = 1; // below the floor: kept as 2
    chosen.m_leads = {hours(24), minutes(30)};
    chosen.Save(store, "/games/kestrel.kes");
    CWatchSettings expected = chosen;
    expected.m_nPollMinutes = CWatchSettings::kMinPollMinutes;
    EXPECT_EQ(CWatchSettings::Load(store, "/games/kestrel.kes"), expected);
    EXPECT_EQ(CWatchSettings::Load(store, "/games/other.kes"), defaults);
}

} // namespace
