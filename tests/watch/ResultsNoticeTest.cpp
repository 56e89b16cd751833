#include "model/KestraneDoc.h"
#include "support/KestrelGame.h"
#include "watch/CentreChanges.h"
#include "watch/ResultsNotice.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <set>

namespace {

// Centre to owning power ("Austria"), as the Judge recorded them after phase.
std::map<std::string, std::string> RecordedOwners(const std::string& phase)
{
    std::map<std::string, std::string> owners;
    std::ifstream in(kestrel::Folder() / "truth" / (phase + ".json"));
    const nlohmann::json state = nlohmann::json::parse(in, nullptr, false);
    if (!state.is_discarded() && state.contains("supply_centre_owners"))
        for (const auto& [centre, power] : state["supply_centre_owners"].items())
            if (power.is_string())
                owners[centre] = power.get<std::string>();
    return owners;
}

std::set<std::string> Taken(const std::map<std::string, std::string>& from,
                            const std::map<std::string, std::string>& to, const std::string& power)
{
    std::set<std::string> taken;
    for (const auto& [centre, owner] : to)
        if (owner == power && (!from.count(centre) || from.at(centre) != power))
            taken.insert(centre);
    return taken;
}

class ResultsNoticeTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!kestrel::Available())
            GTEST_SKIP() << "no judge-games folder beside the source tree";
        ASSERT_TRUE(m_game.created);
    }
    kestrel::CImportedGame m_game;
};

// Every season of the real game that tells the owners, every power: the
// centres won and lost, by name, are those the Judge's record shows
// changing hands since the season that told them before (the first since
// the start, whose record holds the home centres).
TEST_F(ResultsNoticeTest, CentresWonAndLostAsTheJudgeRecorded)
{
    const CKestraneDoc& doc = m_game.doc;
    const CSeasonHdr* was = nullptr;
    std::string wasPhase = "S1901M";
    int compared = 0;
    for (const auto& season : doc.m_seasons) {
        if (OwnershipInForce(doc, *season) != season.get())
            continue;
        const auto before = RecordedOwners(wasPhase);
        const auto owners = RecordedOwners(season->m_strSeason);
        ASSERT_FALSE(before.empty() || owners.empty()) << season->m_strSeason;
        for (const CCentreChange& change : CentreChanges(doc, was, *season)) {
            SCOPED_TRACE(season->m_strSeason + " " + change.name);
            EXPECT_EQ(std::set<std::string>(change.gained.begin(), change.gained.end()),
                      Taken(before, owners, change.name));
            EXPECT_EQ(std::set<std::string>(change.lost.begin(), change.lost.end()),
                      Taken(owners, before, change.name));
            compared += int(change.Size());
        }
        was = season.get();
        wasPhase = season->m_strSeason;
    }
    EXPECT_GT(compared, 10);
}

TEST_F(ResultsNoticeTest, WordsOfTheNotice)
{
    struct Row {
        const char* name;
        const char* country;
        std::vector<std::string> filed;
        const char* title;
        const char* body;
    };
    const std::vector<Row> rows = {
        {"a fall move whose owners come with the retreats", "AUSTRIA", {"F1901M"}, "Kestrel: Fall 1901 results are in",
         "The centres change hands with the retreats."},
        {"the owners after the retreats", "AUSTRIA", {"F1901R"}, "Kestrel: Fall 1901 retreat results are in",
         "Austria gains Greece and Serbia."},
        {"a loss", "GERMANY", {"F1902R"}, "Kestrel: Fall 1902 retreat results are in", "Germany loses Denmark."},
        {"no country of the player's: the greatest change", "", {"F1902R"},
         "Kestrel: Fall 1902 retreat results are in", "Austria gains Bulgaria and Constantinople."},
        {"a spring move with a dislodged unit", "TURKEY", {"S1902M"}, "Kestrel: Spring 1902 results are in",
         "Turkey's army in Bulgaria was dislodged."},
        {"a whole year's end at once", "RUSSIA", {"F1903B", "F1903M", "F1903R"},
         "Kestrel: Winter 1903 adjustment results are in", "Russia keeps its 7 centres."},
        {"a season not in the game", "AUSTRIA", {"F1999M"}, "", ""},
    };
    for (const Row& row : rows) {
        m_game.doc.m_strMyCountry = row.country;
        const auto notice = ResultsNotice(m_game.doc, row.filed);
        ASSERT_EQ(notice.has_value(), *row.title != 0) << row.name;
        if (!notice)
            continue;
        EXPECT_EQ(notice->title, row.title) << row.name;
        EXPECT_EQ(notice->body, row.body) << row.name;
        EXPECT_EQ(notice->season, row.filed.front()) << row.name;
    }
}

} // namespace
