#include "model/KestraneDoc.h"

#include <algorithm>

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

namespace {

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// True when line, upper-cased, begins with name: a country name is matched
// without copying the whole line.
bool StartsWithUpper(std::string_view line, std::string_view name)
{
    if (line.size() < name.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (UpperAscii(line[i]) != name[i])
            return false;
    return true;
}

} // namespace

int CKestraneDoc::FindCountry(std::string_view line) const
{
    if (line.empty())
        return -1;
    const size_t countries = std::min<size_t>({m_countries.size(), size_t(std::max(m_nCountries, 0)),
                                               size_t(kMaxCountries)});
    for (size_t i = 0; i < countries; ++i) {
        const std::string& name = m_countries[i].m_strName;
        if (!name.empty() && StartsWithUpper(line, name))
            return int(i);
    }
    return -1;
}

std::optional<MapPos> CKestraneDoc::LookupPosition(const CPositionMap& table, const std::string& key)
{
    return table.Lookup(key);
}
