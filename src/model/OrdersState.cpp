#include "model/OrdersState.h"

#include "model/KestraneDoc.h"
#include "model/LineEscape.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kFirstLine = "# Kestrane orders state";

bool IsKeyword(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
}

bool IsSeasonName(std::string_view name)
{
    return name.size() == 6 && std::all_of(name.begin() + 1, name.begin() + 5, [](char c) { return c >= '0' && c <= '9'; });
}

void Entry(std::string& out, std::string_view keyword, std::string_view value)
{
    out += keyword;
    out += ' ';
    out += EscapeLineValue(value);
    out += '\n';
}

} // namespace

bool CGameOrdersState::IsCurrentFor(const CKestraneDoc& doc) const
{
    const std::string latest = doc.m_seasons.empty() ? std::string() : doc.m_seasons.back()->m_strSeason;
    return after == latest;
}

bool CGameOrdersState::SetPhaseDue(const std::string& latest, const CPhaseDue& phase)
{
    if (after == latest && due && due->phase == phase.phase) {
        if (*due == phase)
            return false;
        due = phase;
        return true;
    }
    MoveOnTo(latest);
    due = phase;
    return true;
}

void CGameOrdersState::MoveOnTo(const std::string& latest)
{
    // Everything drafted, sent or answered was for a phase that is over; the
    // drafts stay in sight, marked as such, in case the player wants them.
    CGameOrdersState fresh;
    fresh.game = game;
    fresh.judgeAddress = judgeAddress;
    fresh.other = other;
    fresh.after = latest;
    fresh.earlierDrafts = drafts.empty() ? earlierDrafts : drafts;
    fresh.earlierPhase = drafts.empty() ? earlierPhase : (due ? due->phase : after);
    *this = std::move(fresh);
}

void CGameOrdersState::RecordSent(std::string_view mail, std::chrono::sys_seconds when)
{
    sentMail.clear();
    size_t at = 0;
    while (at < mail.size()) {
        const size_t end = std::min(mail.find('\n', at), mail.size());
        sentMail.emplace_back(mail.substr(at, end - at));
        at = end + 1;
    }
    sentAt = when;
    verdict.clear();
}

std::vector<std::string> CGameOrdersState::SentOrders() const
{
    std::string mail;
    for (const std::string& line : sentMail)
        mail += line + '\n';
    return OrderLinesOfMail(mail);
}

std::vector<std::string> OrderLinesOfMail(std::string_view text)
{
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos)
            continue;
        std::string word(line.substr(first, 7));
        for (char& c : word)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        if (word.rfind("signon", 0) == 0 || word.rfind("signoff", 0) == 0)
            continue;
        lines.emplace_back(line);
    }
    return lines;
}

std::string WriteOrdersState(const CGameOrdersState& state)
{
    std::string out(kFirstLine);
    out += '\n';
    Entry(out, "game", state.game);
    Entry(out, "after", state.after);
    if (!state.judgeAddress.empty())
        Entry(out, "judge", state.judgeAddress);
    if (state.due) {
        Entry(out, "due", state.due->phase);
        Entry(out, "words", state.due->words);
        Entry(out, "deadline", state.due->deadline);
    }
    for (const std::string& line : state.drafts)
        Entry(out, "draft", line);
    if (!state.earlierDrafts.empty())
        Entry(out, "earlier-phase", state.earlierPhase);
    for (const std::string& line : state.earlierDrafts)
        Entry(out, "earlier-draft", line);
    if (state.sentAt)
        Entry(out, "sent", IsoUtc(*state.sentAt));
    for (const std::string& line : state.sentMail)
        Entry(out, "mail", line);
    for (const std::string& line : state.verdict)
        Entry(out, "verdict", line);
    for (const std::string& line : state.other)
        out += line + '\n';
    return out;
}

std::optional<CGameOrdersState> ReadOrdersState(std::string_view text, std::string& problem)
{
    CGameOrdersState state;
    std::string phase, words, deadline;
    size_t at = 0;
    int number = 0;
    const auto fail = [&](const std::string& why) {
        problem = "line " + std::to_string(number) + ": " + why;
        return std::nullopt;
    };
    while (at < text.size()) {
        const size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (number == 1) {
            if (line != kFirstLine)
                return fail("not a file of drafted orders");
            continue;
        }
        if (line.empty() || line[0] == '#')
            continue;
        if (line.find('\0') != std::string_view::npos)
            return fail("holds a zero byte");
        const size_t blank = line.find(' ');
        const std::string_view keyword = line.substr(0, blank);
        const std::string value = blank == std::string_view::npos ? std::string() : UnescapeLineValue(line.substr(blank + 1));
        if (!IsKeyword(keyword))
            return fail("not an entry");
        if (keyword == "game") {
            state.game = value;
        } else if (keyword == "after") {
            if (!value.empty() && !IsSeasonName(value))
                return fail("no season: " + value);
            state.after = value;
        } else if (keyword == "due") {
            if (!IsSeasonName(value))
                return fail("no phase: " + value);
            phase = value;
        } else if (keyword == "judge") {
            state.judgeAddress = value;
        } else if (keyword == "words") {
            words = value;
        } else if (keyword == "deadline") {
            deadline = value;
        } else if (keyword == "draft") {
            state.drafts.push_back(value);
        } else if (keyword == "earlier-phase") {
            state.earlierPhase = value;
        } else if (keyword == "earlier-draft") {
            state.earlierDrafts.push_back(value);
        } else if (keyword == "sent") {
            state.sentAt = ParseIsoUtc(value);
            if (!state.sentAt)
                return fail("no time: " + value);
        } else if (keyword == "mail") {
            state.sentMail.push_back(value);
        } else if (keyword == "verdict") {
            state.verdict.push_back(value);
        } else {
            state.other.emplace_back(line);
        }
    }
    if (number == 0) {
        problem = "the file is empty";
        return std::nullopt;
    }
    if (phase.empty() && !(words.empty() && deadline.empty()))
        return fail("a deadline without its phase");
    if (!phase.empty())
        state.due = MakePhaseDue(phase, words, deadline);
    return state;
}
