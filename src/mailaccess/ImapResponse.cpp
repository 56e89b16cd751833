#include "mailaccess/ImapResponse.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

// The size of the literal a line segment announces at its end ("{12}" or
// the non-synchronising "{12+}").
std::optional<size_t> LiteralSize(std::string_view segment)
{
    if (segment.empty() || segment.back() != '}')
        return std::nullopt;
    const size_t open = segment.rfind('{');
    if (open == std::string_view::npos)
        return std::nullopt;
    std::string_view digits = segment.substr(open + 1, segment.size() - open - 2);
    if (!digits.empty() && digits.back() == '+')
        digits.remove_suffix(1);
    if (digits.empty() || digits.size() > 12)
        return std::nullopt;
    size_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

size_t FindNoCase(std::string_view text, std::string_view needle, size_t from = 0)
{
    for (size_t i = from; i + needle.size() <= text.size(); ++i)
        if (StartsWithNoCase(text.substr(i), needle))
            return i;
    return std::string_view::npos;
}

// Calls visit(line) for each logical line of the answer that starts outside
// a literal, without its line end; literal bytes are never visited.
template <typename Visit>
void ForEachLine(std::string_view answer, Visit visit)
{
    size_t pos = 0;
    while (pos < answer.size()) {
        const size_t start = pos;
        bool complete = false;
        while (!complete) {
            const size_t eol = answer.find('\n', pos);
            if (eol == std::string_view::npos) {
                pos = answer.size();
                break;
            }
            size_t end = eol;
            if (end > pos && answer[end - 1] == '\r')
                --end;
            if (const auto size = LiteralSize(answer.substr(pos, end - pos))) {
                pos = std::min(answer.size(), eol + 1 + *size);
                continue;
            }
            pos = eol + 1;
            complete = true;
        }
        std::string_view line = answer.substr(start, pos - start);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        visit(line);
    }
}

} // namespace

size_t FindTaggedEnd(std::string_view buffer, std::string_view tag, size_t* resume)
{
    size_t pos = resume ? std::min(*resume, buffer.size()) : 0;
    while (pos < buffer.size()) {
        const size_t start = pos;
        if (resume)
            *resume = start;
        for (;;) {
            const size_t eol = buffer.find('\n', pos);
            if (eol == std::string_view::npos)
                return std::string_view::npos;
            size_t end = eol;
            if (end > pos && buffer[end - 1] == '\r')
                --end;
            if (const auto size = LiteralSize(buffer.substr(pos, end - pos))) {
                if (*size > buffer.size() - (eol + 1))
                    return std::string_view::npos;
                pos = eol + 1 + *size;
                continue;
            }
            pos = eol + 1;
            break;
        }
        const std::string_view line = buffer.substr(start);
        if (line.size() > tag.size() && line.substr(0, tag.size()) == tag && line[tag.size()] == ' ')
            return pos;
    }
    if (resume)
        *resume = pos;
    return std::string_view::npos;
}

CImapStatus TaggedStatus(std::string_view answer, std::string_view tag)
{
    CImapStatus status;
    ForEachLine(answer, [&](std::string_view line) {
        if (line.size() <= tag.size() || line.substr(0, tag.size()) != tag || line[tag.size()] != ' ')
            return;
        std::string_view rest = line.substr(tag.size() + 1);
        const size_t space = rest.find(' ');
        status.word = std::string(rest.substr(0, space));
        std::transform(status.word.begin(), status.word.end(), status.word.begin(),
                       [](unsigned char c) { return char(std::toupper(c)); });
        status.text = space == std::string_view::npos ? std::string() : std::string(rest.substr(space + 1));
    });
    return status;
}

std::optional<uint32_t> ParseUidValidity(std::string_view answer)
{
    std::optional<uint32_t> validity;
    ForEachLine(answer, [&](std::string_view line) {
        if (!StartsWithNoCase(line, "* OK "))
            return;
        const size_t at = FindNoCase(line, "[UIDVALIDITY ");
        if (at == std::string_view::npos)
            return;
        const std::string_view digits = line.substr(at + 13);
        uint32_t value = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (ec == std::errc() && end != digits.data() && *end == ']' && value != 0)
            validity = value;
    });
    return validity;
}

std::optional<std::vector<uint32_t>> ParseSearchUids(std::string_view answer)
{
    std::vector<uint32_t> uids;
    bool valid = true;
    ForEachLine(answer, [&](std::string_view line) {
        if (!StartsWithNoCase(line, "* SEARCH"))
            return;
        std::string_view rest = line.substr(8);
        if (!rest.empty() && rest.front() != ' ') {
            valid = false;
            return;
        }
        while (!rest.empty()) {
            while (!rest.empty() && rest.front() == ' ')
                rest.remove_prefix(1);
            if (rest.empty())
                break;
            uint32_t value = 0;
            const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
            if (ec != std::errc() || end == rest.data() || (end != rest.data() + rest.size() && *end != ' ') ||
                value == 0) {
                valid = false;
                return;
            }
            uids.push_back(value);
            rest.remove_prefix(size_t(end - rest.data()));
        }
    });
    if (!valid)
        return std::nullopt;
    std::sort(uids.begin(), uids.end());
    uids.erase(std::unique(uids.begin(), uids.end()), uids.end());
    return uids;
}

std::optional<std::string> ParseFetchBody(std::string_view answer)
{
    size_t at = FindNoCase(answer, "BODY[] ");
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = answer.substr(at + 7);
    if (StartsWithNoCase(rest, "NIL"))
        return std::string();
    if (!rest.empty() && rest.front() == '"') {
        std::string text;
        for (size_t i = 1; i < rest.size(); ++i) {
            if (rest[i] == '\\' && i + 1 < rest.size())
                text += rest[++i];
            else if (rest[i] == '"')
                return text;
            else
                text += rest[i];
        }
        return std::nullopt;
    }
    const size_t eol = rest.find('\n');
    if (eol == std::string_view::npos)
        return std::nullopt;
    size_t end = eol;
    if (end > 0 && rest[end - 1] == '\r')
        --end;
    const auto size = LiteralSize(rest.substr(0, end));
    if (!size || rest.substr(0, end).find('{') != 0 || *size > rest.size() - (eol + 1))
        return std::nullopt;
    return std::string(rest.substr(eol + 1, *size));
}
