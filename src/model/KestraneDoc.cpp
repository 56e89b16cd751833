#include "model/KestraneDoc.h"

CKestraneDoc::CKestraneDoc(IAppServices& services)
    : m_posCurrent(m_seasons.end()), m_pServices(&services)
{
}

CKestraneDoc::~CKestraneDoc() = default;

void CKestraneDoc::DeleteContents()
{
    m_seasons.clear();
    m_posCurrent = m_seasons.end();
    m_provinces.RemoveAll();
    m_supplyCentres.RemoveAll();
    m_countries.clear();
}

CSeasonHdr* CKestraneDoc::GetCurrentSeason() const
{
    return m_posCurrent == m_seasons.end() ? nullptr : m_posCurrent->get();
}

const CUnitList* CKestraneDoc::GetUnitList(int country) const
{
    const CSeasonHdr* season = GetCurrentSeason();
    if (!season || country < 0 || country >= kMaxCountries)
        return nullptr;
    return &season->m_units[size_t(country)];
}

const CPositionList* CKestraneDoc::GetCentreList(const CSeasonHdr& season, int country)
{
    if (country < 0 || country >= kMaxCountries || season.m_centres[size_t(country)].empty())
        return nullptr;
    return &season.m_centres[size_t(country)];
}

const CSeasonHdr* CKestraneDoc::FindOwnershipSeason() const
{
    if (m_posCurrent == m_seasons.end())
        return nullptr;
    const int countries = std::min<int>(m_nCountries, kMaxCountries);
    for (auto it = std::make_reverse_iterator(std::next(SeasonList::const_iterator(m_posCurrent)));
         it != m_seasons.rend(); ++it) {
        for (int i = 0; i < countries; ++i)
            if (!(*it)->m_centres[size_t(i)].empty())
                return it->get();
    }
    return nullptr;
}

std::optional<CUnitList::iterator> CKestraneDoc::FindUnit(CUnitList& list, const std::string& key)
{
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->m_strProvince == key)
            return it;
    return std::nullopt;
}
