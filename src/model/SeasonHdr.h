#pragma once

#include "model/PositionList.h"
#include "model/SeasonData.h"

#include <array>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

class CArchive;

/// Most countries a game can have; every per-country array has this many slots.
inline constexpr int kMaxCountries = 99;

using CUnitList = std::list<CSeasonData>;

/// The state of the game after one phase: every country's units and owned
/// supply centres, the order lines and the dislodged-unit lines.
class CSeasonHdr {
public:
    CSeasonHdr() = default;
    explicit CSeasonHdr(int32_t countries) : m_nCountries(countries) {}

    /// TRUE when this season comes after other in game order: year, then S
    /// before F, then M before R before B. Characters missing from a short
    /// name count as absent; nothing outside either name is read.
    bool IsLaterThan(const CSeasonHdr& other) const;

    /// Year of a season name: the decimal number its characters 1 to 4 give.
    static int SeasonYear(const std::string& name);

    /// Writes or reads the record's fields (after its class reference); reading
    /// follows the schema of the object being read.
    void Serialize(CArchive& ar);

    std::array<CUnitList, kMaxCountries> m_units;
    std::string m_strDeadline;
    std::string m_strSeason;
    std::vector<std::string> m_dislodged;
    std::vector<std::string> m_orders;
    int32_t m_nCountries = 0;
    std::array<CPositionList, kMaxCountries> m_centres;
};
