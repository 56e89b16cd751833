#pragma once

#include "judge/ReportPiece.h"

#include <string>
#include <vector>

/// Splits a text that holds several Judge mails (a mailbox file, a digest,
/// a pasted history) before each header line. Text before the first header
/// stays with the first piece; a text without a header is one piece. The
/// pieces are substrings, line ends included, so joining them gives the text.
std::vector<std::string> SplitJudgeMails(const std::string& text);

/// The reports a text holds, in the order it holds them: the pieces of
/// SplitJudgeMails, each under the text's subject, except that a reply to a
/// history request gives its entries (SplitHistoryReply).
std::vector<CReportPiece> SplitReports(const std::string& text, const std::string& subject);
