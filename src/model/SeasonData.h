#pragma once

#include "model/MapPos.h"

#include <cstdint>
#include <string>

class CArchive;

/// One unit of a season: its kind, where it is drawn and its province key.
class CSeasonData {
public:
    static constexpr int32_t kArmy = 0;
    static constexpr int32_t kFleet = 1;

    CSeasonData() = default;
    CSeasonData(int32_t type, MapPos pos, std::string province)
        : m_nType(type), m_pos(pos), m_strProvince(std::move(province)) {}

    /// Copies kind, position and province key.
    void CopyFrom(const CSeasonData& other) { *this = other; }
    bool IsFleet() const { return m_nType == kFleet; }
    /// Writes or reads kind, position and province key.
    void Serialize(CArchive& ar);

    int32_t m_nType = kArmy;
    MapPos m_pos;
    std::string m_strProvince;

    friend bool operator==(const CSeasonData&, const CSeasonData&) = default;
};
