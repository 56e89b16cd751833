#include "orders/Moves.h"

#include <algorithm>

namespace orders {

std::optional<Coast> MoveArrival(const Geography& geography, UnitType type, Place from, int to,
                                 std::optional<Coast> written)
{
    if (type == UnitType::Army) {
        const std::vector<int>& moves = geography[from.province].army;
        if (written || std::find(moves.begin(), moves.end(), to) == moves.end())
            return std::nullopt;
        return Coast::None;
    }
    if (const std::vector<Place>* moves = geography.FleetMoves(from))
        for (const Place& place : *moves)
            if (place.province == to && (!written || place.coast == *written))
                return place.coast;
    return std::nullopt;
}

std::vector<int> ConvoyDestinations(const Geography& geography, const Position& position, int from)
{
    auto fleetAt = [&](int province) {
        const int unit = position.UnitAt(province);
        return unit >= 0 && position.units[size_t(unit)].type == UnitType::Fleet;
    };
    // Breadth first over seas that hold a fleet, starting next to the army.
    std::vector<bool> reached(size_t(geography.Count()), false);
    std::vector<int> queue;
    for (const FleetSide& side : geography[from].fleet)
        for (const Place& place : side.to)
            if (geography.IsSea(place.province) && fleetAt(place.province) && !reached[size_t(place.province)]) {
                reached[size_t(place.province)] = true;
                queue.push_back(place.province);
            }
    std::vector<bool> landing(size_t(geography.Count()), false);
    for (size_t i = 0; i < queue.size(); ++i) {
        const std::vector<Place>* moves = geography.FleetMoves({queue[i], Coast::None});
        for (const Place& place : moves ? *moves : std::vector<Place>()) {
            const size_t p = size_t(place.province);
            if (!geography.IsSea(place.province))
                landing[p] = place.province != from;
            else if (!reached[p] && fleetAt(place.province)) {
                reached[p] = true;
                queue.push_back(place.province);
            }
        }
    }
    std::vector<int> destinations;
    for (int p = 0; p < geography.Count(); ++p)
        if (landing[size_t(p)])
            destinations.push_back(p);
    return destinations;
}

std::vector<Place> ReachablePlaces(const Geography& geography, const Position& position, int unitIndex)
{
    const Unit& unit = position.units[size_t(unitIndex)];
    std::vector<Place> places;
    auto add = [&](Place place) {
        if (std::find(places.begin(), places.end(), place) == places.end())
            places.push_back(place);
    };
    if (position.phase.kind == PhaseKind::Retreat) {
        if (unit.dislodged)
            for (const Place& place : unit.retreats)
                add(place);
        return places;
    }
    if (position.phase.kind != PhaseKind::Movement || unit.dislodged)
        return places;
    if (unit.type == UnitType::Fleet) {
        if (const std::vector<Place>* moves = geography.FleetMoves(unit.at))
            for (const Place& place : *moves)
                add(place);
        return places;
    }
    for (int province : geography[unit.at.province].army)
        add({province, Coast::None});
    for (int province : ConvoyDestinations(geography, position, unit.at.province))
        add({province, Coast::None});
    return places;
}

} // namespace orders
