#include "judge/HistoryReply.h"
#include "judge/ReportBatch.h"
#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/JudgeGameFiles.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "support/SeasonSnapshot.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

// The Judge's replies to "history" requests at the end of the kestrel game:
// each phase they hold is filed as the phase's own mail files it.

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const fs::path kDataDir = fs::path(KESTRANE_SOURCE_DIR) / "data";

std::string Reply(const std::string& file)
{
    return CTempDir::Read(judgefiles::GameFolder("kestrel-history") / file);
}

bool HistoryThere()
{
    std::error_code ec;
    return fs::is_directory(judgefiles::GameFolder("kestrel-history"), ec) &&
           !judgefiles::ResultMails("kestrel").empty();
}

// A new standard game holding the first `count` mails of kestrel, imported
// one by one from files.
class CMailGame {
public:
    explicit CMailGame(size_t count)
    {
        EXPECT_TRUE(doc.OnNewDocument("Standard.map"));
        const auto mails = judgefiles::ResultMails("kestrel");
        for (size_t i = 0; i < count && i < mails.size(); ++i)
            doc.OnImport(dir.Write(mails[i].file, mails[i].body).string());
        EXPECT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
        services.Clear();
    }

    CTempDir dir;
    CRecordingServices services{kDataDir.string()};
    CKestraneDoc doc{services};
};

TEST(HistoryReply, RecognisedByItsTitleBelowAHeader)
{
    if (!HistoryThere())
        GTEST_SKIP() << "the history replies are not beside the repository";
    for (const char* file : {"history-full-reply.txt", "history-range-reply.txt", "history-exclstart-reply.txt",
                             "history-lines-reply.txt"})
        EXPECT_TRUE(IsHistoryReply(Reply(file))) << file;
    for (const char* file : {"summary-reply.txt", "summary-player-reply.txt"})
        EXPECT_FALSE(IsHistoryReply(Reply(file))) << file;
    EXPECT_FALSE(IsHistoryReply(judgefiles::ResultMails("kestrel").front().body));
    EXPECT_FALSE(IsHistoryReply("History information for game 'kestrel' from a quoted line\n"));
}

TEST(HistoryReply, EntriesBecomeReportsWithTheDeadlineAnnouncedBefore)
{
    if (!HistoryThere())
        GTEST_SKIP() << "the history replies are not beside the repository";
    // Each result entry's header must be the header of the phase's own mail.
    const auto mails = judgefiles::ResultMails("kestrel");
    Strings headers;
    for (const CReportPiece& piece : SplitHistoryReply(Reply("history-full-reply.txt")))
        if (piece.subject.find("Results") != std::string::npos || piece.subject.find("Game Starting") != std::string::npos)
            headers.push_back(piece.text.substr(0, piece.text.find('\n', piece.text.find('\n') + 1)));
    Strings expected;
    for (const auto& mail : mails) {
        // The mails start with an empty line and end their deadline line with blanks.
        std::string head = mail.body.substr(1, mail.body.find('\n', mail.body.find('\n', 1) + 1) - 1);
        while (!head.empty() && head.back() == ' ')
            head.pop_back();
        expected.push_back(head);
    }
    EXPECT_EQ(headers, expected);
}

TEST(HistoryReply, FullReplyFilesTheGameAsItsMailsDo)
{
    if (!HistoryThere())
        GTEST_SKIP() << "the history replies are not beside the repository";
    CMailGame mails(15);
    CMailGame history(0);
    CTempDir dir;
    const std::string reply = Reply("history-full-reply.txt");
    const fs::path path = dir.Write("history.txt", reply);
    history.doc.OnImport(path.string());

    // One message: the summary of the seasons filed and the notices skipped.
    ASSERT_EQ(history.services.messages.size(), 1u) << ::testing::PrintToString(history.services.Texts());
    const std::string& summary = history.services.messages.front().text;
    EXPECT_EQ(summary.substr(0, summary.find(':')), "15 seasons filed from 24 mails");
    EXPECT_NE(summary.find("9 mails skipped"), std::string::npos) << summary;
    EXPECT_EQ(importchecks::SeasonNames(history.doc), importchecks::SeasonNames(mails.doc));
    EXPECT_EQ(seasonsnapshot::Take(history.doc), seasonsnapshot::Take(mails.doc));
    EXPECT_TRUE(history.doc.WriteDocument() == mails.doc.WriteDocument()) << "the saved games differ";
    EXPECT_EQ(CTempDir::Read(path), reply) << "the reply was rewritten";
    EXPECT_TRUE(history.doc.IsModified());

    // Imported a second time, every phase is there already.
    history.services.Clear();
    const CBatchSummary again = ImportReportBatch(history.doc, {{reply, "Re: XXXX", "", "history.txt"}});
    EXPECT_EQ(again.SeasonsFiled(), 0);
    size_t already = 0;
    for (const CReportResult& report : again.reports)
        already += report.outcome == ReportOutcome::AlreadyImported;
    EXPECT_EQ(already, 15u);
}

struct PartCase {
    const char* name;
    const char* file;
    size_t mailsHeld;           // kestrel mails imported before the reply
    Strings filed;              // seasons the reply files
    bool firstDeadlineKnown;    // whether an entry before the first result announced its deadline
};

void PrintTo(const PartCase& c, std::ostream* os) { *os << c.name; }

class HistoryReplyPart : public ::testing::TestWithParam<PartCase> {};

TEST_P(HistoryReplyPart, FilesTheSeasonsItHolds)
{
    const PartCase& c = GetParam();
    if (!HistoryThere())
        GTEST_SKIP() << "the history replies are not beside the repository";
    CMailGame reference(15);
    CMailGame game(c.mailsHeld);
    const Strings before = importchecks::SeasonNames(game.doc);

    const CBatchSummary summary = ImportReportBatch(game.doc, {{Reply(c.file), "Re: XXXX", "", c.file}});

    EXPECT_TRUE(game.services.messages.empty());
    Strings filed;
    for (const CReportResult& report : summary.reports) {
        filed.insert(filed.end(), report.seasons.begin(), report.seasons.end());
        if (report.outcome != ReportOutcome::Filed) {
            EXPECT_EQ(report.outcome, ReportOutcome::NoResults) << report.origin << " " << report.subject;
        }
    }
    EXPECT_EQ(filed, c.filed);
    Strings after = before;
    after.insert(after.end(), c.filed.begin(), c.filed.end());
    EXPECT_EQ(importchecks::SeasonNames(game.doc), after);
    for (size_t i = 0; i < c.filed.size(); ++i) {
        SCOPED_TRACE(c.filed[i]);
        const CSeasonHdr* got = game.doc.FindSeason(c.filed[i]);
        const CSeasonHdr* want = reference.doc.FindSeason(c.filed[i]);
        ASSERT_TRUE(got && want);
        EXPECT_EQ(importchecks::Units(game.doc, *got), importchecks::Units(reference.doc, *want));
        EXPECT_EQ(importchecks::Centres(game.doc, *got), importchecks::Centres(reference.doc, *want));
        EXPECT_EQ(got->m_orders, want->m_orders);
        EXPECT_EQ(got->m_dislodged, want->m_dislodged);
        if (i > 0 || c.firstDeadlineKnown)
            EXPECT_EQ(got->m_strDeadline, want->m_strDeadline);
        else
            EXPECT_EQ(got->m_strDeadline, "") << "no entry before it announced the deadline";
    }
}

const Strings kWholeGame{"S1900M", "S1901M", "F1901M", "F1901R", "F1901B", "S1902M", "S1902R", "F1902M",
                         "F1902R", "F1902B", "S1903M", "S1903R", "F1903M", "F1903R", "F1903B"};
const Strings kFromFallRetreats1902{"F1902R", "F1902B", "S1903M", "S1903R", "F1903M", "F1903R", "F1903B"};

const PartCase kPartCases[] = {
    {"Range", "history-range-reply.txt", 5, {"S1902M", "S1902R"}, false},
    {"LastWeek", "history-reply.txt", 8, kFromFallRetreats1902, false},
    {"PlayerDefault", "history-player-default-reply.txt", 8, kFromFallRetreats1902, false},
    {"PlayerFrom", "history-player-from-reply.txt", 0, kWholeGame, true},
    {"ExclstartWithoutGameInHeader", "history-exclstart-reply.txt", 0, kWholeGame, true},
    {"ExclstartBroad", "history-exclstart-broad-reply.txt", 0, kWholeGame, true},
    {"ExclstartExclend", "history-exclstart-exclend-reply.txt", 9,
     {"F1902B", "S1903M", "S1903R", "F1903M", "F1903R", "F1903B"}, false},
    {"LineLimitBeforeAnyResult", "history-lines-reply.txt", 0, {}, true},
};

INSTANTIATE_TEST_SUITE_P(Replies, HistoryReplyPart, ::testing::ValuesIn(kPartCases),
                         RowName());

// --- Small replies made here -------------------------------------------------

// A reply holding one entry under subject, as the Judge sends it.
std::string OneEntryReply(const std::string& subject, const std::string& body)
{
    return "\n:: Judge: XXXX  Game: Kestrel  Variant: Standard\n:: Deadline: S1904M Thu Jan 29 2004\n\n"
           "History information for game 'kestrel' from Thu Jan 08 2004\n\n"
           "Date:    Thu Jan  8 23:00:00 2004 (1073602800)\nSubject: " +
           subject + "\n\n" + body + "\n---- History terminated\n";
}

struct EntryCase {
    const char* name;
    std::string subject;
    std::string body;
    std::string deadlineLine; // the second line of the report the entry becomes
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

class HistoryEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(HistoryEntry, TakesItsPhaseFromItsSubjectElseFromItsTitle)
{
    const EntryCase& c = GetParam();
    const std::string reply = OneEntryReply(c.subject, c.body);
    ASSERT_TRUE(IsHistoryReply(reply));
    const std::vector<CReportPiece> pieces = SplitHistoryReply(reply);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].subject, c.subject);
    const std::string& text = pieces[0].text;
    const size_t second = text.find('\n') + 1;
    EXPECT_EQ(text.substr(0, second), ":: Judge: XXXX  Game: Kestrel  Variant: Standard\n");
    EXPECT_EQ(text.substr(second, text.find('\n', second) - second), c.deadlineLine);
}

const EntryCase kEntryCases[] = {
    {"PhaseOfTheSubject", "XXXX:kestrel - F1902M Results", "Movement results for Spring of 1902.\n",
     ":: Deadline: F1902M "},
    {"MovementTitle", "Re: the results", "Movement results for Spring of 1902.\n", ":: Deadline: S1902M "},
    {"RetreatTitle", "Re: the results", "Retreat results for Fall of 1902.\n", ":: Deadline: F1902R "},
    {"AdjustmentTitle", "Re: the results", "Adjustment results for Winter of 1902.\n", ":: Deadline: F1902B "},
    {"GameStartWithItsOwnDeadline", "XXXX:kestrel - S1901M Game Starting",
     "You have been selected as France.\nStarting position for Spring of 1901.\n"
     "The deadline for the first orders is Tue Jan 06 2004.\n",
     ":: Deadline: S1901M Tue Jan 06 2004"},
    {"NoticeWithoutPhase", "XXXX:kestrel - notice", "A player has signed on.\n", ""},
};

INSTANTIATE_TEST_SUITE_P(Entries, HistoryEntry, ::testing::ValuesIn(kEntryCases),
                         RowName());

} // namespace
