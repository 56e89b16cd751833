#include "mailbox/ForwardedMail.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

// Nesting deeper than this is not a forward a player makes; it bounds the work.
constexpr int kDeepestForward = 8;

struct Line {
    std::string_view text; // without the line end
    size_t begin = 0;      // offset of the line
    size_t next = 0;       // offset of the line after it
};

std::vector<Line> Lines(std::string_view text)
{
    std::vector<Line> lines;
    for (size_t pos = 0; pos < text.size();) {
        const size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back({line, pos, std::min(end + 1, text.size())});
        pos = end + 1;
    }
    return lines;
}

std::string Lower(std::string_view text)
{
    std::string lower;
    for (char c : text)
        lower += char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// A separator line: the words framed by dashes ("-- Forwarded message --",
// mutt's "----- Forwarded message from someone -----", "-----Original
// Message-----") or Apple Mail's "Begin forwarded message:".
bool IsSeparator(std::string_view line)
{
    const std::string lower = Lower(Trimmed(line));
    if (lower == "begin forwarded message:")
        return true;
    if (!StartsWith(lower, "--") || !EndsWith(lower, "--"))
        return false;
    const size_t first = lower.find_first_not_of('-');
    const size_t last = lower.find_last_not_of('-');
    if (first == std::string::npos)
        return false;
    const std::string words(Trimmed(std::string_view(lower).substr(first, last - first + 1)));
    return StartsWith(words, "forwarded message") || words == "original message";
}

bool IsJudgeHeader(std::string_view line)
{
    return line.find(":: Judge:") != std::string_view::npos || StartsWith(line, "Judge:");
}

bool IsEndMarker(std::string_view line)
{
    const std::string lower = Lower(Trimmed(line));
    return StartsWith(lower, "--") && lower.find("end forwarded message") != std::string::npos;
}

// One level of "> " quoting off every line, when every non-empty line has it.
std::optional<std::string> Unquoted(std::string_view body)
{
    const std::vector<Line> lines = Lines(body);
    bool quoted = false;
    for (const Line& line : lines) {
        if (line.text.empty())
            continue;
        if (line.text.front() != '>')
            return std::nullopt;
        quoted = true;
    }
    if (!quoted)
        return std::nullopt;
    std::string text;
    for (const Line& line : lines) {
        std::string_view whole = body.substr(line.begin, line.next - line.begin);
        if (!whole.empty() && whole.front() == '>') {
            whole.remove_prefix(1);
            if (!whole.empty() && whole.front() == ' ')
                whole.remove_prefix(1);
        }
        text += whole;
    }
    return text;
}

// The value of a forwarded header line "Name: value" when its name is name
// (any case; mail programs translate nothing here but the case).
std::optional<std::string_view> FieldValue(std::string_view line, std::string_view name)
{
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos || Lower(Trimmed(line.substr(0, colon))) != name)
        return std::nullopt;
    return Trimmed(line.substr(colon + 1));
}

bool IsHeaderLine(std::string_view line)
{
    const size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos)
        return false;
    const std::string_view name = Trimmed(line.substr(0, colon));
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ' ';
    });
}

// The forwarded header lines and body of text, the part of a mail below
// its separator line.
std::optional<CForwardedMail> HeadersAndBody(std::string_view text)
{
    const std::vector<Line> lines = Lines(text);
    CForwardedMail mail;
    auto at = lines.begin();
    // Some programs leave an empty line between the separator and the headers.
    if (at != lines.end() && at->text.empty() && at + 1 != lines.end() && IsHeaderLine((at + 1)->text))
        ++at;
    while (at != lines.end() && IsHeaderLine(at->text)) {
        if (auto subject = FieldValue(at->text, "subject"))
            mail.subject = *subject;
        else if (auto date = FieldValue(at->text, "date"))
            mail.date = *date;
        ++at;
    }
    if (at != lines.end() && at->text.empty())
        ++at;
    if (at == lines.end())
        return std::nullopt;
    mail.body = std::string(text.substr(at->begin));
    if (auto unquoted = Unquoted(mail.body))
        mail.body = std::move(*unquoted);
    return mail;
}

// The first level of forwarding in text, or nullopt when there is none.
std::optional<CForwardedMail> OneLevel(std::string_view text)
{
    const std::vector<Line> lines = Lines(text);
    // A separator below a Judge header line is part of the report (a press
    // message quoting a mail), not the start of a forwarded one.
    const auto separator = std::find_if(lines.begin(), lines.end(), [](const Line& l) {
        return IsSeparator(l.text) || IsJudgeHeader(l.text);
    });
    if (separator == lines.end() || IsJudgeHeader(separator->text))
        return std::nullopt;
    const auto end = std::find_if(separator + 1, lines.end(), [](const Line& l) { return IsEndMarker(l.text); });
    const size_t stop = end == lines.end() ? text.size() : end->begin;
    std::string rest(text.substr(separator->next, stop - std::min(stop, separator->next)));
    // Quoted whole, the forwarded header lines included (Apple Mail).
    if (auto unquoted = Unquoted(rest))
        rest = std::move(*unquoted);
    return HeadersAndBody(rest);
}

} // namespace

std::optional<CForwardedMail> FindForwardedMail(std::string_view text)
{
    std::optional<CForwardedMail> found;
    for (int depth = 0; depth < kDeepestForward; ++depth) {
        std::optional<CForwardedMail> inner = OneLevel(found ? std::string_view(found->body) : text);
        if (!inner)
            break;
        // An inner forward without its own subject or date keeps the outer one's.
        if (found && inner->subject.empty())
            inner->subject = found->subject;
        if (found && inner->date.empty())
            inner->date = found->date;
        found = std::move(inner);
    }
    return found;
}
