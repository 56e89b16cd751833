#include "model/CentreHistory.h"

#include "model/KestraneDoc.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

int GameCountries(const CKestraneDoc& doc)
{
    return std::clamp<int>(int(std::min<size_t>(size_t(std::max(doc.m_nCountries, 0)), doc.m_countries.size())), 0,
                           kMaxCountries);
}

} // namespace

int CountriesInSeason(const CKestraneDoc& doc, const CSeasonHdr& season)
{
    // A record made for fewer countries than the game has: its further
    // lists are not the game's.
    return std::min(GameCountries(doc), std::max(season.m_nCountries, 0));
}

int CentreCount(const CKestraneDoc& doc, const CSeasonHdr& season, int country)
{
    if (country < 0 || country >= CountriesInSeason(doc, season))
        return 0;
    std::set<std::pair<int32_t, int32_t>> distinct;
    for (const MapPos& p : season.m_centres[size_t(country)])
        distinct.insert({p.x, p.y});
    return int(distinct.size());
}

bool HoldsOwnership(const CKestraneDoc& doc, const CSeasonHdr& season)
{
    const int countries = CountriesInSeason(doc, season);
    for (int i = 0; i < countries; ++i)
        if (!season.m_centres[size_t(i)].empty())
            return true;
    return false;
}

CCentreHistory BuildCentreHistory(const CKestraneDoc& doc)
{
    CCentreHistory history;
    const int countries = GameCountries(doc);
    for (int i = 0; i < countries; ++i) {
        const CCountry& c = doc.m_countries[size_t(i)];
        history.countries.push_back({c.m_strName, {c.Red(), c.Green(), c.Blue()}});
    }
    for (const auto& season : doc.m_seasons) {
        if (!HoldsOwnership(doc, *season))
            continue;
        CCentreHistory::Row row;
        row.season = season->m_strSeason;
        for (int i = 0; i < countries; ++i)
            row.centres.push_back(CentreCount(doc, *season, i));
        history.rows.push_back(std::move(row));
    }
    return history;
}

std::optional<size_t> CentreHistoryRowOnShow(const CCentreHistory& history, const CKestraneDoc& doc)
{
    if (!doc.HasCurrentSeason())
        return std::nullopt;
    // Walk back from the season on show with the test the rows were made
    // with; season names are unique within a game, so the name finds the row.
    for (auto it = std::next(CKestraneDoc::SeasonList::const_iterator(doc.m_posCurrent)); it != doc.m_seasons.begin();) {
        --it;
        if (!HoldsOwnership(doc, **it))
            continue;
        for (size_t i = 0; i < history.rows.size(); ++i)
            if (history.rows[i].season == (*it)->m_strSeason)
                return i;
        return std::nullopt;
    }
    return std::nullopt;
}
