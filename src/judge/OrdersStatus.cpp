#include "judge/OrdersStatus.h"

#include "judge/LineMarks.h"
#include "model/KestraneDoc.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

bool IsDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// Where a status title starts in line, when the line ends with one:
// "<Movement|Retreat|Adjustment> orders for <Season> of <year>.<spaces>(<game>.<n>)".
// The title may follow a message the Judge did not end with a line break.
std::string_view::size_type TitleStart(std::string_view line)
{
    for (const std::string_view kind : {"Movement", "Retreat", "Adjustment"}) {
        const size_t at = line.rfind(std::string(kind) + " orders for ");
        if (at == std::string_view::npos)
            continue;
        std::string_view rest = line.substr(at + kind.size() + 12);
        const size_t of = rest.find(" of ");
        const size_t stop = rest.find('.');
        if (of == std::string_view::npos || stop == std::string_view::npos || of == 0 || of > stop ||
            rest.substr(0, of).find(' ') != std::string_view::npos || !IsDigits(rest.substr(of + 4, stop - of - 4)))
            continue;
        rest.remove_prefix(stop + 1);
        const size_t open = rest.find_first_not_of(' ');
        if (open == 0 || open == std::string_view::npos || rest[open] != '(' || rest.back() != ')' ||
            rest.find_first_of("()", open + 1) != rest.size() - 1)
            continue;
        return at;
    }
    return std::string_view::npos;
}

// "A: <line as sent>": the Judge's echo of a refused line, after the
// player's power initial.
bool IsEcho(std::string_view line)
{
    return line.size() >= 3 && std::isupper(static_cast<unsigned char>(line[0])) && line[1] == ':' && line[2] == ' ';
}

// The power word before the colon of a listing line ("Austria:      ...").
std::string_view PowerOf(std::string_view line)
{
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 >= line.size() || line[colon + 1] != ' ')
        return {};
    const std::string_view power = line.substr(0, colon);
    for (const char c : power)
        if (!std::isalpha(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            return {};
    return power;
}

} // namespace

std::string StatusLineText(std::string_view line)
{
    if (const size_t power = PowerOf(line).size())
        line.remove_prefix(power + 1);
    std::string text;
    for (const char c : line)
        if (c != ' ' || (!text.empty() && text.back() != ' '))
            text += c;
    return text;
}

namespace {

// The word that follows key in line ("Judge: XXXX  Game: Kestrel").
std::string WordAfter(std::string_view line, std::string_view key)
{
    const size_t at = line.find(key);
    if (at == std::string_view::npos)
        return {};
    std::string_view rest = line.substr(at + key.size());
    const size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {};
    rest.remove_prefix(start);
    return std::string(rest.substr(0, rest.find(' ')));
}

// "Re: [Error Flag] XXXX:kestrel - S1902M ": the Judge, game and phase.
void ReadSubject(std::string_view subject, COrdersStatus& status)
{
    const size_t dash = subject.find(" - ");
    if (dash == std::string_view::npos)
        return;
    std::string_view before = subject.substr(0, dash);
    before.remove_prefix(before.rfind(' ') == std::string_view::npos ? 0 : before.rfind(' ') + 1);
    const size_t colon = before.find(':');
    if (colon == std::string_view::npos)
        return;
    if (status.judge.empty())
        status.judge = before.substr(0, colon);
    if (status.game.empty())
        status.game = before.substr(colon + 1);
    if (status.phase.empty())
        status.phase = WordAfter(subject.substr(dash), "-");
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::optional<COrdersStatus> ReadOrdersStatus(std::string_view text, std::string_view subject)
{
    if (subject.size() >= 7 && subject.substr(subject.size() - 7) == "Results")
        return std::nullopt;
    const std::vector<std::string_view> lines = judgeline::TextLines(text);
    COrdersStatus status;
    size_t first = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        if (StartsWith(lines[i], ":: Judge:")) {
            status.judge = WordAfter(lines[i], "Judge:");
            status.game = WordAfter(lines[i], "Game:");
            if (i + 1 < lines.size() && StartsWith(lines[i + 1], ":: Deadline:"))
                status.phase = WordAfter(lines[i + 1], "Deadline:");
            first = i + 1;
            break;
        }
    ReadSubject(subject, status);
    // Older Judges set the flag in the subject only.
    status.errorFlag = subject.find("[Error Flag]") != std::string_view::npos;

    // The last title of the text: an order line the player sent may look like one.
    size_t title = lines.size();
    size_t titleAt = 0;
    for (size_t i = first; i < lines.size(); ++i)
        if (const size_t at = TitleStart(lines[i]); at != std::string_view::npos) {
            title = i;
            titleAt = at;
        }
    if (title == lines.size())
        return std::nullopt;
    status.statusTitle = lines[title].substr(titleAt);

    // Before the title: each refused line, then its messages.
    for (size_t i = first; i <= title; ++i) {
        const std::string_view line = i == title ? lines[i].substr(0, titleAt) : lines[i];
        if (IsEcho(line))
            status.refused.push_back({std::string(line.substr(3)), {}});
        else if (!line.empty() && !status.refused.empty() && !StartsWith(line, ":: "))
            status.refused.back().messages.emplace_back(line);
    }

    size_t i = title + 1;
    while (i < lines.size() && lines[i].empty())
        ++i;
    for (; i < lines.size() && !PowerOf(lines[i]).empty(); ++i) {
        const std::string_view line = lines[i];
        status.listing.emplace_back(line);
        const std::string unit = StatusLineText(line);
        if (const size_t none = unit.find(", No Order Processed"); none != std::string::npos)
            status.noOrders.push_back(unit.substr(0, none));
        else if (StartsWith(unit, "Defaults, ") || (unit.size() > 8 && unit.substr(unit.size() - 8) == "pending."))
            status.pending.push_back(unit);
    }
    if (!status.listing.empty())
        status.power = PowerOf(status.listing.front());

    for (; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        // A results mail of an older Judge has the same title, then says what comes next.
        if (StartsWith(line, "The next phase of "))
            return std::nullopt;
        const size_t space = line.find(' ');
        if (space != std::string_view::npos && IsDigits(line.substr(0, space)) &&
            (line.substr(space) == " error encountered." || line.substr(space) == " errors encountered."))
            std::from_chars(line.data(), line.data() + space, status.errorCount);
        status.errorFlag = status.errorFlag || line == "Error flag set.";
        status.nothingDue = status.nothingDue || StartsWith(line, "Since you have no moves due");
    }
    return status;
}

std::string ReplyForAnotherGame(const CKestraneDoc& doc, const COrdersStatus& status)
{
    if (!doc.m_strJudge.empty() && !status.judge.empty() && !SameNameIgnoringCase(doc.m_strJudge, status.judge))
        return "This reply comes from Judge " + status.judge + ", not from " + doc.m_strJudge + ", the Judge of this game.";
    if (!doc.m_strGame.empty() && !SameNameIgnoringCase(doc.m_strGame, status.game))
        return "This reply is about game " + (status.game.empty() ? std::string("(unnamed)") : status.game) +
               ", not " + doc.m_strGame + ".";
    return {};
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}
