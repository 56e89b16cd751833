#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

// The orders state of a game and the file that keeps it beside the settings.

namespace {

namespace fs = std::filesystem;

CGameOrdersState FullState()
{
    CGameOrdersState state;
    state.game = "/games/kestrel.kes";
    state.after = "F1903B";
    state.due = MakePhaseDue("S1904M", "Movement for Spring of 1904", "Thu Jan 29 2004 23:30:00 +0000");
    state.drafts = {"A Vienna - Trieste", "F Tri S A Ven 100%\nsignoff", ""};
    state.sentAt = ParseIsoUtc("2004-01-28T14:02:00Z");
    state.sentMail = {"signon Akestrel p\xE4", "signoff"};
    state.verdict = {"Austria: Army Vienna -> Trieste."};
    state.other = {"later-entry kept"};
    return state;
}

TEST(OrdersState, WrittenAndReadBack)
{
    const std::string text = WriteOrdersState(FullState());
    EXPECT_EQ(text.substr(0, 79), "# Kestrane orders state\ngame /games/kestrel.kes\nafter F1903B\ndue S1904M\nwords M");
    EXPECT_NE(text.find("\ndraft F Tri S A Ven 100%25%0Asignoff\n"), std::string::npos);
    std::string problem;
    EXPECT_EQ(ReadOrdersState(text, problem), FullState()) << problem;
}

struct DamageCase {
    const char* name;
    std::string text;
    const char* problem;
};

class OrdersStateDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(OrdersStateDamage, RefusedWithWhere)
{
    std::string problem;
    EXPECT_FALSE(ReadOrdersState(GetParam().text, problem).has_value());
    EXPECT_EQ(problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrdersStateDamage,
    testing::Values(DamageCase{"Empty", "", "the file is empty"},
                    DamageCase{"OtherFile", "[General]\nZoomToFit=1\n", "line 1: not a file of drafted orders"},
                    DamageCase{"NotAnEntry", "# Kestrane orders state\nDraft A Vie\n", "line 2: not an entry"},
                    DamageCase{"BadPhase", "# Kestrane orders state\ndue S19O4M\n", "line 2: no phase: S19O4M"},
                    DamageCase{"BadTime", "# Kestrane orders state\n\nsent yesterday\n", "line 3: no time: yesterday"},
                    DamageCase{"ZeroByte", std::string("# Kestrane orders state\ndraft A\0B\n", 34),
                               "line 2: holds a zero byte"},
                    DamageCase{"DeadlineAlone", "# Kestrane orders state\ndeadline Mon\n",
                               "line 2: a deadline without its phase"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OrdersState, NewPhaseDropsWhatWasForTheOldOne)
{
    CGameOrdersState state = FullState();
    CPhaseDue later = *state.due;
    later.deadline = "Fri Jan 30 2004 23:30:00 +0000";
    EXPECT_TRUE(state.SetPhaseDue("F1903B", later));
    EXPECT_EQ(state.drafts, FullState().drafts);
    EXPECT_FALSE(state.SetPhaseDue("F1903B", later));

    EXPECT_TRUE(state.SetPhaseDue("S1904M", MakePhaseDue("S1904R", "Retreats for Spring of 1904", "x")));
    EXPECT_TRUE(state.drafts.empty() && state.sentMail.empty() && state.verdict.empty() && !state.sentAt);
    EXPECT_EQ(state.after, "S1904M");
    EXPECT_EQ(state.other, FullState().other);
}

TEST(OrdersStateFile, OneFilePerGameWhateverItsPathSays)
{
    CTempDir dir;
    const std::string settings = (dir.Path() / "conf" / "Kestrane.conf").string();
    fs::create_directories(dir.Path() / "games");
    fs::create_symlink(dir.Path() / "games", dir.Path() / "link");
    const std::string file = OrdersStateFile(settings, (dir.Path() / "games" / "kestrel.kes").string());
    EXPECT_EQ(fs::path(file).parent_path(), dir.Path() / "conf" / "Kestrane-orders");
    EXPECT_EQ(fs::path(file).filename().string().substr(0, 8), "kestrel-");
    EXPECT_EQ(OrdersStateFile(settings, (dir.Path() / "link" / ".." / "games" / "kestrel.kes").string()), file);
    EXPECT_EQ(OrdersStateFile(settings, (dir.Path() / "link" / "kestrel.kes").string()), file);
    EXPECT_NE(OrdersStateFile(settings, (dir.Path() / "games" / "kestrel2.kes").string()), file);
}

TEST(OrdersStateFile, SavedLoadedAndDamageKeptAside)
{
    CTempDir dir;
    const std::string file = (dir.Path() / "orders" / "g.txt").string();
    std::string message;
    EXPECT_EQ(LoadOrdersState(file, message), CGameOrdersState());
    EXPECT_EQ(message, "");
    ASSERT_TRUE(SaveOrdersState(file, FullState(), message)) << message;
    EXPECT_EQ(LoadOrdersState(file, message), FullState());

    dir.Write("orders/g.txt", "# Kestrane orders state\ndue nonsense\n");
    EXPECT_EQ(LoadOrdersState(file, message), CGameOrdersState());
    EXPECT_EQ(message, "The drafted orders kept for this game in " + file +
                           " are damaged (line 2: no phase: nonsense). The file was kept as " + file +
                           ".damaged; the game starts without drafted orders.");
    EXPECT_EQ(CTempDir::Read(file + ".damaged"), "# Kestrane orders state\ndue nonsense\n");
    EXPECT_FALSE(fs::exists(file));

    CRecordingServices services;
    CKestraneDoc doc(services);
    ASSERT_TRUE(SaveOrdersState(file, FullState(), message));
    EXPECT_EQ(LoadCurrentOrdersState(file, doc, "/g.kes", message).drafts, std::vector<std::string>());
    doc.m_seasons.push_back(std::make_unique<CSeasonHdr>());
    doc.m_seasons.back()->m_strSeason = "F1903B";
    EXPECT_EQ(LoadCurrentOrdersState(file, doc, "/g.kes", message).drafts, FullState().drafts);
}

} // namespace
