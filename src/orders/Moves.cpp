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

namespace {

// Breadth first over the seas that now hold a fleet, starting next to the
// army at from: for each sea reached, the sea it was reached from (-1 for
// the first ones, -2 for none), and for each land province on the shore of
// a sea reached, the sea it is first reached from (-2 for none).
struct ConvoySearch {
    std::vector<int> seaFrom;
    std::vector<int> landFrom;
};

ConvoySearch SearchConvoys(const Geography& geography, const Position& position, int from)
{
    auto fleetAt = [&](int province) {
        const int unit = position.UnitAt(province);
        return unit >= 0 && position.units[size_t(unit)].type == UnitType::Fleet;
    };
    ConvoySearch search{std::vector<int>(size_t(geography.Count()), -2),
                        std::vector<int>(size_t(geography.Count()), -2)};
    std::vector<int> queue;
    for (const FleetSide& side : geography[from].fleet)
        for (const Place& place : side.to)
            if (geography.IsSea(place.province) && fleetAt(place.province) &&
                search.seaFrom[size_t(place.province)] == -2) {
                search.seaFrom[size_t(place.province)] = -1;
                queue.push_back(place.province);
            }
    for (size_t i = 0; i < queue.size(); ++i) {
        const std::vector<Place>* moves = geography.FleetMoves({queue[i], Coast::None});
        for (const Place& place : moves ? *moves : std::vector<Place>()) {
            const size_t p = size_t(place.province);
            if (!geography.IsSea(place.province)) {
                if (place.province != from && search.landFrom[p] == -2)
                    search.landFrom[p] = queue[i];
            } else if (search.seaFrom[p] == -2 && fleetAt(place.province)) {
                search.seaFrom[p] = queue[i];
                queue.push_back(place.province);
            }
        }
    }
    return search;
}

} // namespace

std::vector<int> ConvoyDestinations(const Geography& geography, const Position& position, int from)
{
    const ConvoySearch search = SearchConvoys(geography, position, from);
    std::vector<int> destinations;
    for (int p = 0; p < geography.Count(); ++p)
        if (search.landFrom[size_t(p)] != -2)
            destinations.push_back(p);
    return destinations;
}

std::vector<int> ConvoyRoute(const Geography& geography, const Position& position, int from, int to)
{
    const ConvoySearch search = SearchConvoys(geography, position, from);
    std::vector<int> route;
    if (to < 0 || to >= geography.Count())
        return route;
    for (int sea = search.landFrom[size_t(to)]; sea >= 0; sea = search.seaFrom[size_t(sea)])
        route.insert(route.begin(), sea);
    return route;
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
