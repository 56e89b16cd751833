#include "HandBuiltGame.h"

namespace handbuilt {

std::unique_ptr<CKestraneDoc> MakeDoc(CRecordingServices& services, const std::vector<CCountry>& countries,
                                      const std::vector<Season>& seasons)
{
    auto doc = std::make_unique<CKestraneDoc>(services);
    doc->m_countries = countries;
    doc->m_nCountries = int32_t(countries.size());
    for (const Season& s : seasons) {
        auto season = std::make_unique<CSeasonHdr>(doc->m_nCountries);
        season->m_strSeason = s.name;
        season->m_strDeadline = s.deadline;
        season->m_orders = s.orders;
        season->m_dislodged = s.dislodged;
        for (const Unit& u : s.units)
            season->m_units[size_t(u.country)].emplace_back(u.fleet ? CSeasonData::kFleet : CSeasonData::kArmy,
                                                            MapPos{u.x, u.y}, u.province);
        for (const auto& c : s.centres)
            season->m_centres[size_t(c[0])].push_back(MapPos{c[1], c[2]});
        doc->m_seasons.push_back(std::move(season));
    }
    doc->m_posCurrent = doc->m_seasons.empty() ? doc->m_seasons.end() : std::prev(doc->m_seasons.end());
    return doc;
}

} // namespace handbuilt
