#include "model/SerializeModel.h"

#include "model/Country.h"
#include "model/SeasonData.h"
#include "model/SeasonHdr.h"

#include <algorithm>

namespace {

void SerializeStrings(CArchive& ar, std::vector<std::string>& lines)
{
    if (ar.IsStoring()) {
        ar.WriteCount(lines.size());
        for (const std::string& line : lines)
            ar.WriteString(line);
        return;
    }
    const size_t count = ar.ReadCount(1);
    for (size_t i = 0; i < count && !ar.Failed(); ++i) {
        std::string line = ar.ReadString();
        if (!ar.Failed())
            lines.push_back(std::move(line));
    }
}

void SerializeUnits(CArchive& ar, CUnitList& units)
{
    if (ar.IsStoring()) {
        ar.WriteCount(units.size());
        for (CSeasonData& unit : units) {
            ar.WriteObjectTag(kSeasonDataClass);
            unit.Serialize(ar);
        }
        return;
    }
    const size_t count = ar.ReadCount(kMinUnitBytes);
    for (size_t i = 0; i < count && !ar.Failed(); ++i) {
        if (!ar.ReadObjectTag(kSeasonDataClass) || !ar.Charge(sizeof(CSeasonData) + 2 * sizeof(void*)))
            return;
        CSeasonData unit;
        unit.Serialize(ar);
        if (!ar.Failed())
            units.push_back(std::move(unit));
    }
}

} // namespace

void CSeasonData::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt(m_nType);
        ar.WritePos(m_pos);
        ar.WriteString(m_strProvince);
    } else {
        m_nType = ar.ReadInt();
        m_pos = ar.ReadPos();
        m_strProvince = ar.ReadString();
    }
}

void CCountry::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_strName);
        ar.WriteInt(m_nRed);
        ar.WriteInt(m_nGreen);
        ar.WriteInt(m_nBlue);
    } else {
        m_strName = ar.ReadString();
        const int32_t red = ar.ReadInt();
        const int32_t green = ar.ReadInt();
        const int32_t blue = ar.ReadInt();
        SetColour(red, green, blue);
    }
}

void CSeasonHdr::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        SerializeStrings(ar, m_orders);
        SerializeStrings(ar, m_dislodged);
        ar.WriteString(m_strDeadline);
        ar.WriteString(m_strSeason);
        // The record never covers more countries than it has lists for.
        const int32_t countries = std::clamp<int32_t>(m_nCountries, 0, kMaxCountries);
        ar.WriteInt(countries);
        for (int32_t i = 0; i < countries; ++i) {
            SerializeUnits(ar, m_units[size_t(i)]);
            SerializePositionList(ar, m_centres[size_t(i)]);
        }
        return;
    }
    // Records of schema 1 kept no owned supply centres.
    const bool hasCentres = ar.GetObjectSchema() > 1;
    SerializeStrings(ar, m_orders);
    SerializeStrings(ar, m_dislodged);
    m_strDeadline = ar.ReadString();
    m_strSeason = ar.ReadString();
    const int32_t countries = ar.ReadInt();
    if (ar.Failed())
        return;
    if (countries < 0 || countries > kMaxCountries) {
        ar.SetFailed();
        return;
    }
    m_nCountries = countries;
    for (int32_t i = 0; i < countries && !ar.Failed(); ++i) {
        SerializeUnits(ar, m_units[size_t(i)]);
        if (hasCentres)
            SerializePositionList(ar, m_centres[size_t(i)]);
    }
}
