#include "orders/GeographyFile.h"

namespace orders {

namespace {

std::string_view TerrainWord(Terrain terrain)
{
    switch (terrain) {
    case Terrain::Coast: return "coast";
    case Terrain::Sea: return "sea";
    default: return "land";
    }
}

} // namespace

std::string WriteGeography(const Geography& geography, const std::vector<std::string>& comments)
{
    std::string out;
    for (const std::string& line : comments)
        out += (line.empty() ? "#" : "# " + line) + "\n";
    for (int i = 0; i < geography.Count(); ++i) {
        const Province& p = geography[i];
        out += "\nPROVINCE: " + p.shortName + ", " + std::string(TerrainWord(p.terrain)) + ", " +
               (p.home.empty() ? "-" : p.home) + ", " + (p.centre ? "centre" : "-");
        for (const std::string& name : p.names)
            out += ", " + name;
        out += "\n";
        for (const CoastSpot& spot : p.coasts)
            out += "COAST: " + geography.ShortPlace({i, spot.coast}) + ", " + std::to_string(spot.x) + ", " +
                   std::to_string(spot.y) + "\n";
        if (!p.army.empty()) {
            out += "ARMY: " + p.shortName + ":";
            for (int to : p.army)
                out += " " + geography[to].shortName;
            out += "\n";
        }
        for (const FleetSide& side : p.fleet) {
            out += "FLEET: " + geography.ShortPlace({i, side.coast}) + ":";
            for (const Place& to : side.to)
                out += " " + geography.ShortPlace(to);
            out += "\n";
        }
    }
    return out;
}

} // namespace orders
