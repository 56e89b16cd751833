#include "judge/LineMarks.h"

#include <algorithm>
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
    for (size_t pos = 0; pos < text.size();) {
        const CTextLine line = LineAt(text, pos);
        lines.push_back(line.text);
        pos = line.next;
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

CTextLine LineAt(std::string_view text, size_t pos)
{
    const size_t end = std::min(text.find('\n', pos), text.size());
    CTextLine line;
    line.next = end == text.size() ? end : end + 1;
    line.text = text.substr(pos, end - pos);
    if (!line.text.empty() && line.text.back() == '\r')
        line.text.remove_suffix(1);
    return line;
}

std::string NotRecognisedText(std::string_view prefix, std::string_view key)
{
    std::string text(prefix);
    text += key;
    text += ",\nprovince data discarded.";
    return text;
}

} // namespace judgeline
