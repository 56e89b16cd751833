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
    auto lines = [](const std::vector<std::string>* texts) {
        CJson array = CJson::array();
        if (texts)
            for (const auto& line : *texts)
                array.push_back(JsonText(line));
        return array;
    };

    CJson json = CJson::object();
    json["judge"] = JsonText(doc.m_strJudge);
    json["game"] = JsonText(doc.m_strGame);
    json["variant"] = JsonText(doc.m_strVariant);
    json["map"] = JsonText(doc.m_strMapName);
    json["my_country"] = JsonText(doc.m_strMyCountry);
    json["season"] = season ? JsonText(season->m_strSeason) : CJson(nullptr);
    json["deadline"] = season ? JsonText(season->m_strDeadline) : CJson(nullptr);
    json["title"] = JsonText(doc.GetTitle());
    json["orders"] = lines(season ? &season->m_orders : nullptr);
    json["dislodged"] = lines(season ? &season->m_dislodged : nullptr);

    CJson countries = CJson::array();
    for (int i = 0; i < CountryCount(doc); ++i) {
        const CCountry& country = doc.m_countries[size_t(i)];
        CJson units = CJson::array();
        if (season && i < season->m_nCountries) {
            for (const CSeasonData& unit : season->m_units[size_t(i)]) {
                CJson entry = CJson::object();
                entry["type"] = unit.IsFleet() ? "FLEET" : "ARMY";
                entry["province"] = JsonText(unit.m_strProvince);
                entry["x"] = unit.m_pos.x;
                entry["y"] = unit.m_pos.y;
                units.push_back(std::move(entry));
            }
        }
        CJson centres = CJson::array();
        if (const CPositionList* owned = OwnedCentres(ownership, i))
            for (const MapPos& p : *owned)
                centres.push_back(CJson::array({p.x, p.y}));
        CJson entry = CJson::object();
        entry["name"] = JsonText(country.m_strName);
        entry["colour"] = CJson::array({country.Red(), country.Green(), country.Blue()});
        entry["units"] = std::move(units);
        entry["centres"] = std::move(centres);
        countries.push_back(std::move(entry));
    }
    json["countries"] = std::move(countries);
    return JsonLine(json);
}
