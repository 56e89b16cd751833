#include "GeographyDefinition.h"

#include "Adjacency.h"
#include "Provinces.h"

#include "orders/GeographyFile.h"

#include <optional>

namespace board {

namespace {

// "VIE" as players write it: "Vie"; St Petersburg keeps its capital P.
std::string ShortName(const std::string& abbreviation)
{
    if (abbreviation == "STP")
        return "StP";
    std::string name = abbreviation;
    for (size_t i = 1; i < name.size(); ++i)
        name[i] = char(name[i] - 'A' + 'a');
    return name;
}

std::optional<int> IndexOf(const std::string& abbreviation)
{
    const auto& provinces = Provinces();
    for (size_t i = 0; i < provinces.size(); ++i)
        if (provinces[i].abbreviation == abbreviation)
            return int(i);
    return std::nullopt;
}

orders::Coast CoastOf(const std::string& letters)
{
    return letters == "NC" ? orders::Coast::North : letters == "SC" ? orders::Coast::South
                            : letters == "EC" ? orders::Coast::East : letters == "WC" ? orders::Coast::West
                                                                       : orders::Coast::None;
}

std::optional<orders::Place> PlaceOf(const std::string& text, std::vector<std::string>& problems)
{
    const size_t slash = text.find('/');
    const auto index = IndexOf(text.substr(0, slash));
    if (!index) {
        problems.push_back("the movement table names a province " + text + " the province table does not have");
        return std::nullopt;
    }
    return orders::Place{*index, slash == std::string::npos ? orders::Coast::None : CoastOf(text.substr(slash + 1))};
}

} // namespace

std::string WriteGeographyDefinition(const Layout& layout, std::vector<std::string>& problems)
{
    const auto& provinces = Provinces();
    orders::Geography geography;
    geography.provinces.resize(provinces.size());
    std::vector<bool> linked(provinces.size(), false);
    for (const ProvinceLinks& links : Links()) {
        const auto index = IndexOf(links.abbreviation);
        if (!index) {
            problems.push_back("the movement table has a province " + links.abbreviation + " the board does not");
            continue;
        }
        linked[size_t(*index)] = true;
        const Province& province = provinces[size_t(*index)];
        orders::Province& p = geography.provinces[size_t(*index)];
        p.shortName = ShortName(province.abbreviation);
        p.names = links.judgeNames;
        p.centre = province.centre.has_value();
        if (p.centre && province.home >= 0)
            p.home = Powers()[size_t(province.home)].name;
        p.terrain = province.terrain == Terrain::Sea ? orders::Terrain::Sea
                    : links.fleet.empty()            ? orders::Terrain::Land
                                                     : orders::Terrain::Coast;
        for (const UnitPlace& unit : layout.provinces[size_t(*index)].units)
            if (!unit.coastLetters.empty())
                p.coasts.push_back({CoastOf(unit.coastLetters), unit.position.x, unit.position.y});
        for (const std::string& to : links.army)
            if (const auto place = PlaceOf(to, problems))
                p.army.push_back(place->province);
        for (const FleetMoves& moves : links.fleet) {
            orders::FleetSide side{CoastOf(moves.coast), {}};
            for (const std::string& to : moves.to)
                if (const auto place = PlaceOf(to, problems))
                    side.to.push_back(*place);
            p.fleet.push_back(std::move(side));
        }
    }
    for (size_t i = 0; i < provinces.size(); ++i)
        if (!linked[i])
            problems.push_back("the movement table has no entry for " + provinces[i].abbreviation);
    return orders::WriteGeography(
        geography,
        {"The standard board's geography: how armies and fleets move, as the Judge plays it.",
         "Made by board-generator (tools/board); change the generator, not this file.",
         "",
         "PROVINCE: short name, land | coast | sea, home power or -, centre or -, then every",
         "  name the Judge reads for the province; it prints the first.",
         "COAST: province/coast, x, y: a coast of a province with two or more, and where",
         "  a fleet on it is drawn on the picture.",
         "ARMY: province: where an army there can move.",
         "FLEET: province or province/coast: where a fleet there can move. A fleet sent to",
         "  a province with two coasts and none named goes to the first listed."});
}

} // namespace board
