#include "mailbox/MailboxImport.h"

#include "judge/OrdersStatusRecord.h"
#include "mailbox/MailSources.h"
#include "model/KestraneDoc.h"

#include <algorithm>

std::string CMailboxImport::Headline() const
{
    return ImportHeadline(summary, problems.size());
}

std::string CMailboxImport::Text(SummaryDetail detail) const
{
    return ImportSummaryText(summary, problems, detail);
}

bool CMailboxImport::Succeeded() const
{
    const auto any = [this](ReportOutcome outcome) {
        return std::any_of(summary.reports.begin(), summary.reports.end(),
                           [outcome](const CReportResult& r) { return r.outcome == outcome; });
    };
    if (!problems.empty() || summary.cancelled || any(ReportOutcome::Rejected) || any(ReportOutcome::Fatal))
        return false;
    const bool verdict = std::any_of(summary.reports.begin(), summary.reports.end(),
                                     [](const CReportResult& r) { return !r.ordersStatus.empty(); });
    return summary.SeasonsFiled() > 0 || any(ReportOutcome::AlreadyImported) || verdict;
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
    if (texts.empty())
        return result;
    result.summary = ImportReportBatch(doc, texts, progress);
    // A fatal stop leaves a game not to be trusted: nothing is kept from it.
    const bool fatal = !result.summary.reports.empty() && result.summary.reports.back().outcome == ReportOutcome::Fatal;
    if (!fatal) {
        const CImportRecord record =
            RecordImport(OrdersStateFileOfGame(doc), doc, texts, result.summary);
        if (!record.message.empty())
            doc.Services().ShowMessage(record.message, MessageIcon::Exclamation);
    }
    return result;
}

std::vector<std::string> FiledSeasons(const CMailboxImport& import)
{
    std::vector<std::string> seasons;
    for (const CReportResult& report : import.summary.reports)
        seasons.insert(seasons.end(), report.seasons.begin(), report.seasons.end());
    return seasons;
}
