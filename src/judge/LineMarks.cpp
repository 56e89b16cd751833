#include "judge/LineMarks.h"

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
    line.text.assign(raw);
    TrimRight(line.text);
    line.working = line.text;
    // The display text keeps the full stop; only the working copy is marked,
    // so a byte 0xFF that the report itself held is never turned into '.'.
    MarkLastFullStop(line.working);
    return line;
}

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return upper;
}

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
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
