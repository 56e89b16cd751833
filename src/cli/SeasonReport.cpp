#include "cli/SeasonReport.h"

#include "cli/Json.h"
#include "model/KestraneDoc.h"

#include <algorithm>

namespace {

// Countries that both the table and every per-country array can answer for.
int CountryCount(const CKestraneDoc& doc)
{
    const size_t n = std::min(size_t(std::max(doc.m_nCountries, 0)), doc.m_countries.size());
    return int(std::min(n, size_t(kMaxCountries)));
}

const CPositionList* OwnedCentres(const CSeasonHdr* ownership, int country)
{
    if (!ownership || country >= ownership->m_nCountries)
        return nullptr;
    return CKestraneDoc::GetCentreList(*ownership, country);
}

std::string Position(const MapPos& p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

} // namespace

std::string SeasonReportText(const CKestraneDoc& doc)
{
    const CSeasonHdr* season = doc.GetCurrentSeason();
    const CSeasonHdr* ownership = doc.FindOwnershipSeason();
    std::string out;
    out += "Title: " + doc.GetTitle() + "\n";
    out += "Season: " + (season ? season->m_strSeason : std::string()) + "\n";
    out += "Deadline: " + (season ? season->m_strDeadline : std::string()) + "\n";
    out += "\nOrders\n";
    if (season)
        for (const auto& line : season->m_orders)
            out += "  " + line + "\n";
    out += "\nUnits Dislodged\n";
    if (season)
        for (const auto& line : season->m_dislodged)
            out += "  " + line + "\n";

    for (int i = 0; i < CountryCount(doc); ++i) {
        const CCountry& country = doc.m_countries[size_t(i)];
        out += "\n" + country.m_strName + "\n";
        if (season && i < season->m_nCountries)
            for (const CSeasonData& unit : season->m_units[size_t(i)])
                out += "  " + std::string(unit.IsFleet() ? doc.m_strFleet : doc.m_strArmy) + "\t" +
                       unit.m_strProvince + "\t" + Position(unit.m_pos) + "\n";
        if (const CPositionList* centres = OwnedCentres(ownership, i)) {
            out += "  centres";
            for (const MapPos& p : *centres)
                out += " " + Position(p);
            out += "\n";
        }
    }
    return out;
}

std::string SeasonReportJson(const CKestraneDoc& doc)
{
    const CSeasonHdr* season = doc.GetCurrentSeason();
    const CSeasonHdr* ownership = doc.FindOwnershipSeason();
    CJsonWriter json;
    json.BeginObject();
    json.Key("judge").String(doc.m_strJudge);
    json.Key("game").String(doc.m_strGame);
    json.Key("variant").String(doc.m_strVariant);
    json.Key("map").String(doc.m_strMapName);
    json.Key("my_country").String(doc.m_strMyCountry);
    if (season) {
        json.Key("season").String(season->m_strSeason);
        json.Key("deadline").String(season->m_strDeadline);
    } else {
        json.Key("season").Null();
        json.Key("deadline").Null();
    }
    json.Key("title").String(doc.GetTitle());

    json.Key("orders").BeginArray();
    if (season)
        for (const auto& line : season->m_orders)
            json.String(line);
    json.EndArray();
    json.Key("dislodged").BeginArray();
    if (season)
        for (const auto& line : season->m_dislodged)
            json.String(line);
    json.EndArray();

    json.Key("countries").BeginArray();
    for (int i = 0; i < CountryCount(doc); ++i) {
        const CCountry& country = doc.m_countries[size_t(i)];
        json.BeginObject();
        json.Key("name").String(country.m_strName);
        json.Key("colour").BeginArray().Int(country.Red()).Int(country.Green()).Int(country.Blue()).EndArray();
        json.Key("units").BeginArray();
        if (season && i < season->m_nCountries) {
            for (const CSeasonData& unit : season->m_units[size_t(i)]) {
                json.BeginObject();
                json.Key("type").String(unit.IsFleet() ? "FLEET" : "ARMY");
                json.Key("province").String(unit.m_strProvince);
                json.Key("x").Int(unit.m_pos.x);
                json.Key("y").Int(unit.m_pos.y);
                json.EndObject();
            }
        }
        json.EndArray();
        json.Key("centres").BeginArray();
        if (const CPositionList* centres = OwnedCentres(ownership, i))
            for (const MapPos& p : *centres)
                json.BeginArray().Int(p.x).Int(p.y).EndArray();
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Str() + "\n";
}
