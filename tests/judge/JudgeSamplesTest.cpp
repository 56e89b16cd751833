#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "support/StandardBoardGame.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

// Real mails of the Judge server, imported from a copy of each file and from
// the clipboard (with the Windows line ends a clipboard gives). The board
// names every province the mails use.

namespace {

using Message = CRecordingServices::Message;
using Strings = std::vector<std::string>;
using importchecks::CScopedEnv;

const std::filesystem::path kSamples = std::filesystem::path(KESTRANE_SHARED_DIR) / "judge-samples";

// What a Judge mail without results says: which Judge, game and season.
const Message kJudgeOnlyReply{"This mail from Judge XXXX holds no results to import: it is an orders status, a "
                              "reply or a notice.\nNothing was imported.",
                              MessageIcon::Information};
const Message kSpringReply{"This mail from Judge XXXX about game Dt, S1901M (Spring 1901 Movement), holds no "
                           "results to import: it is an orders status, a reply or a notice.\nNothing was imported.",
                           MessageIcon::Information};
// A mail without any header line: the message names its source, "{source}"
// stands for "The file <name>" or "The clipboard text".
const Message kNoHeaderLine{"{source} has no Judge header line (\":: Judge:\"), so it holds nothing to import.",
                            MessageIcon::None};

struct SampleCase {
    const char* name;
    const char* file;
    Strings seasons;               // seasons filed
    std::vector<Message> messages; // messages shown
    Strings units;                 // units of the filed season
    size_t orders = 0;             // order lines of the filed season
};

void PrintTo(const SampleCase& c, std::ostream* os) { *os << c.name; }

// Every mail but the game start holds no results: it files nothing and says so once.
const SampleCase kSampleCases[] = {
    {"RegistrationReply", "01-registration-reply-header-only.txt", {}, {kJudgeOnlyReply}, {}},
    {"GameCreated", "02-game-created-master-reply.txt", {}, {kSpringReply}, {}},
    {"SelectedToPlay", "03-signon-selected-to-play-a-power.txt", {}, {kSpringReply}, {}},
    {"NoticeWithoutHeader", "04-new-player-signon-notice-no-header.txt", {}, {kNoHeaderLine}, {}},
    {"GameStart", "05-game-start-starting-position-france.txt", {"S1900M"}, {}, importchecks::kStandardStartUnits, 22},
    {"QuorumNotice", "06-game-start-quorum-notice-custodian.txt", {}, {kSpringReply}, {}},
    {"ObserverReply", "07-observer-broadcast-reply-time-to-deadline.txt", {}, {kSpringReply}, {}},
    {"OrdersStatus", "08-movement-orders-status-no-order-processed.txt", {}, {kSpringReply}, {}},
    {"HeaderInMidMail", "09-takeover-reply-header-in-mid-mail.txt", {}, {kSpringReply}, {}},
    {"TakeoverNotice", "10-takeover-notice-to-master-no-header.txt", {}, {kNoHeaderLine}, {}},
    {"ListReply", "11-list-reply-no-game.txt", {}, {kJudgeOnlyReply}, {}},
};

class JudgeSamplesTest : public ::testing::TestWithParam<std::tuple<SampleCase, bool>>, protected CStandardBoardGame {
protected:
    CTempDir dir;
};

TEST_P(JudgeSamplesTest, ImportsAsTheMailSays)
{
    const auto& [c, fromClipboard] = GetParam();
    const auto source = kSamples / c.file;
    if (!std::filesystem::exists(source))
        GTEST_SKIP() << source << " is not here";
    const std::string mail = CTempDir::Read(source);
    ASSERT_FALSE(mail.empty());

    if (fromClipboard) {
        CScopedEnv xdg("XDG_CACHE_HOME", dir.Str());
        doc.OnImportClipboard(importchecks::WithWindowsLineEnds(mail));
    } else {
        doc.OnImport(dir.Write(c.file, mail).string());
    }

    std::vector<Message> expected = c.messages;
    for (Message& m : expected)
        if (const size_t at = m.text.find("{source}"); at != std::string::npos)
            m.text.replace(at, 8, fromClipboard ? std::string("The clipboard text") : "The file " + std::string(c.file));
    EXPECT_EQ(services.messages, expected);
    EXPECT_EQ(services.closeRequests, 0);
    ASSERT_EQ(importchecks::SeasonNames(doc), c.seasons);
    if (c.seasons.empty())
        return;
    EXPECT_EQ(doc.m_strJudge, "XXXX");
    EXPECT_EQ(doc.m_strGame, "Dt");
    EXPECT_EQ(doc.m_strVariant, "Standard ");
    const CSeasonHdr& season = *doc.m_seasons.front();
    EXPECT_EQ(importchecks::Units(doc, season), c.units);
    EXPECT_EQ(season.m_orders.size(), c.orders);
    EXPECT_TRUE(season.m_dislodged.empty());
    EXPECT_TRUE(importchecks::Centres(doc, season).empty());
}

INSTANTIATE_TEST_SUITE_P(Mails, JudgeSamplesTest,
                         ::testing::Combine(::testing::ValuesIn(kSampleCases), ::testing::Bool()),
                         RowNameAndSource());

TEST(JudgeSamples, EverySampleHasARow)
{
    if (!std::filesystem::exists(kSamples))
        GTEST_SKIP() << kSamples << " is not here";
    for (const auto& entry : std::filesystem::directory_iterator(kSamples)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".txt")
            continue;
        const bool listed = std::any_of(std::begin(kSampleCases), std::end(kSampleCases),
                                        [&](const SampleCase& c) { return name == c.file; });
        EXPECT_TRUE(listed) << name << " has no expectations";
    }
}

} // namespace
