#include "cli/CliServices.h"

#include "mailbox/ImportSummaryText.h"

void PrintImportSummary(std::ostream& out, std::ostream& err, const CBatchSummary& summary,
                        const std::vector<std::string>& unread, bool verbose)
{
    // A large mailbox is mostly other games' mail: without verbose only the
    // mails a player must look at have their messages printed.
    for (const CReportResult& report : summary.reports) {
        if (!verbose && !SummaryNamesReport(report))
            continue;
        for (size_t i = 0; i < report.messages.size(); ++i)
            err << CCliServices::FormatMessage(report.messages[i],
                                               i < report.icons.size() ? report.icons[i] : MessageIcon::None)
                << '\n';
    }
    err.flush();
    std::string text = ImportSummaryText(summary, unread, verbose ? SummaryDetail::Full : SummaryDetail::Grouped);
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    out << text;
    out.flush();
}

CCliServices::CCliServices(std::ostream& out, std::ostream& err, std::string installDir)
    : m_out(out), m_err(err), m_strInstallDir(std::move(installDir))
{
}

void CCliServices::ShowImportSummary(const CBatchSummary& summary)
{
    ++m_nMessages;
    PrintImportSummary(m_out, m_err, summary, {}, m_bVerbose);
}

std::string CCliServices::FormatMessage(std::string_view text, MessageIcon icon)
{
    std::string line = "kestrane: ";
    if (icon == MessageIcon::Exclamation)
        line += "exclamation: ";
    else if (icon == MessageIcon::Information)
        line += "information: ";
    // One message is one line, so a script can read messages line by line:
    // CR LF, a lone CR and a lone LF each become one blank.
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            line += ' ';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

void CCliServices::ShowMessage(std::string_view text, MessageIcon icon)
{
    ++m_nMessages;
    if (icon == MessageIcon::Exclamation)
        ++m_nExclamations;
    m_err << FormatMessage(text, icon) << '\n';
    m_err.flush();
}
