#pragma once

#include <string>
#include <string_view>
#include <vector>

/// True for a line the file import takes as a Judge header: it contains
/// ":: Judge:" anywhere or begins with "Judge:".
bool IsJudgeHeaderLine(std::string_view line);

/// Splits a text that holds several Judge mails (a mailbox file, a digest,
/// a pasted history) before each header line. Text before the first header
/// stays with the first piece; a text without a header is one piece. The
/// pieces are substrings, line ends included, so joining them gives the text.
std::vector<std::string> SplitJudgeMails(const std::string& text);

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
