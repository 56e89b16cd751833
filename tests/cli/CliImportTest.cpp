#include "CliFixture.h"
#include "support/RowName.h"

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// --- import ---------------------------------------------------------------------

TEST_F(CliBinary, ImportFilesAYearAndRewritesTheReports)
{
    ImportYear();
    EXPECT_EQ(Cli({"seasons", Game()}).out, kYearSeasons);
    // The wrapped ownership list was joined in the report file itself.
    const std::string fall = CTempDir::Read(m_work.Path() / "3-fall.txt");
    EXPECT_NE(fall.find("England:  Edinburgh, Holland, Liverpool, London."), std::string::npos) << fall;
}

struct RejectRow {
    const char* name;
    std::string report;
    std::string message;
};

class CliBinaryReject : public CliBinary, public testing::WithParamInterface<RejectRow> {};

TEST_P(CliBinaryReject, LeavesTheGameByteIdentical)
{
    ImportYear();
    const std::string before = GameBytes();
    const CCliRun run = Cli({"import", Game(), Report("rejected.txt", GetParam().report)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, GetParam().message);
    EXPECT_EQ(GameBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, CliBinaryReject,
    testing::Values(
        RejectRow{"DifferentGame", cligame::OtherGameReport(),
                  "kestrane: exclamation: The data in this import file is from a different Game. Rejecting data.\n"},
        RejectRow{"DifferentJudge",
                  ":: Judge: ELSE  Game: kt  Variant: Standard\n:: Deadline: S1902M Mon\n\nMovement results\n",
                  "kestrane: exclamation: The data in this import file is from a different Judge. Rejecting data.\n"},
        RejectRow{"SeasonTwice", cligame::SpringMovement(),
                  "kestrane: exclamation: This Season S1901M has been imported previously, data rejected.\n"},
        RejectRow{"RemovalOfNoUnitClosesTheGame",
                  cligame::Header("S1901B", "Mon") + "Adjustment orders\nGermany: Removes the army in Berlin.\n",
                  "kestrane: exclamation: Could not find position\n"}),
    RowName());

TEST_F(CliBinary, ReportWithoutHeaderFilesNothing)
{
    ImportYear();
    const CCliRun run = Cli({"import", Game(), Report("h.txt", "Movement results for Spring of 1902.\n")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: Could not find a valid header, this file may be corrupt.\n");
    EXPECT_EQ(Cli({"seasons", Game()}).out, kYearSeasons);
}

TEST_F(CliBinary, NoticeWithoutHeaderFailsWithAReason)
{
    NewGame();
    const std::string notice = Report("notice.txt", "A new player has signed on to game 'kt'.\n");
    const CCliRun run = Cli({"import", Game(), notice});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: The file notice.txt has no Judge header line (\":: Judge:\"), so it holds nothing "
                       "to import.\n");

    // A batch that files nothing at all fails too; its summary says why.
    const CCliRun batch = Cli({"import", "--batch", Game(), "-"}, "just a notice\n");
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.out.substr(0, batch.out.find('\n') + 1), "0 seasons filed from 1 mail.\n");
    EXPECT_NE(batch.out.find("not a Judge mail"), std::string::npos) << batch.out;
}

TEST_F(CliBinary, MissingReportFileFailsAndLaterReportsStillCount)
{
    NewGame();
    const CCliRun run =
        Cli({"import", Game(), (m_work.Path() / "absent.txt").string(), Report("s.txt", cligame::GameStart())});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: Cannot open file, is this file read-only?\n");
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tMon Jan 12 2004 23 30 -0500 \n");
}

TEST_F(CliBinary, AReportRejectedAfterAnAcceptedOneDoesNotLoseIt)
{
    NewGame();
    const CCliRun run = Cli(
        {"import", Game(), Report("s.txt", cligame::GameStart()), Report("o.txt", cligame::OtherGameReport())});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tMon Jan 12 2004 23 30 -0500 \n");
}

TEST_F(CliBinary, UnknownProvinceIsAnInformationAndTheReportIsTaken)
{
    NewGame();
    std::string start = cligame::GameStart();
    start.replace(start.find("Army  Munich"), 12, "Army  Atlantis");
    const CCliRun run = Cli({"import", Game(), Report("s.txt", start)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "kestrane: information: Could not recognise province ATLANTIS, province data discarded.\n");
}

TEST_F(CliBinary, StandardInputUsesTheClipboardForm)
{
    NewGame();
    // Text before ":: Judge:" makes a header for a file but not for the clipboard.
    const std::string quoted = "> " + cligame::GameStart();
    const CCliRun clipboard = Cli({"import", Game(), "-"}, quoted);
    EXPECT_EQ(clipboard.status, 1);
    EXPECT_EQ(clipboard.err, "kestrane: Could not find a valid header, this file may be corrupt.\n");

    const CCliRun empty = Cli({"import", Game(), "-"}, "");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "kestrane: No text to import\n");

    const CCliRun plain = Cli({"import", Game(), "-"}, cligame::GameStart());
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tMon Jan 12 2004 23 30 -0500 \n");

    const CCliRun file = Cli({"import", Game(), Report("q.txt", "> " + cligame::SpringMovement())});
    EXPECT_EQ(file.status, 0) << file.err;
}

// A mailbox of the whole year, each mail with its own mail header lines,
// in an order no import could take them.
std::string ShuffledMailbox()
{
    auto mail = [](const std::string& subject, const std::string& body) {
        return "From judge@example.org Mon Jan 12 00:00:00 2004\nSubject: " + subject + "\n\n" + body + "\n";
    };
    return mail("TEST:kt - F1901B", cligame::WinterAdjustments()) +
           mail("TEST:kt - F1901M", cligame::FallMovement()) + mail("TEST:kt - start", cligame::GameStart()) +
           mail("TEST:kt - F1901R", cligame::FallRetreats()) + mail("TEST:kt - S1901M", cligame::SpringMovement());
}

TEST_F(CliBinary, BatchFilesAShuffledYearLikeImportsInOrder)
{
    ImportYear();
    const std::string inOrder = GameBytes();
    fs::remove(Game());

    NewGame();
    const std::string mailbox = Report("mailbox.txt", ShuffledMailbox());
    const CCliRun run = Cli({"import", "--batch", Game(), mailbox});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Cli({"seasons", Game()}).out, kYearSeasons);
    EXPECT_EQ(GameBytes(), inOrder);
    EXPECT_EQ(CTempDir::Read(mailbox), ShuffledMailbox());
}

TEST_F(CliBinary, BatchFromStandardInput)
{
    NewGame();
    const CCliRun run = Cli({"import", "--batch", Game(), "-"}, ShuffledMailbox());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Cli({"seasons", Game()}).out, kYearSeasons);
}

TEST_F(CliBinary, BatchWithAnotherGamesMailKeepsTheOthers)
{
    NewGame();
    // A mailbox holds mail of several games: the other game's is skipped
    // and named in the summary, and that is no failure.
    const CCliRun run =
        Cli({"import", "--batch", Game(), Report("m.txt", cligame::GameStart() + cligame::OtherGameReport())});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "1 season filed from 2 mails: S1900M.\n");
    EXPECT_NE(run.out.find("another Judge or game"), std::string::npos) << run.out;
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tMon Jan 12 2004 23 30 -0500 \n");
}

TEST_F(CliBinary, BatchSummaryCountsTheSkippedMailsAndListsThemWhenVerbose)
{
    NewGame();
    const std::string mail = cligame::GameStart() + cligame::OtherGameReport() + cligame::OtherGameReport();
    const CCliRun grouped = Cli({"import", "--batch", Game(), Report("m.txt", mail)});
    EXPECT_EQ(grouped.out, "1 season filed from 3 mails: S1900M.\n2 mails skipped: 2 from other Judges or games.\n");
    EXPECT_EQ(grouped.err, "");

    fs::remove(Game());
    NewGame();
    const CCliRun verbose = Cli({"import", "--batch", "--verbose", Game(), Report("m.txt", mail)});
    EXPECT_NE(verbose.out.find("m.txt, report 3 of 3: from another Judge or game\n"), std::string::npos)
        << verbose.out;
    EXPECT_EQ(std::count(verbose.err.begin(), verbose.err.end(), '\n'), 2) << verbose.err;
}

// A report refused for its season chain once named the game after its own
// Judge, and the right game's reports were refused after it.
TEST_F(CliBinary, ARefusedReportLeavesTheGameAsItWas)
{
    std::string spring = cligame::SpringMovement();
    spring.replace(0, spring.find('\n'), ":: Judge: USEF  Game: right  Variant: Standard");
    NewGame();
    ASSERT_EQ(Cli({"import", Game(), Report("alone.txt", spring)}).status, 0);
    const std::string alone = GameBytes();
    fs::remove(Game());

    NewGame();
    const std::string retreat = ":: Judge: OTHER  Game: wrong  Variant: Standard\n:: Deadline: F1901R Mon\n\n"
                                "Retreat orders for Fall of 1901.\n";
    const CCliRun run = Cli({"import", Game(), Report("other.txt", retreat), Report("spring.txt", spring)});
    EXPECT_EQ(run.err, "kestrane: exclamation: Cannot import Retreat F1901R since no corresponding move data for "
                       "F1901M exists, data rejected.\n");
    EXPECT_EQ(GameBytes(), alone);
}

} // namespace
