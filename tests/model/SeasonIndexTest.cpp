#include "model/KestraneDoc.h"
#include "model/SeasonIndex.h"
#include "support/KestrelGameTest.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

// The seasons list: every season in game order, written out in words, the
// game start told apart from a spring movement, and showing a season by name.

namespace {


struct SeasonRow {
    std::string name;
    std::vector<std::string> orders;
    std::string deadline = "Mon Jan 05 2004 23:30:00 +0000  ";
};

std::unique_ptr<CKestraneDoc> GameOf(CRecordingServices& services, const std::vector<SeasonRow>& seasons)
{
    auto doc = std::make_unique<CKestraneDoc>(services);
    doc->m_nCountries = 1;
    doc->m_countries.emplace_back("ENGLAND", 255, 0, 0);
    doc->m_strJudge = "USTV";
    doc->m_strGame = "demo";
    doc->m_strVariant = "Standard";
    for (const SeasonRow& row : seasons) {
        auto season = std::make_unique<CSeasonHdr>(1);
        season->m_strSeason = row.name;
        season->m_orders = row.orders;
        season->m_strDeadline = row.deadline;
        doc->InsertSeason(std::move(season));
    }
    return doc;
}

const std::vector<std::string> kPlacements{"England: Fleet London.", "England: Army  Liverpool."};
const std::vector<std::string> kMoves{"England: Fleet London -> North Sea.", "England: Army Liverpool HOLD."};

struct StartCase {
    const char* name;
    std::vector<SeasonRow> seasons;
    size_t index;
    bool start;
};

class GameStart : public testing::TestWithParam<StartCase> {};

TEST_P(GameStart, IsToldFromAMovement)
{
    CRecordingServices services;
    const auto doc = GameOf(services, GetParam().seasons);
    EXPECT_EQ(IsGameStart(*doc, GetParam().index), GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(
    Seasons, GameStart,
    testing::Values(StartCase{"StartThenFirstSpring", {{"S1900M", kPlacements}, {"S1901M", kMoves}}, 0, true},
                    StartCase{"StartAlone", {{"S1900M", kPlacements}}, 0, true},
                    StartCase{"StartWithoutUnitsRecognised", {{"S1900M", {}}, {"S1901M", kMoves}}, 0, true},
                    StartCase{"SpringMovementFirst", {{"S1901M", kMoves}, {"F1901M", kMoves}}, 0, false},
                    StartCase{"PlacementsButSameYearFollows", {{"S1901M", kPlacements}, {"F1901M", kMoves}}, 0, false},
                    StartCase{"FallFirst", {{"F1901M", kPlacements}, {"S1902M", kMoves}}, 0, false},
                    StartCase{"SecondSeasonNeverStarts", {{"S1900M", kPlacements}, {"S1901M", kPlacements}}, 1, false},
                    StartCase{"SkippedOrderIsAMovement",
                              {{"S1901M", {"England: Fleet London, No Order Processed."}}, {"S1902M", kMoves}}, 0,
                              false},
                    StartCase{"NoSeasons", {}, 0, false}),
    RowName());

TEST(SeasonIndexEntries, WordsDeadlinesAndTheSeasonOnShow)
{
    CRecordingServices services;
    auto doc = GameOf(services, {{"S1900M", kPlacements, "Tue Jan 06 2004 23:30:00 +0000  "},
                                 {"S1901M", kMoves},
                                 {"F1901M", kMoves},
                                 {"F1901R", {"England: Fleet North Sea -> Norway."}},
                                 {"F1901B", {"England: Builds an army in London."}}});
    doc->OnPreviousSeason(); // F1901R
    const std::vector<CSeasonIndexEntry> entries = SeasonIndex(*doc);
    const std::vector<CSeasonIndexEntry> expected{
        {"S1900M", "Starting position 1901", "Tue Jan 06 2004 23:30:00 +0000", false},
        {"S1901M", "Spring 1901 Movement", "Mon Jan 05 2004 23:30:00 +0000", false},
        {"F1901M", "Fall 1901 Movement", "Mon Jan 05 2004 23:30:00 +0000", false},
        {"F1901R", "Fall 1901 Retreats", "Mon Jan 05 2004 23:30:00 +0000", true},
        {"F1901B", "Winter 1901 Adjustments", "Mon Jan 05 2004 23:30:00 +0000", false},
    };
    EXPECT_EQ(entries, expected);

    doc->m_posCurrent = doc->m_seasons.end();
    for (const CSeasonIndexEntry& entry : SeasonIndex(*doc))
        EXPECT_FALSE(entry.onShow) << entry.name;
    EXPECT_TRUE(SeasonIndex(*GameOf(services, {})).empty());
}

TEST(SeasonIndexDeadline, ClockFieldsJoinedAgain)
{
    struct Row {
        const char* stored;
        const char* shown;
    };
    const Row rows[] = {
        {"Tue Jan 20 2004 21 31 00 +0000 ", "Tue Jan 20 2004 21:31:00 +0000"},
        {"Mon Jan 19 2004 23 30 00 -0500 ", "Mon Jan 19 2004 23:30:00 -0500"},
        {"Sat Mar 14 2026 23:30:00 ", "Sat Mar 14 2026 23:30:00"},
        {"Mon  Jan 5 2004 9 5 0", "Mon Jan 5 2004 9:5:0"},
        {"Mon Jan 5 2004 123 30 00", "Mon Jan 5 2004 123 30 00"}, // not a clock
        {"Mon ", "Mon"},
        {"", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReadableDeadline(row.stored), row.shown) << row.stored;
}

TEST(SeasonShow, ByNameRetitlesAndLeavesTheGameUnchanged)
{
    struct Row {
        const char* name;
        bool found;
        const char* onShow;
    };
    const Row rows[] = {{"S1901M", true, "S1901M"},
                        {"F1901R", true, "F1901R"},
                        {"F1901X", false, "F1901R"},
                        {"", false, "F1901R"},
                        {"S1900M", true, "S1900M"}};
    CRecordingServices services;
    auto doc = GameOf(services, {{"S1900M", kPlacements}, {"S1901M", kMoves}, {"F1901R", kMoves}});
    doc->SetModifiedFlag(false);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(doc->ShowSeason(row.name), row.found);
        ASSERT_TRUE(doc->GetCurrentSeason());
        EXPECT_EQ(doc->GetCurrentSeason()->m_strSeason, row.onShow);
        EXPECT_EQ(doc->GetTitle(), std::string("USTV demo Standard ") + row.onShow + " Mon Jan 05 2004 23:30:00 +0000  ");
    }
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->m_seasons.size(), 3u);
}

// The deadline on a mail's header line: ":: Deadline: F1902R Tue Jan 20 ...".
std::string HeaderDeadline(const std::filesystem::path& mail)
{
    std::ifstream in(mail, std::ios::binary);
    constexpr std::string_view kPrefix = ":: Deadline: ";
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(kPrefix, 0) != 0)
            continue;
        // After the season word, up to the trailing white space.
        const size_t season = line.find_first_not_of(" \t", kPrefix.size());
        const size_t gap = line.find_first_of(" \t", season);
        const size_t from = line.find_first_not_of(" \t\r", gap);
        const size_t to = line.find_last_not_of(" \t\r");
        if (season == std::string::npos || gap == std::string::npos || from == std::string::npos)
            return {};
        return line.substr(from, to + 1 - from);
    }
    return {};
}

class SeasonIndexRealGame : public CKestrelGameTest {};

TEST_F(SeasonIndexRealGame, KestrelInGameOrderInWords)
{

    const std::vector<CSeasonIndexEntry> entries = SeasonIndex(doc);
    std::vector<std::string> words;
    for (const auto& entry : entries)
        words.push_back(entry.words);
    EXPECT_EQ(words, (std::vector<std::string>{
                         "Starting position 1901", "Spring 1901 Movement", "Fall 1901 Movement", "Fall 1901 Retreats",
                         "Winter 1901 Adjustments", "Spring 1902 Movement", "Spring 1902 Retreats",
                         "Fall 1902 Movement", "Fall 1902 Retreats", "Winter 1902 Adjustments",
                         "Spring 1903 Movement", "Spring 1903 Retreats", "Fall 1903 Movement", "Fall 1903 Retreats",
                         "Winter 1903 Adjustments"}));

    // Mail by mail, the deadline each one's header gave, and the last
    // imported is on show.
    const auto mails = kestrel::Mails();
    ASSERT_EQ(mails.size(), entries.size());
    for (size_t i = 0; i < mails.size(); ++i) {
        SCOPED_TRACE(mails[i].filename().string());
        EXPECT_EQ(entries[i].deadline, HeaderDeadline(mails[i]));
        if (kestrel::PhaseOf(mails[i]) != "start") {
            EXPECT_EQ(entries[i].name, kestrel::PhaseOf(mails[i]));
        }
        EXPECT_EQ(entries[i].onShow, i + 1 == mails.size());
    }
}

} // namespace
