#include "orders/Geography.h"

#include "orders/TextCase.h"

namespace orders {

std::string_view CoastLetters(Coast coast)
{
    switch (coast) {
    case Coast::North: return "nc";
    case Coast::South: return "sc";
    case Coast::East: return "ec";
    case Coast::West: return "wc";
    default: return {};
    }
}

std::string_view CoastWords(Coast coast)
{
    switch (coast) {
    case Coast::North: return "north coast";
    case Coast::South: return "south coast";
    case Coast::East: return "east coast";
    case Coast::West: return "west coast";
    default: return {};
    }
}

std::optional<Coast> CoastFromLetters(std::string_view letters)
{
    for (Coast coast : {Coast::North, Coast::South, Coast::East, Coast::West})
        if (EqualNoCase(letters, CoastLetters(coast)))
            return coast;
    return std::nullopt;
}

std::optional<int> Geography::FindShortName(std::string_view name) const
{
    for (int i = 0; i < Count(); ++i)
        if (EqualNoCase(provinces[size_t(i)].shortName, name))
            return i;
    return std::nullopt;
}

std::optional<int> Geography::FindName(std::string_view text) const
{
    for (int i = 0; i < Count(); ++i)
        for (const std::string& name : provinces[size_t(i)].names)
            if (EqualNoCase(name, text))
                return i;
    return std::nullopt;
}

std::optional<Place> Geography::FindKey(std::string_view key) const
{
    if (const auto province = FindName(key))
        return Place{*province, Coast::None};
    // A split province's coast is glued to its name: "SPAINNC".
    if (key.size() > 2)
        if (const auto coast = CoastFromLetters(key.substr(key.size() - 2)))
            if (const auto province = FindName(key.substr(0, key.size() - 2)))
                for (const CoastSpot& spot : provinces[size_t(*province)].coasts)
                    if (spot.coast == *coast)
                        return Place{*province, *coast};
    return std::nullopt;
}

const std::vector<Place>* Geography::FleetMoves(Place from) const
{
    if (from.province < 0 || from.province >= Count())
        return nullptr;
    for (const FleetSide& side : provinces[size_t(from.province)].fleet)
        if (side.coast == from.coast)
            return &side.to;
    return nullptr;
}

std::string Geography::PlaceName(Place place) const
{
    std::string name = provinces[size_t(place.province)].Name();
    if (place.coast != Coast::None)
        name += " (" + std::string(CoastWords(place.coast)) + ")";
    return name;
}

std::string Geography::NameInText(int province) const
{
    return (IsSea(province) ? "the " : "") + provinces[size_t(province)].Name();
}

std::string Geography::ShortPlace(Place place) const
{
    std::string name = provinces[size_t(place.province)].shortName;
    if (place.coast != Coast::None)
        name += "/" + std::string(CoastLetters(place.coast));
    return name;
}

} // namespace orders
