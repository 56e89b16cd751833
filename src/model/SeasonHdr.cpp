#include "model/SeasonHdr.h"

namespace {

char CharAt(const std::string& name, size_t index)
{
    return index < name.size() ? name[index] : '\0';
}

} // namespace

int CSeasonHdr::SeasonYear(const std::string& name)
{
    // Like the C library's decimal conversion of characters 1 to 4: an
    // optional sign, then digits; anything else ends the number.
    const std::string digits = name.size() > 1 ? name.substr(1, 4) : std::string();
    size_t i = 0;
    while (i < digits.size() && (digits[i] == ' ' || digits[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-'))
        negative = digits[i++] == '-';
    int year = 0;
    for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i)
        year = year * 10 + (digits[i] - '0');
    return negative ? -year : year;
}

bool CSeasonHdr::IsLaterThan(const CSeasonHdr& other) const
{
    const int thisYear = SeasonYear(m_strSeason);
    const int otherYear = SeasonYear(other.m_strSeason);
    if (thisYear > otherYear)
        return true;
    if (thisYear < otherYear)
        return false;

    const char thisLetter = CharAt(m_strSeason, 0);
    const char otherLetter = CharAt(other.m_strSeason, 0);
    if (thisLetter == 'F' && otherLetter == 'S')
        return true;
    if (thisLetter == 'S' && otherLetter == 'F')
        return false;

    const char thisPhase = CharAt(m_strSeason, 5);
    const char otherPhase = CharAt(other.m_strSeason, 5);
    if (thisPhase == 'B' && otherPhase != 'B')
        return true;
    return thisPhase == 'R' && otherPhase == 'M';
}
