#include "mailbox/MailboxImport.h"

#include "mailbox/MailSources.h"

#include <algorithm>

namespace {

std::string Counted(size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string CMailboxImport::Headline() const
{
    // Counted as the import took them: a text holding several Judge mails
    // (a digest, a history reply) counts each.
    std::string line = Counted(size_t(std::max(0, summary.SeasonsFiled())), "season", "seasons") +
                       " filed from " + Counted(summary.reports.size(), "mail", "mails") + ".";
    if (summary.cancelled)
        line += " Cancelled before the last mail.";
    if (!problems.empty())
        line += " " + Counted(problems.size(), "mail or file", "mails or files") + " could not be read.";
    return line;
}

std::string CMailboxImport::Text() const
{
    std::string text = summary.Text();
    if (!problems.empty()) {
        if (!text.empty() && text.back() != '\n')
            text += '\n';
        if (!text.empty())
            text += '\n';
        text += "Could not be read:\n";
        for (const std::string& problem : problems)
            text += "  " + problem + "\n";
    }
    return text;
}

bool CMailboxImport::Succeeded() const
{
    const auto any = [this](ReportOutcome outcome) {
        return std::any_of(summary.reports.begin(), summary.reports.end(),
                           [outcome](const CReportResult& r) { return r.outcome == outcome; });
    };
    if (!problems.empty() || summary.cancelled || any(ReportOutcome::Rejected) || any(ReportOutcome::Fatal))
        return false;
    return summary.SeasonsFiled() > 0 || any(ReportOutcome::AlreadyImported);
}

CMailboxImport ImportMailSources(CKestraneDoc& doc, const std::vector<std::string>& paths,
                                 const std::function<bool(size_t, size_t)>& progress)
{
    std::vector<std::string> problems;
    const std::vector<CReportText> texts = ReadMailSources(paths, problems);
    return ImportMailTexts(doc, texts, std::move(problems), progress);
}

CMailboxImport ImportMailTexts(CKestraneDoc& doc, const std::vector<CReportText>& texts,
                               std::vector<std::string> problems, const std::function<bool(size_t, size_t)>& progress)
{
    CMailboxImport result;
    result.mails = texts.size();
    result.problems = std::move(problems);
    if (!texts.empty())
        result.summary = ImportReportBatch(doc, texts, progress);
    return result;
}
