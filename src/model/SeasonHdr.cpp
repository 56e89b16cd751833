#include "model/SeasonHdr.h"

#include "model/SeasonKey.h"

int CSeasonHdr::SeasonYear(const std::string& name)
{
    return SeasonYearOf(name);
}

bool CSeasonHdr::IsLaterThan(const CSeasonHdr& other) const
{
    return SeasonKeyOf(m_strSeason).IsLaterThan(SeasonKeyOf(other.m_strSeason));
}
