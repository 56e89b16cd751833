#pragma once

#include "judge/ReportBatch.h"
#include "mailbox/ImportSummaryText.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CKestraneDoc;

/// What importing mail into a game did: the batch import's summary and
/// what could not be read at all.
struct CMailboxImport {
    CBatchSummary summary;
    std::vector<std::string> problems; ///< sources or messages that could not be read
    size_t mails = 0;                  ///< texts read and handed to the import

    /// One line: how many seasons were filed from how many mails the
    /// import took, whether the user cancelled and how much was unreadable.
    std::string Headline() const;
    /// The summary (seasons filed, mails skipped and why, messages; see
    /// ImportSummaryText), then every source or message that could not be read.
    std::string Text(SummaryDetail detail = SummaryDetail::Grouped) const;
    /// True when every source could be read, no mail was refused for a
    /// fault (a damaged header, a missing base season) or stopped the
    /// import, and the mail filed a season, found seasons imported before or
    /// held the Judge's reply to an orders mail.
    /// Mail of another game, mail without results and other mail are a
    /// mailbox's normal company and count against nothing.
    bool Succeeded() const;
};

/// The seasons the import filed, report by report.
std::vector<std::string> FiledSeasons(const CMailboxImport& import);

/// Reads paths as ReadMailSources does and imports every report text into
/// doc through the core's batch import (in game order, the inputs never
/// rewritten). progress(done, total) returning false cancels between mails.
CMailboxImport ImportMailSources(CKestraneDoc& doc, const std::vector<std::string>& paths,
                                 const std::function<bool(size_t, size_t)>& progress = {});

/// The same for texts already read (standard input, a server's messages),
/// with the problems their reading met.
CMailboxImport ImportMailTexts(CKestraneDoc& doc, const std::vector<CReportText>& texts,
                               std::vector<std::string> problems,
                               const std::function<bool(size_t, size_t)>& progress = {});
