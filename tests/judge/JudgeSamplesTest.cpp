#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"
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

const Message kNoSeason{"This report names no valid season on its deadline line,\ndata rejected.",
                        MessageIcon::Exclamation};

struct SampleCase {
    const char* name;
    const char* file;
    Strings seasons;               // seasons filed
    std::vector<Message> messages; // messages shown
    Strings units;                 // units of the filed season
    size_t orders = 0;             // order lines of the filed season
};

void PrintTo(const SampleCase& c, std::ostream* os) { *os << c.name; }

// The units the game-start mail lists, power by power, as it lists them.
const Strings kStartingUnits{
    "AUSTRIA ARMY VIENNA",        "AUSTRIA ARMY BUDAPEST",  "AUSTRIA FLEET TRIESTE", "ENGLAND FLEET LONDON",
    "ENGLAND FLEET EDINBURGH",    "ENGLAND ARMY LIVERPOOL", "FRANCE ARMY PARIS",     "FRANCE ARMY MARSEILLES",
    "FRANCE FLEET BREST",         "GERMANY ARMY BERLIN",    "GERMANY ARMY MUNICH",   "GERMANY FLEET KIEL",
    "ITALY ARMY ROME",            "ITALY ARMY VENICE",      "ITALY FLEET NAPLES",    "RUSSIA ARMY MOSCOW",
    "RUSSIA ARMY WARSAW",         "RUSSIA FLEET ST PETERSBURGSC", "RUSSIA FLEET SEVASTOPOL",
    "TURKEY ARMY CONSTANTINOPLE", "TURKEY ARMY SMYRNA",     "TURKEY FLEET ANKARA"};

const SampleCase kSampleCases[] = {
    {"RegistrationReply", "01-registration-reply-header-only.txt", {}, {kNoSeason}, {}},
    {"GameCreated", "02-game-created-master-reply.txt", {"S1901M"}, {}, {}},
    {"SelectedToPlay", "03-signon-selected-to-play-a-power.txt", {"S1901M"}, {}, {}},
    {"NoticeWithoutHeader", "04-new-player-signon-notice-no-header.txt", {}, {}, {}},
    {"GameStart", "05-game-start-starting-position-france.txt", {"S1900M"}, {}, kStartingUnits, 22},
    {"QuorumNotice", "06-game-start-quorum-notice-custodian.txt", {"S1901M"}, {}, {}},
    {"ObserverReply", "07-observer-broadcast-reply-time-to-deadline.txt", {"S1901M"}, {}, {}},
    {"OrdersStatus", "08-movement-orders-status-no-order-processed.txt", {"S1901M"}, {}, {}},
    {"HeaderInMidMail", "09-takeover-reply-header-in-mid-mail.txt", {"S1901M"}, {}, {}},
    {"TakeoverNotice", "10-takeover-notice-to-master-no-header.txt", {}, {}, {}},
    {"ListReply", "11-list-reply-no-game.txt", {}, {kNoSeason}, {}},
};

class JudgeSamplesTest : public ::testing::TestWithParam<std::tuple<SampleCase, bool>> {
protected:
    JudgeSamplesTest() { importboard::FillStandardBoard(doc); }

    CTempDir dir;
    CRecordingServices services;
    CKestraneDoc doc{services};
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

    EXPECT_EQ(services.messages, c.messages);
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
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Clipboard" : "File");
                         });

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
