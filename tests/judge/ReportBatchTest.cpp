#include "judge/ReportBatch.h"
#include "mailbox/ImportSummaryText.h"
#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "support/SeasonSnapshot.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

// The batch import: many reports in any order, filed in game order through
// the file import's path, every message collected into one summary.

namespace {

using importchecks::Replaced;

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const fs::path kDataDir = fs::path(KESTRANE_SOURCE_DIR) / "data";
const fs::path kSamples = kDataDir / "samples";
const fs::path kJudgeSamples = fs::path(KESTRANE_SHARED_DIR) / "judge-samples";

// The sample game year, in the order it is played.
const Strings kYearFiles{"1-S1901M-game-start.txt", "2-S1901M-movement.txt", "3-F1901M-movement.txt",
                         "4-F1901R-retreats.txt", "5-F1901B-adjustments.txt"};
const Strings kYearSeasons{"S1900M", "S1901M", "F1901M", "F1901R", "F1901B"};

CReportText Mail(const fs::path& path)
{
    return {CTempDir::Read(path), "Results", "Mon, 12 Jan 2004", path.filename().string()};
}

std::vector<CReportText> YearMails(const std::vector<size_t>& order)
{
    std::vector<CReportText> mails;
    for (size_t i : order)
        mails.push_back(Mail(kSamples / kYearFiles[i]));
    return mails;
}

std::vector<ReportOutcome> Outcomes(const CBatchSummary& summary)
{
    std::vector<ReportOutcome> outcomes;
    for (const CReportResult& report : summary.reports)
        outcomes.push_back(report.outcome);
    return outcomes;
}

class ReportBatchTest : public ::testing::Test {
protected:
    ReportBatchTest() { EXPECT_TRUE(doc.OnNewDocument("Standard.map")); }

    CRecordingServices services{kDataDir.string()};
    CKestraneDoc doc{services};
};

TEST_F(ReportBatchTest, ShuffledYearFilesLikeImportsInOrder)
{
    // The same year imported file by file, in order, as the reference.
    CRecordingServices ownServices(kDataDir.string());
    CKestraneDoc reference(ownServices);
    ASSERT_TRUE(reference.OnNewDocument("Standard.map"));
    CTempDir dir;
    for (const std::string& file : kYearFiles)
        reference.OnImport(dir.Write(file, CTempDir::Read(kSamples / file)).string());
    ASSERT_TRUE(ownServices.messages.empty()) << ::testing::PrintToString(ownServices.Texts());

    const CBatchSummary summary = ImportReportBatch(doc, YearMails({4, 2, 0, 3, 1}));

    EXPECT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
    EXPECT_EQ(Outcomes(summary), std::vector<ReportOutcome>(5, ReportOutcome::Filed));
    EXPECT_EQ(summary.SeasonsFiled(), 5);
    EXPECT_EQ(importchecks::SeasonNames(doc), kYearSeasons);
    EXPECT_EQ(seasonsnapshot::Take(doc), seasonsnapshot::Take(reference));
    EXPECT_EQ(doc.WriteDocument(), reference.WriteDocument());
    // Each report is listed under its own file, in the order it was filed.
    Strings origins;
    for (const CReportResult& report : summary.reports) {
        origins.push_back(report.origin);
        EXPECT_EQ(report.subject, "Results");
    }
    EXPECT_EQ(origins, kYearFiles);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ReportBatchTest, OneTextHoldingTheYearIsSplitIntoItsMails)
{
    std::string mailbox;
    for (size_t i : {3, 1, 4, 0, 2})
        mailbox += "From judge@example.org Mon Jan 12 00:00:00 2004\nSubject: results\n\n" +
                   CTempDir::Read(kSamples / kYearFiles[i]) + "\n";
    const CBatchSummary summary = ImportReportBatch(doc, {{mailbox, "", "", "judge.mbox"}});
    EXPECT_EQ(Outcomes(summary), std::vector<ReportOutcome>(5, ReportOutcome::Filed));
    EXPECT_EQ(importchecks::SeasonNames(doc), kYearSeasons);
    EXPECT_EQ(summary.reports.front().origin, "judge.mbox, report 4 of 5");
    EXPECT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
}

// --- Why a report is skipped ----------------------------------------------

struct OutcomeCase {
    const char* name;
    // Seasons of the sample year held before the batch.
    std::vector<size_t> held;
    // The batch's texts, made from the sample year.
    std::function<std::vector<CReportText>()> texts;
    std::vector<ReportOutcome> outcomes;
    // The first message of the first report that is not filed.
    std::string message;
};

void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.name; }

const std::string kStart = (kSamples / "1-S1901M-game-start.txt").string();
const std::string kSpring = (kSamples / "2-S1901M-movement.txt").string();

const OutcomeCase kOutcomeCases[] = {
    {"AlreadyImported", {0}, [] { return std::vector<CReportText>{Mail(kStart)}; }, {ReportOutcome::AlreadyImported},
     "This Season S1900M has been imported previously,\ndata rejected."},
    {"AnotherGame", {0}, [] {
         return std::vector<CReportText>{
             {Replaced(CTempDir::Read(kSpring), "Game: kestrel", "Game: falcon"), "", "", "falcon.txt"}};
     },
     {ReportOutcome::AnotherGame}, "The data in this import file is from a different Game.\nRejecting data."},
    {"AnotherJudge", {0}, [] {
         return std::vector<CReportText>{
             {Replaced(CTempDir::Read(kSpring), "Judge: USEF", "Judge: USXX"), "", "", "usxx.txt"}};
     },
     {ReportOutcome::AnotherGame}, "The data in this import file is from a different Judge.\nRejecting data."},
    {"NoResults", {0}, [] {
         const std::string spring = CTempDir::Read(kSpring);
         return std::vector<CReportText>{{spring.substr(0, spring.find("Movement results")), "", "", "status.txt"}};
     },
     {ReportOutcome::NoResults},
     "This mail from Judge USEF about game kestrel, S1901M (Spring 1901 Movement), holds no results to import: it "
     "is an orders status, a reply or a notice.\nNothing was imported."},
    {"NotJudgeMail", {0}, [] { return std::vector<CReportText>{{"Lunch on Friday?\n", "", "", "note.txt"}}; },
     {ReportOutcome::NotJudgeMail}, "note.txt has no Judge header line (\":: Judge:\"), so it holds nothing to import."},
    {"RetreatWithoutMovement", {0, 1}, [] { return YearMails({3}); }, {ReportOutcome::Rejected},
     "Cannot import Retreat F1901R since no corresponding move data for F1901M exists,\ndata rejected."},
    {"SkippedMailKeepsTheOthers", {0}, [] {
         std::vector<CReportText> texts = YearMails({1, 2});
         texts.insert(texts.begin() + 1, {"Lunch on Friday?\n", "", "", "note.txt"});
         return texts;
     },
     {ReportOutcome::NotJudgeMail, ReportOutcome::Filed, ReportOutcome::Filed},
     "note.txt has no Judge header line (\":: Judge:\"), so it holds nothing to import."},
};

class ReportBatchOutcome : public ReportBatchTest, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(ReportBatchOutcome, SaysWhyAndKeepsTheGame)
{
    const OutcomeCase& c = GetParam();
    for (size_t i : c.held) {
        CTempDir dir;
        doc.OnImport(dir.Write("r.txt", CTempDir::Read(kSamples / kYearFiles[i])).string());
    }
    doc.SetModifiedFlag(false);
    ASSERT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
    const Strings seasonsBefore = importchecks::SeasonNames(doc);
    const std::string savedBefore = doc.WriteDocument();

    const CBatchSummary summary = ImportReportBatch(doc, c.texts());

    EXPECT_TRUE(services.messages.empty()) << "a batch shows no message box";
    EXPECT_EQ(services.closeRequests, 0);
    EXPECT_EQ(Outcomes(summary), c.outcomes);
    const auto skipped = std::find_if(summary.reports.begin(), summary.reports.end(),
                                      [](const CReportResult& r) { return r.outcome != ReportOutcome::Filed; });
    ASSERT_NE(skipped, summary.reports.end());
    ASSERT_FALSE(skipped->messages.empty());
    EXPECT_EQ(skipped->messages.front(), c.message);
    EXPECT_EQ(skipped->messages.size(), skipped->icons.size());
    EXPECT_TRUE(skipped->seasons.empty());
    // The summary names the skipped mail, why, and the message in one line.
    const std::string text = ImportSummaryText(summary, {}, SummaryDetail::Full);
    EXPECT_NE(text.find(skipped->origin), std::string::npos) << text;
    EXPECT_NE(text.find(std::string(": ") + ReportOutcomeText(skipped->outcome) + "\n"), std::string::npos) << text;
    std::string oneLine = c.message;
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    EXPECT_NE(text.find("    " + oneLine + "\n"), std::string::npos) << text;
    if (summary.SeasonsFiled() == 0) {
        EXPECT_EQ(importchecks::SeasonNames(doc), seasonsBefore);
        EXPECT_EQ(doc.WriteDocument(), savedBefore);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(text.substr(0, text.find('\n')),
                  "0 seasons filed from " + std::to_string(summary.reports.size()) +
                      (summary.reports.size() == 1 ? " mail." : " mails."));
    }
}

INSTANTIATE_TEST_SUITE_P(Batch, ReportBatchOutcome, ::testing::ValuesIn(kOutcomeCases),
                         RowName());

// --- Progress, cancelling and a fatal inconsistency --------------------------

TEST_F(ReportBatchTest, ProgressCountsReportsAndCancelsBetweenThem)
{
    std::vector<std::pair<size_t, size_t>> calls;
    const CBatchSummary summary = ImportReportBatch(doc, YearMails({0, 1, 2, 3, 4}), [&](size_t done, size_t total) {
        calls.emplace_back(done, total);
        return done < 2;
    });
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(calls, (std::vector<std::pair<size_t, size_t>>{{0, 5}, {1, 5}, {2, 5}}));
    EXPECT_EQ(importchecks::SeasonNames(doc), (Strings{"S1900M", "S1901M"}));
    EXPECT_EQ(summary.reports.size(), 2u);
    EXPECT_NE(ImportSummaryText(summary, {}, SummaryDetail::Full).find("cancelled"), std::string::npos);
}

TEST_F(ReportBatchTest, ProgressEndsAtTheTotal)
{
    std::vector<std::pair<size_t, size_t>> calls;
    const CBatchSummary summary = ImportReportBatch(doc, YearMails({1, 0}), [&](size_t done, size_t total) {
        calls.emplace_back(done, total);
        return true;
    });
    EXPECT_FALSE(summary.cancelled);
    EXPECT_EQ(calls, (std::vector<std::pair<size_t, size_t>>{{0, 2}, {1, 2}, {2, 2}}));
    EXPECT_EQ(ImportSummaryText(summary, {}, SummaryDetail::Full).substr(0, ImportSummaryText(summary, {}, SummaryDetail::Full).find('\n')), "2 seasons filed from 2 mails: S1900M, S1901M.");
}

TEST_F(ReportBatchTest, FatalInconsistencyStopsTheBatchAndAsksToClose)
{
    // A removal of a unit the game does not hold leaves the record inconsistent.
    std::string winter = CTempDir::Read(kSamples / kYearFiles[4]);
    const size_t line = winter.find("England:");
    ASSERT_NE(line, std::string::npos);
    winter.insert(line, "Germany: Removes the army in Vienna.\n");
    std::vector<CReportText> texts = YearMails({0, 1, 2, 3});
    texts.push_back({winter, "", "", "winter.txt"});
    std::string nextSpring = Replaced(CTempDir::Read(kSpring), "S1901M", "S1902M");
    texts.push_back({nextSpring, "", "", "spring1902.txt"});

    const CBatchSummary summary = ImportReportBatch(doc, texts);

    ASSERT_EQ(summary.reports.size(), 5u) << "nothing is read after the fatal report";
    EXPECT_EQ(summary.reports.back().outcome, ReportOutcome::Fatal);
    EXPECT_EQ(summary.reports.back().messages, Strings{"Could not find position"});
    EXPECT_EQ(services.closeRequests, 1) << "the close request reaches the window once the batch ended";
    EXPECT_TRUE(services.messages.empty());
}

// --- Real mails without results ---------------------------------------------

TEST_F(ReportBatchTest, RealMailsWithoutResultsAreSkippedEachWithItsReason)
{
    if (!fs::is_directory(kJudgeSamples))
        GTEST_SKIP() << "no judge-samples folder beside the source tree";
    std::vector<CReportText> texts;
    for (const auto& entry : fs::directory_iterator(kJudgeSamples))
        if (entry.path().extension() == ".txt" && entry.path().filename().string().find("starting-position") ==
                                                       std::string::npos)
            texts.push_back(Mail(entry.path()));
    ASSERT_EQ(texts.size(), 10u);
    const CBatchSummary summary = ImportReportBatch(doc, texts);
    EXPECT_EQ(summary.SeasonsFiled(), 0);
    EXPECT_TRUE(doc.m_seasons.empty());
    EXPECT_TRUE(doc.m_strJudge.empty());
    EXPECT_FALSE(doc.IsModified());
    int noResults = 0;
    int notJudge = 0;
    for (const CReportResult& report : summary.reports) {
        SCOPED_TRACE(report.origin);
        EXPECT_EQ(report.messages.size(), 1u);
        noResults += report.outcome == ReportOutcome::NoResults;
        notJudge += report.outcome == ReportOutcome::NotJudgeMail;
    }
    EXPECT_EQ(noResults, 8);
    EXPECT_EQ(notJudge, 2);
}

} // namespace
