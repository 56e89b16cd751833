#include "mailbox/ImportSummaryText.h"

#include <algorithm>
#include <cctype>

namespace {

// Why mails were skipped, in the order the summary counts them. A reason a
// player must act on has its mails named. A new kind of outcome is a new row.
struct CSkipReason {
    ReportOutcome outcome;
    const char* one;
    const char* many;
    bool named;
};

constexpr CSkipReason kSkipReasons[] = {
    {ReportOutcome::AnotherGame, "from another Judge or game", "from other Judges or games", false},
    {ReportOutcome::AlreadyImported, "already imported", "already imported", false},
    {ReportOutcome::NoResults, "without results", "without results", false},
    {ReportOutcome::NotJudgeMail, "not a Judge mail", "not Judge mails", false},
    {ReportOutcome::Rejected, "refused", "refused", true},
    {ReportOutcome::Fatal, "stopping the import", "stopping the import", true},
};

const CSkipReason* ReasonFor(ReportOutcome outcome)
{
    for (const CSkipReason& reason : kSkipReasons)
        if (reason.outcome == outcome)
            return &reason;
    return nullptr;
}

std::string Counted(size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

void AppendMessages(std::string& text, const std::vector<std::string>& messages)
{
    for (const std::string& message : messages) {
        std::string line = message;
        std::replace(line.begin(), line.end(), '\n', ' ');
        text += "    " + line + "\n";
    }
}

std::string Described(const CReportResult& report)
{
    std::string text = "  " + report.origin;
    if (!report.subject.empty())
        text += " (\"" + report.subject + "\")";
    return text;
}

// "214 mails skipped: 180 from other Judges or games, 25 already imported, ...".
std::string SkippedCounts(const std::vector<const CReportResult*>& skipped)
{
    std::string line = Counted(skipped.size(), "mail", "mails") + " skipped";
    const char* separator = ": ";
    for (const CSkipReason& reason : kSkipReasons) {
        const auto n = size_t(std::count_if(skipped.begin(), skipped.end(),
                                            [&](const CReportResult* r) { return r->outcome == reason.outcome; }));
        if (n == 0)
            continue;
        line += separator + Counted(n, reason.one, reason.many);
        separator = ", ";
    }
    return line + ".\n";
}

} // namespace

const char* ReportOutcomeText(ReportOutcome outcome)
{
    switch (outcome) {
    case ReportOutcome::Filed: return "filed";
    case ReportOutcome::AnotherGame: return "from another Judge or game";
    case ReportOutcome::AlreadyImported: return "already imported";
    case ReportOutcome::NoResults: return "no results to import";
    case ReportOutcome::NotJudgeMail: return "not a Judge mail";
    case ReportOutcome::Rejected: return "refused";
    case ReportOutcome::Fatal: return "stopped: the game record is inconsistent";
    }
    return "refused";
}

bool SummaryNamesReport(const CReportResult& report)
{
    if (report.outcome == ReportOutcome::Filed)
        return !report.messages.empty();
    const CSkipReason* reason = ReasonFor(report.outcome);
    return !reason || reason->named;
}

std::string ImportHeadline(const CBatchSummary& summary, size_t unread)
{
    // Counted as the import took them: a text holding several Judge mails
    // (a digest, a history reply) counts each.
    std::string line = Counted(size_t(std::max(0, summary.SeasonsFiled())), "season", "seasons") + " filed from " +
                       Counted(summary.reports.size(), "mail", "mails") + ".";
    if (summary.cancelled)
        line += " Cancelled before the last mail.";
    if (unread > 0)
        line += " " + Counted(unread, "mail or file", "mails or files") + " could not be read.";
    return line;
}

std::string ImportSummaryText(const CBatchSummary& summary, const std::vector<std::string>& unread,
                              SummaryDetail detail)
{
    std::vector<std::string> seasons;
    std::vector<const CReportResult*> skipped;
    std::vector<const CReportResult*> filedWithMessages;
    std::vector<const CReportResult*> statuses;
    for (const CReportResult& report : summary.reports) {
        seasons.insert(seasons.end(), report.seasons.begin(), report.seasons.end());
        if (!report.ordersStatus.empty())
            statuses.push_back(&report);
        else if (report.outcome != ReportOutcome::Filed)
            skipped.push_back(&report);
        else if (!report.messages.empty())
            filedWithMessages.push_back(&report);
    }
    std::string text = Counted(seasons.size(), "season", "seasons") + " filed from " +
                       Counted(summary.reports.size(), "mail", "mails");
    for (size_t i = 0; i < seasons.size(); ++i)
        text += (i == 0 ? ": " : ", ") + seasons[i];
    text += ".\n";
    if (summary.cancelled)
        text += "The import was cancelled; the mails after these were not read.\n";
    // The Judge's replies to orders mails file nothing, yet are what the
    // player most wants to read: each gets its own line.
    for (const CReportResult* report : statuses) {
        std::string line = report->ordersStatus;
        line[0] = char(std::toupper(static_cast<unsigned char>(line[0])));
        text += line + ".\n";
        if (!report->ordersStatusNote.empty())
            AppendMessages(text, {report->ordersStatusNote});
    }

    if (!skipped.empty() && detail == SummaryDetail::Full) {
        text += "\n" + Counted(skipped.size(), "mail", "mails") + " skipped:\n";
        for (const CReportResult* report : skipped) {
            text += Described(*report) + ": " + ReportOutcomeText(report->outcome) + "\n";
            AppendMessages(text, report->messages);
        }
    } else if (!skipped.empty()) {
        text += SkippedCounts(skipped);
        std::vector<const CReportResult*> named;
        std::copy_if(skipped.begin(), skipped.end(), std::back_inserter(named), [](const CReportResult* r) {
            return SummaryNamesReport(*r);
        });
        if (!named.empty())
            text += "\nNot filed:\n";
        for (const CReportResult* report : named) {
            text += Described(*report) + ": " + ReportOutcomeText(report->outcome) + "\n";
            AppendMessages(text, report->messages);
        }
    }
    if (!filedWithMessages.empty()) {
        text += "\nFiled with remarks:\n";
        for (const CReportResult* report : filedWithMessages) {
            text += Described(*report) + "\n";
            AppendMessages(text, report->messages);
        }
    }
    if (!unread.empty()) {
        text += "\nCould not be read:\n";
        for (const std::string& source : unread)
            text += "  " + source + "\n";
    }
    return text;
}
