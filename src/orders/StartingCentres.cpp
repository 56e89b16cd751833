#include "orders/StartingCentres.h"

#include "model/CentreHistory.h"
#include "model/KestraneDoc.h"
#include "model/SeasonIndex.h"
#include "orders/Geography.h"

#include <algorithm>
#include <cctype>

namespace orders {

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// The countries the game's seasons are read for: as many as the chart's rows.
size_t Countries(const CKestraneDoc& doc)
{
    return size_t(std::clamp<int>(std::min<int>(doc.m_nCountries, int(doc.m_countries.size())), 0, kMaxCountries));
}

} // namespace

std::optional<StartingCentres> GameStartCentres(const CKestraneDoc& doc, const Geography* geography)
{
    StartingCentres start;
    const bool filed = IsGameStart(doc, 0);
    if (filed)
        start.season = doc.m_seasons.front()->m_strSeason;
    const size_t countries = Countries(doc);

    if (geography) {
        start.centres.assign(countries, 0);
        bool any = false;
        for (const Province& province : geography->provinces) {
            if (!province.centre || province.home.empty())
                continue;
            for (size_t c = 0; c < countries; ++c)
                if (SameName(province.home, doc.m_countries[c].m_strName)) {
                    ++start.centres[c];
                    any = true;
                }
        }
        if (any)
            return start;
    }
    if (!filed)
        return std::nullopt;
    const CSeasonHdr& first = *doc.m_seasons.front();
    start.centres.assign(countries, 0);
    for (size_t c = 0; c < countries && int(c) < CountriesInSeason(doc, first); ++c)
        start.centres[c] = int(first.m_units[c].size());
    return start;
}

} // namespace orders
