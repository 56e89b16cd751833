#pragma once

#include "judge/ReportOutcome.h"
#include "model/Services.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CKestraneDoc;

/// One text handed to a batch import: a plain report file, a whole mailbox
/// file as text, or one message a mail reader took out of a mailbox.
struct CReportText {
    std::string text;
    std::string subject; ///< the mail's Subject, when known
    std::string date;    ///< the mail's Date, when known
    std::string origin;  ///< where it came from: a file name, or "box.mbox, mail 12"
    std::string from = {}; ///< the sender's address ("judge@example.org"), when known
};

/// What the batch did with one report.
struct CReportResult {
    std::string origin, subject;
    ReportOutcome outcome = ReportOutcome::Rejected;
    std::vector<std::string> seasons;  ///< the seasons it filed
    std::vector<std::string> messages; ///< every message the import gave for it, in order
    std::vector<MessageIcon> icons;    ///< the icon each of those messages would have shown
    /// For the Judge's reply to an orders mail about this game (an outcome
    /// without results): "orders status for S1902M: 1 refused"; the
    /// orders state's record pairs it with the orders sent (RecordImport).
    std::string ordersStatus = {};
    /// Why the orders state did not keep that reply as the verdict, when it did not.
    std::string ordersStatusNote = {};
};

/// What a whole batch did, report by report in the order they were imported.
/// The front ends word it (mailbox/ImportSummaryText.h).
struct CBatchSummary {
    std::vector<CReportResult> reports;
    bool cancelled = false;
    /// The sender of the last mail of this game's Judge in the batch (one
    /// it filed, had filed already, or an orders status about the game).
    std::string judgeAddress = {};

    /// Seasons filed by the whole batch.
    int SeasonsFiled() const;
};

/// Splits each text into reports (at header lines; history replies into their
/// entries), orders them by season, and imports each through the same path
/// as the file import without rewriting any input, each report's messages
/// collected into its result instead of shown. progress(done,total) returning
/// false cancels between reports. After a fatal inconsistency the batch stops
/// and the close request reaches the document's services once it has ended.
CBatchSummary ImportReportBatch(CKestraneDoc& doc, const std::vector<CReportText>& texts,
                                const std::function<bool(size_t, size_t)>& progress = {});
