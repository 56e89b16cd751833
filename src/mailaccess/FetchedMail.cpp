#include "mailaccess/FetchedMail.h"

#include "mailbox/MailMessage.h"

#include <algorithm>

std::string FetchedOrigin(const CMailAccount& account, uint32_t uid)
{
    return account.m_strServer + " " + account.m_strFolder + ", message " + std::to_string(uid);
}

std::vector<CReportText> FetchedReportTexts(const CMailboxFetch& fetch, const CMailAccount& account,
                                            std::vector<std::string>& problems)
{
    std::vector<CReportText> texts;
    for (const CFetchedMail& mail : fetch.mails) {
        const std::string origin = FetchedOrigin(account, mail.uid);
        std::string problem;
        if (auto text = ReadMailMessage(mail.bytes, origin, &problem))
            texts.push_back(std::move(*text));
        else
            problems.push_back(origin + ": " + (problem.empty() ? std::string("no text to import") : problem));
    }
    return texts;
}

CMailboxImport ImportFetchedMail(CKestraneDoc& doc, const CMailboxFetch& fetch, const CMailAccount& account,
                                 const std::function<bool(size_t, size_t)>& progress)
{
    std::vector<std::string> problems;
    std::vector<CReportText> texts = FetchedReportTexts(fetch, account, problems);
    return ImportMailTexts(doc, texts, std::move(problems), progress);
}

bool MarkMayAdvance(const CMailboxImport& import)
{
    if (import.summary.cancelled)
        return false;
    return std::none_of(import.summary.reports.begin(), import.summary.reports.end(),
                        [](const CReportResult& report) { return report.outcome == ReportOutcome::Fatal; });
}
