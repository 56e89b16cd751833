#include "judge/LineMarks.h"

#include <cstring>

namespace judgeline {

bool IsWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

void TrimRight(std::string& text)
{
    size_t end = text.size();
    while (end > 0 && IsWhite(text[end - 1]))
        --end;
    text.erase(end);
}

void Trim(std::string& text)
{
    TrimRight(text);
    size_t begin = 0;
    while (begin < text.size() && IsWhite(text[begin]))
        ++begin;
    text.erase(0, begin);
}

std::vector<std::string_view> TextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

size_t MarkLastFullStop(std::string& line)
{
    const size_t at = line.rfind('.');
    if (at != std::string::npos)
        line[at] = kFullStopMark;
    return at;
}

CMarkedLine PrepareLine(std::string_view raw)
{
    CMarkedLine line;
    PrepareLine(raw, line);
    return line;
}

void PrepareLine(std::string_view raw, CMarkedLine& line)
{
    line.text.assign(raw);
    TrimRight(line.text);
    line.working.assign(line.text);
    // The display text keeps the full stop; only the working copy is marked,
    // so a byte 0xFF that the report itself held is never turned into '.'.
    MarkLastFullStop(line.working);
}

std::string UpperAscii(std::string_view text)
{
    std::string upper;
    UpperAscii(text, upper);
    return upper;
}

void UpperAscii(std::string_view text, std::string& upper)
{
    upper.assign(text);
    // Branch-free, so the compiler can do many bytes at once.
    for (char& c : upper)
        c = char(c - (static_cast<unsigned char>(c - 'a') < 26 ? 'a' - 'A' : 0));
}

bool Contains(std::string_view text, std::string_view part)
{
    if (part.empty())
        return true;
    if (part.size() > text.size())
        return false;
    // Report lines are short and the keywords' first letters common: each
    // place the first byte is found at is tested on the last byte before the
    // rest is compared, where the library search compares at every one.
    const size_t span = part.size() - 1;
    const char* const begin = text.data();
    const char* const end = begin + text.size() - span;
    for (const char* at = begin; at < end; ++at) {
        at = static_cast<const char*>(std::memchr(at, part.front(), size_t(end - at)));
        if (!at)
            return false;
        if (at[span] == part.back() && std::memcmp(at + 1, part.data() + 1, span) == 0)
            return true;
    }
    return false;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

void DropLastChar(std::string& text)
{
    if (!text.empty())
        text.pop_back();
}

std::string NotRecognisedText(std::string_view prefix, std::string_view key)
{
    std::string text(prefix);
    text += key;
    text += ",\nprovince data discarded.";
    return text;
}

} // namespace judgeline
