#include "MapDefinition.h"

#include "Provinces.h"

namespace board {

namespace {

std::string Upper(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return s;
}

std::string Position(Pixel p) { return std::to_string(p.x) + ", " + std::to_string(p.y); }

} // namespace

std::string WriteMapDefinition(const Layout& layout, const std::string& pictureName)
{
    const std::string eol = "\r\n";
    std::string out;
    out += "# The standard board: seven powers, 75 provinces, 34 supply centres." + eol;
    out += "# Made by board-generator (tools/board); change the generator, not this file." + eol;
    out += "# Names are as the Judge writes them; coasts are glued, as in SPAINNC." + eol;
    out += "MAP: \"" + pictureName + "\"" + eol;
    out += "COUNTRYCOUNT: " + std::to_string(Powers().size()) + eol;
    for (const Power& p : Powers())
        out += "COUNTRY: " + p.name + ", " + std::to_string(p.colour.r) + ", " + std::to_string(p.colour.g) + ", " +
               std::to_string(p.colour.b) + eol;
    out += "SCRADIUS: " + std::to_string(kCentreRadius) + eol;

    const auto& provinces = Provinces();
    for (size_t i = 0; i < provinces.size(); ++i) {
        const Province& province = provinces[i];
        if (province.terrain == Terrain::Impassable)
            continue;
        const ProvinceLayout& l = layout.provinces[i];
        out += "# " + province.abbreviation + eol;
        for (const UnitPlace& unit : l.units)
            for (const std::string& name : province.names)
                out += "PROV: \"" + Upper(name) + unit.coastLetters + "\", " + Position(unit.position) + eol;
    }
    for (size_t i = 0; i < provinces.size(); ++i) {
        const ProvinceLayout& l = layout.provinces[i];
        if (!l.hasCentre)
            continue;
        for (const std::string& name : provinces[i].names)
            out += "SUPPLY: \"" + Upper(name) + "\", " + Position(l.centre) + eol;
    }
    return out;
}

} // namespace board
