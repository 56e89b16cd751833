#pragma once

#include "model/KestraneDoc.h"

#include <iterator>
#include <string>
#include <string_view>

/// The standard board as the report parsers see it: seven powers and every
/// province under the name the Judge prints in full (upper case, coasts
/// glued), filled straight into a document without a map file or picture.
/// Header-only, so the benchmarks can use it too.
namespace importboard {

inline constexpr std::string_view kCountries[] = {"AUSTRIA", "ENGLAND", "FRANCE", "GERMANY",
                                                           "ITALY",   "RUSSIA",  "TURKEY"};

inline constexpr std::string_view kProvinces[] = {
    "ADRIATIC SEA", "AEGEAN SEA", "ALBANIA", "ANKARA", "APULIA", "ARMENIA", "BALTIC SEA", "BARENTS SEA",
    "BELGIUM", "BERLIN", "BLACK SEA", "BOHEMIA", "BREST", "BUDAPEST", "BULGARIA", "BULGARIAEC", "BULGARIASC",
    "BURGUNDY", "CLYDE", "CONSTANTINOPLE", "DENMARK", "EASTERN MEDITERRANEAN", "EDINBURGH", "ENGLISH CHANNEL",
    "FINLAND", "GALICIA", "GASCONY", "GREECE", "GULF OF LYON", "GULF OF BOTHNIA", "HELGOLAND BIGHT", "HOLLAND",
    "IONIAN SEA", "IRISH SEA", "KIEL", "LIVERPOOL", "LIVONIA", "LONDON", "MARSEILLES", "MID-ATLANTIC OCEAN",
    "MOSCOW", "MUNICH", "NAPLES", "NORTH ATLANTIC OCEAN", "NORTH AFRICA", "NORTH SEA", "NORWAY", "NORWEGIAN SEA",
    "PARIS", "PICARDY", "PIEDMONT", "PORTUGAL", "PRUSSIA", "ROME", "RUHR", "RUMANIA", "SERBIA", "SEVASTOPOL",
    "SILESIA", "SKAGERRAK", "SMYRNA", "SPAIN", "SPAINNC", "SPAINSC", "ST PETERSBURG", "ST PETERSBURGNC",
    "ST PETERSBURGSC", "SWEDEN", "SYRIA", "TRIESTE", "TUNIS", "TUSCANY", "TYROLIA", "TYRRHENIAN SEA", "UKRAINE",
    "VENICE", "VIENNA", "WALES", "WARSAW", "WESTERN MEDITERRANEAN", "YORKSHIRE"};

inline constexpr std::string_view kSupplyCentres[] = {
    "ANKARA", "BELGIUM", "BERLIN", "BREST", "BUDAPEST", "BULGARIA", "CONSTANTINOPLE", "DENMARK", "EDINBURGH",
    "GREECE", "HOLLAND", "KIEL", "LIVERPOOL", "LONDON", "MARSEILLES", "MOSCOW", "MUNICH", "NAPLES", "NORWAY",
    "PARIS", "PORTUGAL", "ROME", "RUMANIA", "SERBIA", "SEVASTOPOL", "SMYRNA", "SPAIN", "ST PETERSBURG", "SWEDEN",
    "TRIESTE", "TUNIS", "VENICE", "VIENNA", "WARSAW"};

static_assert(std::size(kProvinces) == 81, "75 provinces and six coasts");
static_assert(std::size(kSupplyCentres) == 34);

/// Distinct positions: the unit spot of the i-th province, the marker of the
/// i-th centre (kept apart from every unit spot).
inline MapPos ProvinceSpot(size_t i) { return MapPos{int32_t(10 + 7 * i), int32_t(20 + 3 * i)}; }
inline MapPos CentreSpot(size_t i) { return MapPos{int32_t(1000 + 5 * i), int32_t(2000 + 11 * i)}; }

/// Fills countries, both name tables and the counts of doc.
inline void FillStandardBoard(CKestraneDoc& doc)
{
    doc.m_countries.clear();
    for (std::string_view name : kCountries)
        doc.m_countries.emplace_back(std::string(name), 200, 10, 10);
    doc.m_nCountries = int32_t(std::size(kCountries));
    for (size_t i = 0; i < std::size(kProvinces); ++i)
        doc.m_provinces.SetAt(std::string(kProvinces[i]), ProvinceSpot(i));
    for (size_t i = 0; i < std::size(kSupplyCentres); ++i)
        doc.m_supplyCentres.SetAt(std::string(kSupplyCentres[i]), CentreSpot(i));
    doc.m_bSupplyCentres = true;
}

/// Index of a country name in kCountries, or -1.
inline int CountryIndex(std::string_view name)
{
    for (size_t i = 0; i < std::size(kCountries); ++i)
        if (kCountries[i] == name)
            return int(i);
    return -1;
}

} // namespace importboard
