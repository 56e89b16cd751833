#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

// The orders state of a game and the file that keeps it beside the settings.

namespace {

namespace fs = std::filesystem;

CGameOrdersState FullState()
{
    return {"/games/kestrel.kes",
            "F1903B",
            MakePhaseDue("S1904M", "Movement for Spring of 1904", "Thu Jan 29 2004 23:30:00 +0000"),
            {"A Vienna - Trieste", "F Tri S A Ven 100%\nsignoff", ""},
            {"signon Akestrel p\xE4", "signoff"},
            ParseIsoUtc("2004-01-28T14:02:00Z"),
            {"Austria: Army Vienna -> Trieste."},
            {"A Tri H"},
            "F1903M",
            {"later-entry kept"}};
}

struct StateCase {
    const char* name;
    std::string text;
    const char* problem; // nullptr: read as FullState
};

class OrdersStateText : public testing::TestWithParam<StateCase> {};

TEST_P(OrdersStateText, ReadOrRefusedWithWhere)
{
    std::string problem;
    const auto state = ReadOrdersState(GetParam().text, problem);
    EXPECT_EQ(problem, GetParam().problem ? GetParam().problem : "");
    EXPECT_EQ(state, GetParam().problem ? std::nullopt : std::optional(FullState()));
}

const std::string kHead = "# Kestrane orders state\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, OrdersStateText,
    testing::Values(StateCase{"AsWritten", WriteOrdersState(FullState()), nullptr},
                    StateCase{"Empty", "", "the file is empty"},
                    StateCase{"OtherFile", "[General]\nZoomToFit=1\n", "line 1: not a file of drafted orders"},
                    StateCase{"NotAnEntry", kHead + "Draft A Vie\n", "line 2: not an entry"},
                    StateCase{"BadPhase", kHead + "due S19O4M\n", "line 2: no phase: S19O4M"},
                    StateCase{"BadTime", kHead + "\nsent yesterday\n", "line 3: no time: yesterday"},
                    StateCase{"ZeroByte", kHead + std::string("draft A\0B\n", 10), "line 2: holds a zero byte"}),
    RowName());

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
    ASSERT_TRUE(SaveOrdersState(file, FullState(), message)) << message;
    EXPECT_EQ(LoadOrdersState(file, message), FullState());
    EXPECT_EQ(message, "");

    dir.Write("orders/g.txt", kHead + "due nonsense\n");
    EXPECT_EQ(LoadOrdersState(file, message), CGameOrdersState());
    EXPECT_EQ(message, "The drafted orders kept for this game in " + file +
                           " are damaged (line 2: no phase: nonsense). The file was kept as " + file +
                           ".damaged; the game starts without drafted orders.");
    EXPECT_EQ(CTempDir::Read(file + ".damaged"), kHead + "due nonsense\n");

    // A state is the game's only while the game's latest season is its own.
    CRecordingServices services;
    CKestraneDoc doc(services);
    ASSERT_TRUE(SaveOrdersState(file, FullState(), message));
    const CGameOrdersState moved = LoadCurrentOrdersState(file, doc, "/g.kes", message);
    EXPECT_TRUE(moved.drafts.empty() && moved.sentMail.empty());
    EXPECT_EQ(moved.earlierDrafts, FullState().drafts);
    EXPECT_EQ(moved.earlierPhase, FullState().due->phase);
    doc.m_seasons.push_back(std::make_unique<CSeasonHdr>());
    doc.m_seasons.back()->m_strSeason = "F1903B";
    EXPECT_EQ(LoadCurrentOrdersState(file, doc, "/g.kes", message).drafts, FullState().drafts);
}

} // namespace
