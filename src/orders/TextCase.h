#pragma once

#include <string>
#include <string_view>

namespace orders {

/// ASCII case folding: the Judge and the board files compare letters without
/// regard to case and leave every other byte as it is.
inline char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

inline char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

inline bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

/// "AUSTRIA" as the Judge writes it: "Austria".
inline std::string TitleCase(std::string_view word)
{
    std::string out(word);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = i == 0 ? UpperAscii(out[i]) : LowerAscii(out[i]);
    return out;
}

/// The C library's white space, as the Judge's reading tests it.
inline bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

/// The text without white space at either end.
inline std::string_view TrimSpace(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace orders
