#include "judge/HeaderLine.h"

#include "judge/LineMarks.h"
#include "model/SeasonKey.h"
#include "model/WordSplitter.h"

#include <algorithm>

using judgeline::Contains;
using judgeline::StartsWith;

namespace {

constexpr std::string_view kHeaderSeparators = " :\t,";

} // namespace

bool IsJudgeHeaderLine(std::string_view line, HeaderForm form)
{
    if (StartsWith(line, "Judge:"))
        return true;
    return form == HeaderForm::Clipboard ? StartsWith(line, ":: Judge:") : Contains(line, ":: Judge:");
}

std::vector<std::string> HeaderWords(std::string_view line)
{
    std::string marked(line);
    judgeline::MarkLastFullStop(marked);
    std::vector<std::string> words;
    CWordSplitter splitter;
    std::string word;
    for (bool more = splitter.NextWord(word, kHeaderSeparators, marked); more;
         more = splitter.NextWord(word, kHeaderSeparators))
        words.push_back(word);
    return words;
}

std::vector<CHeaderField> ReadHeaderFields(std::string_view line)
{
    const std::vector<std::string> words = HeaderWords(line);
    std::vector<CHeaderField> fields;
    for (size_t i = 0; i < words.size(); ++i) {
        CHeaderField field;
        if (words[i] == "Judge" || words[i] == "Game") {
            field.key = words[i] == "Judge" ? CHeaderField::Key::Judge : CHeaderField::Key::Game;
            if (++i < words.size())
                field.value = words[i];
        } else if (words[i] == "Variant") {
            field.key = CHeaderField::Key::Variant;
            field.rest.assign(words.begin() + std::ptrdiff_t(i) + 1, words.end());
        } else {
            continue;
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

CDeadlineLine ReadDeadlineLine(std::string_view line)
{
    const std::vector<std::string> words = HeaderWords(line);
    CDeadlineLine deadline;
    const auto at = std::find(words.begin(), words.end(), "Deadline");
    if (at == words.end())
        return deadline;
    deadline.found = true;
    if (at + 1 < words.end())
        deadline.season = at[1];
    for (auto word = at + std::min<std::ptrdiff_t>(2, words.end() - at); word < words.end(); ++word)
        deadline.deadline += *word + " ";
    return deadline;
}

bool IsGameStartLine(std::string_view line)
{
    return Contains(line, "You have been selected");
}

std::string GameStartSeasonName(const std::string& season)
{
    return season.substr(0, 1) + std::to_string(SeasonYearOf(season) - 1) +
           (season.size() > 5 ? season.substr(5, 1) : std::string());
}

bool IsSeasonName(std::string_view name)
{
    return name.size() == 6 &&
           std::all_of(name.begin() + 1, name.begin() + 5, [](char c) { return c >= '0' && c <= '9'; });
}

std::string CHeaderLines::First(CHeaderField::Key key) const
{
    for (const CHeaderField& field : fields)
        if (field.key == key)
            return field.value;
    return {};
}

std::vector<std::string> CHeaderLines::Variant() const
{
    for (const CHeaderField& field : fields)
        if (field.key == CHeaderField::Key::Variant)
            return field.rest;
    return {};
}

std::string CHeaderLines::FiledSeason() const
{
    if (!found || deadline.season.empty())
        return {};
    return gameStart ? GameStartSeasonName(deadline.season) : deadline.season;
}

CHeaderLines ReadHeaderLines(std::string_view text)
{
    CHeaderLines header;
    size_t pos = 0;
    while (pos < text.size() && !IsJudgeHeaderLine(judgeline::LineAt(text, pos).text))
        pos = judgeline::LineAt(text, pos).next;
    if (pos >= text.size())
        return header;
    const judgeline::CTextLine headerLine = judgeline::LineAt(text, pos);
    header.found = true;
    header.fields = ReadHeaderFields(headerLine.text);
    // The deadline line is the one under the header line, whatever it holds.
    const judgeline::CTextLine deadlineLine = headerLine.next < text.size()
                                                  ? judgeline::LineAt(text, headerLine.next)
                                                  : judgeline::CTextLine{{}, text.size()};
    header.deadline = ReadDeadlineLine(deadlineLine.text);
    for (size_t at = deadlineLine.next; at < text.size() && !header.gameStart;) {
        const judgeline::CTextLine line = judgeline::LineAt(text, at);
        header.gameStart = IsGameStartLine(line.text);
        at = line.next;
    }
    return header;
}
