#include "mailbox/ImportSummaryText.h"

#include <gtest/gtest.h>

// The words of an import summary: grouped by reason, with only the mails a
// player must act on named, or every mail listed.

namespace {

CReportResult Report(const std::string& origin, ReportOutcome outcome, std::vector<std::string> messages = {})
{
    CReportResult result;
    result.origin = origin;
    result.outcome = outcome;
    result.messages = std::move(messages);
    result.icons.assign(result.messages.size(), MessageIcon::Exclamation);
    return result;
}

CBatchSummary MailboxOfManyGames()
{
    CBatchSummary summary;
    CReportResult spring = Report("box, mail 1", ReportOutcome::Filed, {"Could not recognise province X"});
    spring.seasons = {"S1901M"};
    summary.reports.push_back(spring);
    for (int i = 2; i <= 4; ++i)
        summary.reports.push_back(Report("box, mail " + std::to_string(i), ReportOutcome::AnotherGame, {"other"}));
    summary.reports.push_back(Report("box, mail 5", ReportOutcome::AlreadyImported, {"before"}));
    summary.reports.push_back(Report("box, mail 6", ReportOutcome::NotJudgeMail, {"no header"}));
    summary.reports.push_back(Report("box, mail 7", ReportOutcome::Rejected, {"Cannot import\nRetreat"}));
    return summary;
}

TEST(ImportSummaryText, GroupsTheSkippedMailsAndNamesOnlyTheRefused)
{
    EXPECT_EQ(ImportSummaryText(MailboxOfManyGames(), {"gone.mbox: no such file"}, SummaryDetail::Grouped),
              "1 season filed from 7 mails: S1901M.\n"
              "6 mails skipped: 3 from other Judges or games, 1 already imported, 1 not a Judge mail, 1 refused.\n"
              "\nNot filed:\n  box, mail 7: refused\n    Cannot import Retreat\n"
              "\nFiled with remarks:\n  box, mail 1\n    Could not recognise province X\n"
              "\nCould not be read:\n  gone.mbox: no such file\n");
}

TEST(ImportSummaryText, FullListNamesEveryMailSkipped)
{
    const std::string full = ImportSummaryText(MailboxOfManyGames(), {}, SummaryDetail::Full);
    EXPECT_NE(full.find("\n6 mails skipped:\n"), std::string::npos) << full;
    for (int i = 2; i <= 7; ++i)
        EXPECT_NE(full.find("  box, mail " + std::to_string(i) + ": "), std::string::npos) << full;
    EXPECT_NE(full.find("  box, mail 4: from another Judge or game\n    other\n"), std::string::npos) << full;
}

TEST(ImportSummaryText, NamesOnlyWhatAPlayerMustActOn)
{
    const CBatchSummary summary = MailboxOfManyGames();
    std::vector<bool> named;
    for (const CReportResult& report : summary.reports)
        named.push_back(SummaryNamesReport(report));
    EXPECT_EQ(named, (std::vector<bool>{true, false, false, false, false, false, true}));
}

} // namespace
