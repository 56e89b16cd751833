#include "judge/ReportSplit.h"

#include "judge/HistoryReply.h"
#include "model/SeasonHdr.h"

#include <algorithm>
#include <climits>

namespace {

// One line of text at pos: its content (without "\r\n" or "\n") and where
// the next line starts.
struct Line {
    std::string_view text;
    size_t next = 0;
};

Line LineAt(std::string_view text, size_t pos)
{
    const size_t end = text.find('\n', pos);
    Line line;
    line.next = end == std::string_view::npos ? text.size() : end + 1;
    line.text = text.substr(pos, (end == std::string_view::npos ? text.size() : end) - pos);
    if (!line.text.empty() && line.text.back() == '\r')
        line.text.remove_suffix(1);
    return line;
}

} // namespace

std::vector<std::string> HeaderWords(std::string_view line)
{
    std::string copy(line);
    if (const size_t dot = copy.rfind('.'); dot != std::string::npos)
        copy[dot] = ' ';
    std::vector<std::string> words;
    std::string word;
    for (char c : copy) {
        const bool separator = c == ' ' || c == ':' || c == '\t' || c == ',' ||
                               static_cast<unsigned char>(c) >= 128;
        if (separator) {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

bool IsJudgeHeaderLine(std::string_view line)
{
    return line.find(":: Judge:") != std::string_view::npos || line.rfind("Judge:", 0) == 0;
}

std::vector<std::string> SplitJudgeMails(const std::string& text)
{
    std::vector<size_t> starts;
    for (size_t pos = 0; pos < text.size();) {
        const Line line = LineAt(text, pos);
        if (IsJudgeHeaderLine(line.text))
            starts.push_back(pos);
        pos = line.next;
    }
    // The first piece reaches back to the start of the text, so a preamble
    // (a mailbox "From " line, mail headers) travels with the first report.
    if (starts.empty())
        starts.push_back(0);
    starts.front() = 0;

    std::vector<std::string> pieces;
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t end = i + 1 < starts.size() ? starts[i + 1] : text.size();
        pieces.push_back(text.substr(starts[i], end - starts[i]));
    }
    return pieces;
}

std::vector<CReportPiece> SplitReports(const std::string& text, const std::string& subject)
{
    std::vector<CReportPiece> pieces;
    for (std::string& piece : SplitJudgeMails(text)) {
        if (IsHistoryReply(piece)) {
            for (CReportPiece& entry : SplitHistoryReply(piece))
                pieces.push_back(std::move(entry));
        } else {
            pieces.push_back({std::move(piece), subject});
        }
    }
    return pieces;
}

std::string FiledSeasonName(const std::string& piece)
{
    const std::string_view text(piece);
    size_t pos = 0;
    while (pos < text.size() && !IsJudgeHeaderLine(LineAt(text, pos).text))
        pos = LineAt(text, pos).next;
    if (pos >= text.size())
        return {};
    pos = LineAt(text, pos).next;
    const Line deadline = LineAt(text, pos);

    std::string name;
    const auto words = HeaderWords(deadline.text);
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == "Deadline") {
            name = words[i + 1];
            break;
        }
    }
    if (name.empty())
        return {};

    bool gameStart = false;
    for (size_t at = deadline.next; at < text.size() && !gameStart;) {
        const Line line = LineAt(text, at);
        gameStart = line.text.find("You have been selected") != std::string_view::npos;
        at = line.next;
    }
    if (gameStart) {
        const int year = CSeasonHdr::SeasonYear(name) - 1;
        name = name.substr(0, 1) + std::to_string(year) + (name.size() > 5 ? name.substr(5, 1) : std::string());
    }
    return name;
}

CSeasonKey SeasonKeyOf(const std::string& name)
{
    CSeasonKey key;
    key.year = CSeasonHdr::SeasonYear(name);
    const char letter = name.empty() ? '\0' : name[0];
    key.season = letter == 'S' ? 0 : letter == 'F' ? 1 : 2;
    const char phase = name.size() > 5 ? name[5] : '\0';
    key.phase = phase == 'M' ? 0 : phase == 'R' ? 1 : phase == 'B' ? 2 : 3;
    return key;
}

std::vector<std::string> OrderBySeason(std::vector<std::string> pieces)
{
    struct Keyed {
        CSeasonKey key;
        std::string piece;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(pieces.size());
    for (auto& piece : pieces) {
        const std::string name = FiledSeasonName(piece);
        CSeasonKey key = name.empty() ? CSeasonKey{INT_MIN, 0, 0} : SeasonKeyOf(name);
        keyed.push_back({key, std::move(piece)});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    std::vector<std::string> ordered;
    ordered.reserve(keyed.size());
    for (auto& k : keyed)
        ordered.push_back(std::move(k.piece));
    return ordered;
}
