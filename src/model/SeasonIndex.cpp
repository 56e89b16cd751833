#include "model/SeasonIndex.h"

#include "model/KestraneDoc.h"
#include "model/SeasonWords.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>

namespace {

// Words that only movement results carry: every order line of a movement
// names a move, a hold, a support, a convoy or an order the Judge skipped.
bool NamesAnOrder(const std::string& line)
{
    for (const char* word : {"->", "HOLD", "SUPPORT", "CONVOY", "No Order"})
        if (line.find(word) != std::string::npos)
            return true;
    return false;
}

bool IsClockField(const std::string& word)
{
    return (word.size() == 1 || word.size() == 2) &&
           std::all_of(word.begin(), word.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

} // namespace

std::string ReadableDeadline(const std::string& stored)
{
    std::vector<std::string> words;
    std::istringstream in(stored);
    for (std::string word; in >> word;)
        words.push_back(word);
    std::string out;
    for (size_t i = 0; i < words.size(); ++i) {
        // The header's word splitter took the time apart at its colons:
        // "Tue Jan 20 2004 21 31 00 +0000"; the clock goes back together.
        if (i == 4 && words.size() >= 7 && IsClockField(words[4]) && IsClockField(words[5]) && IsClockField(words[6])) {
            out += " " + words[4] + ":" + words[5] + ":" + words[6];
            i = 6;
            continue;
        }
        out += (out.empty() ? "" : " ") + words[i];
    }
    return out;
}

bool IsGameStart(const CKestraneDoc& doc, size_t index)
{
    if (index != 0 || doc.m_seasons.empty())
        return false;
    const CSeasonHdr& first = *doc.m_seasons.front();
    const std::string& name = first.m_strSeason;
    if (name.size() != 6 || name[0] != 'S' || name[5] != 'M' || !first.m_dislodged.empty())
        return false;
    for (const std::string& line : first.m_orders)
        if (NamesAnOrder(line))
            return false;
    // The game start is filed a year before the first movement, so no
    // other season shares its year.
    if (doc.m_seasons.size() > 1) {
        const CSeasonHdr& next = **std::next(doc.m_seasons.begin());
        if (CSeasonHdr::SeasonYear(next.m_strSeason) == CSeasonHdr::SeasonYear(name))
            return false;
    }
    return true;
}

std::vector<CSeasonIndexEntry> SeasonIndex(const CKestraneDoc& doc)
{
    std::vector<CSeasonIndexEntry> entries;
    size_t index = 0;
    for (auto it = doc.m_seasons.begin(); it != doc.m_seasons.end(); ++it, ++index) {
        const CSeasonHdr& season = **it;
        CSeasonIndexEntry entry;
        entry.name = season.m_strSeason;
        entry.words = IsGameStart(doc, index) ? StartingPositionInWords(season.m_strSeason)
                                              : SeasonInWords(season.m_strSeason);
        entry.deadline = ReadableDeadline(season.m_strDeadline);
        entry.onShow = it == CKestraneDoc::SeasonList::const_iterator(doc.m_posCurrent);
        entries.push_back(std::move(entry));
    }
    return entries;
}
