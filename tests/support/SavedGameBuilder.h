#pragma once

#include "model/KestraneDoc.h"

#include <cstdio>
#include <memory>
#include <string>

/// Games filled member by member, as saved-game tests and benchmarks need
/// them: no map file and no picture involved.
namespace savedgame {

/// Settings of a game played for a while on a seven-power board.
struct FullGameShape {
    int seasons = 6;
    /// Units in every season, dealt to the countries in turn.
    int units = 34;
    /// Order lines per season (one per unit when negative).
    int orderLines = -1;
};

inline const char* const kPowers[] = {"AUSTRIA", "ENGLAND", "FRANCE", "GERMANY", "ITALY", "RUSSIA", "TURKEY"};
inline constexpr int kPowerCount = 7;

/// Province key number i: a three-letter key, unique for i below 17576.
inline std::string ProvinceKey(int i)
{
    std::string key(3, 'A');
    key[0] = char('A' + (i / 676) % 26);
    key[1] = char('A' + (i / 26) % 26);
    key[2] = char('A' + i % 26);
    return key;
}

/// The name of season number i counted from S1901M (S M, F M, F R, F B).
inline std::string SeasonName(int i)
{
    static const char* const phases[] = {"S%04dM", "F%04dM", "F%04dR", "F%04dB"};
    char name[16];
    std::snprintf(name, sizeof name, phases[i % 4], 1901 + i / 4);
    return name;
}

/// A seven-country game with provinces, supply centres, identity strings and
/// shape.seasons season records, each with units, owned centres, orders and
/// dislodged lines. The first season is current.
inline void FillFullGame(CKestraneDoc& doc, const FullGameShape& shape = {})
{
    for (int c = 0; c < kPowerCount; ++c)
        doc.m_countries.emplace_back(kPowers[c], (c * 40) % 256, (c * 90) % 256, (c * 150) % 256);
    doc.m_nCountries = kPowerCount;
    const int provinces = shape.units > 75 ? shape.units : 75;
    for (int p = 0; p < provinces; ++p) {
        doc.m_provinces.SetAt(ProvinceKey(p), MapPos{p * 7, p * 3 + 1});
        if (p % 2 == 0)
            doc.m_supplyCentres.SetAt(ProvinceKey(p), MapPos{p * 7 + 2, p * 3 + 3});
    }
    doc.m_bSupplyCentres = true;
    doc.m_nSCRadius = 4;
    doc.m_strGame = "kestrel";
    doc.m_strMyCountry = "FRANCE";
    doc.m_strJudge = "USTV";
    doc.m_strVariant = "Standard Gunboat ";
    doc.m_strPassword = "secret";
    doc.m_strMapName = "Board";
    doc.m_strImagePath = "Maps\\BOARD.BMP";
    const int orderLines = shape.orderLines < 0 ? shape.units : shape.orderLines;
    for (int s = 0; s < shape.seasons; ++s) {
        auto season = std::make_unique<CSeasonHdr>(kPowerCount);
        season->m_strSeason = SeasonName(s);
        season->m_strDeadline = "Sat Mar 14 2026 23:30:00 ";
        for (int u = 0; u < shape.units; ++u) {
            const int province = (u + s) % provinces;
            const int country = u % kPowerCount;
            season->m_units[size_t(country)].emplace_back(u % 3 == 0 ? CSeasonData::kFleet : CSeasonData::kArmy,
                                                          MapPos{province * 7, province * 3 + 1},
                                                          ProvinceKey(province));
            if (province % 2 == 0)
                season->m_centres[size_t(country)].push_back(MapPos{province * 7 + 2, province * 3 + 3});
        }
        for (int o = 0; o < orderLines; ++o)
            season->m_orders.push_back(std::string(kPowers[o % kPowerCount]) + ": Army " + ProvinceKey(o) +
                                       " -> " + ProvinceKey(o + 1) + ".");
        if (s % 4 == 1)
            season->m_dislodged.push_back("The Army in " + ProvinceKey(s) + " with no valid retreats was destroyed.");
        doc.m_seasons.push_back(std::move(season));
    }
    doc.m_posCurrent = doc.m_seasons.begin();
}

} // namespace savedgame
