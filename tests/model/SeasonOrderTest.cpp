#include "model/GameDetails.h"
#include "model/KestraneDoc.h"
#include "support/CountingView.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::unique_ptr<CSeasonHdr> Season(const std::string& name)
{
    auto season = std::make_unique<CSeasonHdr>(2);
    season->m_strSeason = name;
    return season;
}

std::vector<std::string> Names(const CKestraneDoc& doc)
{
    std::vector<std::string> names;
    for (const auto& s : doc.m_seasons)
        names.push_back(s->m_strSeason);
    return names;
}

TEST(SeasonOrder, FilesEveryPermutationOfAYearInGameOrder)
{
    std::vector<std::string> expected{"S1900M", "S1901M", "F1901M", "F1901R", "F1901B", "S1902M"};
    std::vector<std::string> order = expected;
    std::sort(order.begin(), order.end());
    int permutations = 0;
    do {
        CRecordingServices services;
        CKestraneDoc doc(services);
        for (const auto& name : order)
            doc.InsertSeason(Season(name));
        ASSERT_EQ(Names(doc), expected);
        ++permutations;
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(permutations, 720);
}

struct LaterCase {
    const char* a;
    const char* b;
    bool aLater;
};

TEST(SeasonOrder, IsLaterThanForEveryPairOfPhasesAndLetters)
{
    const LaterCase cases[] = {
        {"S1901R", "S1901M", true},  {"S1901M", "S1901R", false}, {"S1901B", "S1901R", true},
        {"S1901B", "S1901M", true},  {"S1901R", "S1901B", false}, {"S1901M", "S1901B", false},
        {"F1901M", "S1901B", true},  {"S1901B", "F1901M", false}, {"S1902M", "F1901B", true},
        {"F1901B", "S1902M", false}, {"S1901M", "S1901M", false}, {"F1901B", "F1901B", false},
        // An unknown phase or letter is not later than anything of its own year.
        {"S1901X", "S1901M", false}, {"S1901M", "S1901X", false}, {"X1901M", "S1901M", false},
        {"S1901X", "F1900B", true},  {"S1901R", "S1901X", false}, {"S1901B", "S1901X", true},
        // Short names: missing characters are absent, the year is what the digits give.
        {"S19", "S1901M", false},    {"S1901M", "S19", true},     {"", "S1901M", false},
        {"F1901", "S1901M", true},   {"S1901", "S1901M", false},  {"S1901M", "", true},
    };
    for (const auto& c : cases) {
        CSeasonHdr a, b;
        a.m_strSeason = c.a;
        b.m_strSeason = c.b;
        EXPECT_EQ(a.IsLaterThan(b), c.aLater) << c.a << " vs " << c.b;
    }
}

TEST(SeasonOrder, UnknownPhaseFilesAfterTheYearBefore)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    for (const char* name : {"F1900B", "S1901M", "F1901M"})
        doc.InsertSeason(Season(name));
    doc.InsertSeason(Season("S1901X"));
    EXPECT_EQ(Names(doc), (std::vector<std::string>{"F1900B", "S1901X", "S1901M", "F1901M"}));
}

TEST(SeasonOrder, FindSeasonIsExact)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    doc.InsertSeason(Season("S1901M"));
    EXPECT_NE(doc.FindSeason("S1901M"), nullptr);
    EXPECT_EQ(doc.FindSeason("s1901m"), nullptr);
    EXPECT_EQ(doc.FindSeason("S1901"), nullptr);
}

class Navigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.m_strJudge = "ABCD";
        doc.m_strGame = "alpha";
        doc.m_strVariant = "Standard Gunboat ";
        doc.m_strMapName = "Standard";
        doc.SetTitle("Kestrane1");
        doc.AddObserver(&view);
    }
    void Fill(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            auto season = Season(name);
            season->m_strDeadline = std::string("Deadline-") + name + " ";
            doc.InsertSeason(std::move(season));
        }
    }
    std::string Current() const { return doc.GetCurrentSeason() ? doc.GetCurrentSeason()->m_strSeason : ""; }

    CRecordingServices services;
    CKestraneDoc doc{services};
    CCountingView view;
};

TEST_F(Navigation, TitleFollowsTheSeasonOnShow)
{
    Fill({"S1901M"});
    EXPECT_EQ(doc.GetTitle(), "ABCD alpha Standard Gunboat  S1901M Deadline-S1901M ");
}

TEST_F(Navigation, TitleWithoutSeasonAppendsTheMapName)
{
    doc.UpdateSeasonTitle();
    EXPECT_EQ(doc.GetTitle(), "Kestrane1, Standard");
}

TEST_F(Navigation, MovesStopAtTheEndsButStillUpdate)
{
    Fill({"S1901M", "F1901M", "F1901B"});
    EXPECT_EQ(Current(), "F1901B");
    const int before = view.updates;
    doc.OnNextSeason();
    EXPECT_EQ(Current(), "F1901B");
    EXPECT_EQ(view.updates, before + 1);
    doc.OnPreviousSeason();
    EXPECT_EQ(Current(), "F1901M");
    doc.OnFirstSeason();
    EXPECT_EQ(Current(), "S1901M");
    doc.OnPreviousSeason();
    EXPECT_EQ(Current(), "S1901M");
    EXPECT_EQ(doc.GetTitle(), "ABCD alpha Standard Gunboat  S1901M Deadline-S1901M ");
    doc.OnLatestSeason();
    EXPECT_EQ(Current(), "F1901B");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Navigation, EnablingOnZeroOneAndThreeSeasons)
{
    auto state = [&] {
        return std::vector<bool>{doc.OnUpdateFirstSeason(), doc.OnUpdatePreviousSeason(), doc.OnUpdateNextSeason(),
                                 doc.OnUpdateLatestSeason(), doc.OnUpdateRemoveSeason()};
    };
    EXPECT_EQ(state(), (std::vector<bool>{false, false, false, false, false}));
    Fill({"S1901M"});
    EXPECT_EQ(state(), (std::vector<bool>{false, false, false, false, true}));
    Fill({"F1901M", "F1901B"});
    EXPECT_EQ(state(), (std::vector<bool>{true, true, false, false, true}));
    doc.OnPreviousSeason();
    EXPECT_EQ(state(), (std::vector<bool>{true, true, true, true, true}));
    doc.OnFirstSeason();
    EXPECT_EQ(state(), (std::vector<bool>{false, false, true, true, true}));
}

TEST_F(Navigation, EmptyListCommandsDoNothing)
{
    doc.OnFirstSeason();
    doc.OnPreviousSeason();
    doc.OnNextSeason();
    doc.OnLatestSeason();
    doc.OnRemoveSeason();
    EXPECT_EQ(view.updates, 0);
    EXPECT_EQ(doc.GetTitle(), "Kestrane1");
}

TEST_F(Navigation, RemovingMiddleMakesTheNextCurrent)
{
    Fill({"S1901M", "F1901M", "F1901B"});
    doc.OnPreviousSeason();
    doc.OnRemoveSeason();
    EXPECT_EQ(Current(), "F1901B");
    EXPECT_EQ(doc.m_seasons.size(), 2u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Navigation, RemovingLastMakesTheNewLastCurrent)
{
    Fill({"S1901M", "F1901M", "F1901B"});
    doc.OnRemoveSeason();
    EXPECT_EQ(Current(), "F1901M");
    EXPECT_EQ(doc.GetTitle(), "ABCD alpha Standard Gunboat  F1901M Deadline-F1901M ");
}

TEST_F(Navigation, RemovingTheOnlySeasonClearsModifiedAndKeepsItsTitle)
{
    Fill({"S1901M"});
    doc.SetModifiedFlag(true);
    doc.OnRemoveSeason();
    EXPECT_FALSE(doc.HasCurrentSeason());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "ABCD alpha Standard Gunboat  S1901M Deadline-S1901M , Standard");
}

// The modified flag says whether the game differs from its file (or from the
// new game it was made as): removing the only season undoes no other change.
TEST(RemovingTheOnlySeason, LeavesTheFlagSayingWhetherTheGameDiffersFromItsFile)
{
    const struct {
        const char* name;
        bool saved;
        bool detailsChanged;
        bool modified;
    } rows[] = {{"NewGameBackAsNew", false, false, false},
                {"DetailsChangedSinceNew", false, true, true},
                {"SavedGameLosesItsSeason", true, false, true},
                {"DetailsChangedSinceSaved", true, true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CTempDir dir;
        CRecordingServices services(std::string(KESTRANE_SOURCE_DIR) + "/data");
        CKestraneDoc doc(services);
        ASSERT_TRUE(doc.OnNewDocument("Standard.map"));
        doc.InsertSeason(Season("S1901M"));
        if (row.saved) {
            ASSERT_TRUE(doc.OnSaveDocument((dir.Path() / "game.kes").string()));
        }
        if (row.detailsChanged)
            CGameDetails::Apply(doc, "ENGLAND", "secret");
        doc.OnRemoveSeason();
        EXPECT_EQ(doc.IsModified(), row.modified);
    }
}

} // namespace
