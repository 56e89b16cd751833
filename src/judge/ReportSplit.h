#pragma once

#include <string>
#include <string_view>
#include <vector>

/// True for a line the file import takes as a Judge header: it contains
/// ":: Judge:" anywhere or begins with "Judge:".
bool IsJudgeHeaderLine(std::string_view line);

/// The words of a header or deadline line as the import takes them: the
/// last full stop and every byte of 128 or more count as blanks; blanks,
/// colons, tabs and commas separate words.
std::vector<std::string> HeaderWords(std::string_view line);

/// Splits a text that holds several Judge mails (a mailbox file, a digest,
/// a pasted history) before each header line. Text before the first header
/// stays with the first piece; a text without a header is one piece. The
/// pieces are substrings, line ends included, so joining them gives the text.
std::vector<std::string> SplitJudgeMails(const std::string& text);

/// One report cut out of a text, with the mail subject it came under.
struct CReportPiece {
    std::string text;
    std::string subject;
};

/// The reports a text holds, in the order it holds them: the pieces of
/// SplitJudgeMails, each under the text's subject, except that a reply to a
/// history request gives its entries (SplitHistoryReply).
std::vector<CReportPiece> SplitReports(const std::string& text, const std::string& subject);

/// The name under which the import files a piece: the word after
/// "Deadline" on the line after its first header, one year earlier when the
/// piece says "You have been selected" below that line (the game start).
/// Empty when the piece has no header or no "Deadline" word.
std::string FiledSeasonName(const std::string& piece);

/// Where a season name stands in game order: year, then S before F, then
/// M before R before B. Unknown letters sort after the known ones.
struct CSeasonKey {
    int year = 0;
    int season = 0;
    int phase = 0;
    auto operator<=>(const CSeasonKey&) const = default;
};
CSeasonKey SeasonKeyOf(const std::string& name);

/// The pieces in game order of their filed season names; pieces without a
/// name come first, and pieces with equal keys keep their input order.
std::vector<std::string> OrderBySeason(std::vector<std::string> pieces);
