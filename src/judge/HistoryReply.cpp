#include "judge/HistoryReply.h"

#include "judge/HeaderLine.h"
#include "judge/LineMarks.h"

#include <cctype>
#include <optional>
#include <string_view>

using judgeline::Contains;
using judgeline::StartsWith;

namespace {

constexpr std::string_view kHistoryTitle = "History information for game '";
constexpr std::string_view kHistoryEnd = "---- History terminated";
constexpr std::string_view kFirstDeadline = "The deadline for the first orders is ";
constexpr std::string_view kNextDeadline = "The deadline for orders will be ";

// A phase code as the Judge writes it in a subject: a season name with
// capital letters at both ends.
bool IsSeasonCode(std::string_view word)
{
    return IsSeasonName(word) && std::isupper(static_cast<unsigned char>(word[0])) &&
           std::isupper(static_cast<unsigned char>(word[5]));
}

// A subject "<JUDGE>:<game> - <PHASE> Results" or "... - S1901M Game
// Starting": the game and the phase, either empty when absent.
struct SubjectParts {
    std::string game;
    std::string phase;
};

SubjectParts ReadSubject(std::string_view subject)
{
    SubjectParts parts;
    const size_t colon = subject.find(':');
    const size_t dash = subject.find(" - ");
    if (colon == std::string_view::npos || dash == std::string_view::npos || dash < colon)
        return parts;
    parts.game = std::string(subject.substr(colon + 1, dash - colon - 1));
    if (parts.game.find(' ') != std::string::npos)
        parts.game.clear();
    std::string_view rest = subject.substr(dash + 3);
    const std::string_view word = rest.substr(0, rest.find(' '));
    if (IsSeasonCode(word))
        parts.phase = std::string(word);
    return parts;
}

// The phase a section title names: "Movement results for Spring of 1901"
// is S1901M, "Retreat results for Fall of 1901" F1901R, "Adjustment results
// for Winter of 1901" F1901B, "Starting position for Spring of 1901" S1901M.
std::string PhaseOfTitle(std::string_view line)
{
    char phase = 0;
    if (StartsWith(line, "Movement ") || StartsWith(line, "Starting position"))
        phase = 'M';
    else if (StartsWith(line, "Retreat "))
        phase = 'R';
    else if (StartsWith(line, "Adjustment "))
        phase = 'B';
    const size_t of = line.find(" of ");
    if (!phase || of == std::string_view::npos || of + 8 > line.size())
        return {};
    char season = 0;
    if (Contains(line, " Spring of "))
        season = 'S';
    else if (Contains(line, " Fall of ") || Contains(line, " Winter of ") || Contains(line, " Autumn of "))
        season = 'F';
    const std::string year(line.substr(of + 4, 4));
    const std::string code = std::string(1, season) + year + phase;
    return season && IsSeasonCode(code) ? code : std::string();
}

// The deadline a line announces, without its final full stop.
std::optional<std::string> AnnouncedDeadline(std::string_view line)
{
    for (std::string_view lead : {kFirstDeadline, kNextDeadline}) {
        if (!StartsWith(line, lead))
            continue;
        std::string deadline(line.substr(lead.size()));
        judgeline::TrimRight(deadline);
        if (!deadline.empty() && deadline.back() == '.')
            deadline.pop_back();
        return deadline;
    }
    return std::nullopt;
}

// The Judge writes a game's name in its header with a capital initial
// ("Game: Kestrel" for the game kestrel); a name taken from a subject is
// spelled the same way, so it matches the game's own mails.
std::string AsHeaderGameName(std::string name)
{
    if (!name.empty())
        name[0] = char(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

struct Entry {
    std::string subject;
    std::vector<std::string> lines;
};

} // namespace

bool IsHistoryReply(const std::string& text)
{
    bool header = false;
    for (std::string_view line : judgeline::TextLines(text)) {
        if (!header)
            header = IsJudgeHeaderLine(line);
        else if (StartsWith(line, kHistoryTitle))
            return true;
        else if (StartsWith(line, "Date:"))
            return false;
    }
    return false;
}

std::vector<CReportPiece> SplitHistoryReply(const std::string& text)
{
    const std::vector<std::string_view> lines = judgeline::TextLines(text);
    // The reply's one header names the Judge, the game and the variant of
    // every entry.
    const CHeaderLines header = ReadHeaderLines(text);
    const std::string judge = header.First(CHeaderField::Key::Judge);
    const std::string game = header.First(CHeaderField::Key::Game);
    std::string variant;
    for (const std::string& word : header.Variant())
        variant += (variant.empty() ? "" : " ") + word;
    bool haveHeader = false;
    std::vector<Entry> entries;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (!haveHeader && IsJudgeHeaderLine(line)) {
            haveHeader = true;
        } else if (StartsWith(line, "Date:") && i + 1 < lines.size() && StartsWith(lines[i + 1], "Subject:")) {
            std::string subject(lines[i + 1].substr(8));
            judgeline::Trim(subject);
            entries.push_back({std::move(subject), {}});
            ++i;
        } else if (StartsWith(line, kHistoryEnd)) {
            break;
        } else if (!entries.empty()) {
            entries.back().lines.emplace_back(line);
        }
    }

    std::vector<CReportPiece> pieces;
    std::string announced;
    for (const Entry& entry : entries) {
        const SubjectParts subject = ReadSubject(entry.subject);
        std::string phase = subject.phase;
        std::string ownDeadline;
        std::optional<std::string> nextAnnounced;
        bool gameStart = false;
        for (const std::string& line : entry.lines) {
            if (phase.empty())
                phase = PhaseOfTitle(line);
            gameStart = gameStart || IsGameStartLine(line);
            if (StartsWith(line, kFirstDeadline))
                ownDeadline = *AnnouncedDeadline(line);
            if (const auto deadline = AnnouncedDeadline(line))
                nextAnnounced = deadline;
        }
        const std::string entryGame = !game.empty() ? game : AsHeaderGameName(subject.game);
        std::string report = ":: Judge: " + judge;
        if (!entryGame.empty())
            report += "  Game: " + entryGame;
        if (!variant.empty())
            report += "  Variant: " + variant;
        report += "\n";
        if (!phase.empty())
            report += ":: Deadline: " + phase + " " + (gameStart && !ownDeadline.empty() ? ownDeadline : announced);
        report += "\n";
        for (const std::string& line : entry.lines)
            report += line + "\n";
        pieces.push_back({std::move(report), entry.subject});
        if (nextAnnounced)
            announced = *nextAnnounced;
    }
    return pieces;
}
