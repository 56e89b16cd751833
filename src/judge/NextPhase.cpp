#include "judge/NextPhase.h"

#include "judge/HeaderLine.h"
#include "judge/LineMarks.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::string_view kNextPhase = "The next phase of '";
constexpr std::string_view kWillBe = "' will be ";
constexpr std::string_view kDeadline = "The deadline for orders will be ";
constexpr std::string_view kFirstDeadline = "The deadline for the first orders is ";

struct CPhaseName {
    std::string_view words;
    char letter;
};
constexpr std::array<CPhaseName, 3> kKinds = {{{"Movement", 'M'}, {"Retreats", 'R'}, {"Adjustments", 'B'}}};
constexpr std::array<CPhaseName, 3> kSeasons = {{{"Spring", 'S'}, {"Summer", 'U'}, {"Fall", 'F'}}};

// The lines of a text without trailing blanks or a quoting prefix: a
// forwarded or replied mail still tells its phase.
std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    for (const std::string_view raw : judgeline::TextLines(text)) {
        std::string line(raw.substr(std::min(raw.find_first_not_of("> \t"), raw.size())));
        judgeline::TrimRight(line);
        lines.push_back(std::move(line));
    }
    return lines;
}

// What follows position from of line, up to its final full stop.
std::string Sentence(const std::string& line, size_t from)
{
    std::string rest = line.substr(from);
    if (!rest.empty() && rest.back() == '.')
        rest.pop_back();
    judgeline::Trim(rest);
    return rest;
}

} // namespace

std::string PhaseCodeOfWords(std::string_view words)
{
    // "<kind> for <season> of <year>"
    const size_t forAt = words.find(" for ");
    const size_t ofAt = words.rfind(" of ");
    if (forAt == std::string_view::npos || ofAt == std::string_view::npos || ofAt < forAt)
        return {};
    const std::string_view kind = words.substr(0, forAt);
    const std::string_view season = words.substr(forAt + 5, ofAt - forAt - 5);
    const std::string_view year = words.substr(ofAt + 4);
    if (year.size() != 4 || !std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    const auto kindIt = std::find_if(kKinds.begin(), kKinds.end(), [&](const CPhaseName& k) { return k.words == kind; });
    if (kindIt == kKinds.end())
        return {};
    char letter = 0;
    if (season == "Winter" && kindIt->letter == 'B')
        letter = 'F';
    for (const CPhaseName& s : kSeasons)
        if (s.words == season)
            letter = s.letter;
    if (!letter)
        return {};
    return std::string(1, letter) + std::string(year) + kindIt->letter;
}

std::string PhaseWordsOfCode(std::string_view code)
{
    if (code.size() != 6)
        return {};
    const auto kindIt = std::find_if(kKinds.begin(), kKinds.end(), [&](const CPhaseName& k) { return k.letter == code[5]; });
    if (kindIt == kKinds.end())
        return {};
    std::string season = kindIt->letter == 'B' && code[0] == 'F' ? "Winter" : "";
    for (const CPhaseName& s : kSeasons)
        if (s.letter == code[0] && season.empty())
            season = s.words;
    std::string words = std::string(kindIt->words) + " for " + season + " of " + std::string(code.substr(1, 4));
    return !season.empty() && PhaseCodeOfWords(words) == code ? words : std::string();
}

std::optional<CPhaseDue> ReadPhaseDue(std::string_view report)
{
    const std::vector<std::string> lines = Lines(report);
    std::optional<CPhaseDue> found;
    std::string headerPhase;
    std::string announced; // the phase words of a "next phase" line not yet given its deadline
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (IsJudgeHeaderLine(line) && i + 1 < lines.size()) {
            headerPhase = ReadDeadlineLine(lines[i + 1]).season;
        } else if (judgeline::StartsWith(line, kNextPhase)) {
            // A mail program may have wrapped a long game name's line.
            if (line.back() != '.' && i + 1 < lines.size())
                line += " " + lines[++i];
            const size_t willBe = line.find(kWillBe, kNextPhase.size());
            announced = willBe == std::string::npos ? std::string() : Sentence(line, willBe + kWillBe.size());
        } else if (judgeline::StartsWith(line, kDeadline) && !announced.empty()) {
            const std::string code = PhaseCodeOfWords(announced);
            if (!code.empty())
                found = MakePhaseDue(code, announced, Sentence(line, kDeadline.size()));
            announced.clear();
        } else if (judgeline::StartsWith(line, kFirstDeadline)) {
            const std::string words = PhaseWordsOfCode(headerPhase);
            if (!words.empty())
                found = MakePhaseDue(headerPhase, words, Sentence(line, kFirstDeadline.size()));
        }
    }
    return found;
}
