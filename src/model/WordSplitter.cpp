#include "model/WordSplitter.h"

#include <array>
#include <cstring>

namespace {

struct CoastNotation {
    const char* text;
    const char* code;
};

// Searched in this order on every pass; each is rewritten in place as its
// two-letter code followed by blanks, so the line keeps its length.
constexpr std::array<CoastNotation, 8> kCoastNotations{{
    {" (SOUTH COAST)", "SC"},
    {" (NORTH COAST)", "NC"},
    {" (EAST COAST)", "EC"},
    {" (WEST COAST)", "WC"},
    {" (SC)", "SC"},
    {" (NC)", "NC"},
    {" (EC)", "EC"},
    {" (WC)", "WC"},
}};

void FoldCoastNotations(std::string& buffer)
{
    // Every notation opens with " (" and a compass letter; most lines hold
    // none, or only the Judge's "(*bounce*)" kind of note.
    bool mayHold = false;
    for (size_t at = buffer.find(" ("); at != std::string::npos && !mayHold; at = buffer.find(" (", at + 1)) {
        const char letter = at + 2 < buffer.size() ? buffer[at + 2] : '\0';
        mayHold = letter == 'S' || letter == 'N' || letter == 'E' || letter == 'W';
    }
    if (!mayHold)
        return;
    bool changed = true;
    while (changed) {
        changed = false;
        for (const CoastNotation& notation : kCoastNotations) {
            const size_t at = buffer.find(notation.text);
            if (at == std::string::npos)
                continue;
            const size_t length = std::strlen(notation.text);
            buffer.replace(at, length, length, ' ');
            buffer[at] = notation.code[0];
            buffer[at + 1] = notation.code[1];
            changed = true;
        }
    }
}

} // namespace

bool CWordSplitter::NextWord(std::string& word, std::string_view separators, std::string_view line)
{
    // The line is a C string to the splitter: it ends at a NUL byte.
    m_tokenBuf.assign(line.substr(0, line.find('\0')));
    for (char& c : m_tokenBuf)
        if (static_cast<unsigned char>(c) >= 128)
            c = ' ';
    FoldCoastNotations(m_tokenBuf);
    m_tokenPos = 0;
    m_bTokenLine = true;
    return NextWord(word, separators);
}

bool CWordSplitter::NextWord(std::string& word, std::string_view separators)
{
    word.clear();
    if (!m_bTokenLine)
        return false;
    // A plain loop: the separator sets hold one or two characters, and a
    // library search per character cost more than the split itself.
    auto isSeparator = [&](char c) {
        for (char separator : separators)
            if (c == separator)
                return true;
        return false;
    };
    while (m_tokenPos < m_tokenBuf.size() && isSeparator(m_tokenBuf[m_tokenPos]))
        ++m_tokenPos;
    if (m_tokenPos >= m_tokenBuf.size())
        return false;
    size_t end = m_tokenPos;
    while (end < m_tokenBuf.size() && !isSeparator(m_tokenBuf[end]))
        ++end;
    word.assign(m_tokenBuf, m_tokenPos, end - m_tokenPos);
    // The separator that ended the word is consumed.
    m_tokenPos = end < m_tokenBuf.size() ? end + 1 : end;
    return true;
}
