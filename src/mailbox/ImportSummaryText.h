#pragma once

#include "judge/ReportBatch.h"

#include <string>
#include <vector>

/// The words of an import summary, shared by the desktop program's summary
/// dialog and the command line, so both tell a batch import the same way.

/// How much of a batch a summary lists by name.
enum class SummaryDetail {
    /// The mails skipped counted by reason; only those a player must act on
    /// (refused, stopping the import) named, with their messages.
    Grouped,
    /// Every mail that was not filed, with why and its messages.
    Full,
};

/// A short lower-case phrase for an outcome, as the full list gives it.
const char* ReportOutcomeText(ReportOutcome outcome);

/// Whether the grouped summary names report: it was refused or stopped the
/// import, or its season was filed with remarks.
bool SummaryNamesReport(const CReportResult& report);

/// One line: how many seasons were filed from how many mails, whether the
/// user cancelled, and how many sources could not be read.
std::string ImportHeadline(const CBatchSummary& summary, size_t unread);

/// The summary: the seasons filed, the mails skipped (grouped: one line of
/// counts by reason, then the mails a player must act on; full: every mail
/// skipped), the remarks on filed seasons, then every source in unread.
std::string ImportSummaryText(const CBatchSummary& summary, const std::vector<std::string>& unread,
                              SummaryDetail detail);
