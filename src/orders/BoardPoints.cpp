#include "orders/BoardPoints.h"

#include "model/PositionMap.h"

#include <limits>

namespace orders {

namespace {

long long Distance2(MapPos a, MapPos b)
{
    const long long dx = a.x - b.x;
    const long long dy = a.y - b.y;
    return dx * dx + dy * dy;
}

} // namespace

BoardPoints::BoardPoints(const Geography& geography, const CPositionMap& table)
{
    table.ForEach([&](const CPositionMap::Entry& entry) {
        if (const auto place = geography.FindKey(entry.key))
            m_spots.push_back({*place, entry.value});
    });
}

std::optional<MapPos> BoardPoints::PointOf(Place place) const
{
    std::optional<MapPos> province;
    for (const Spot& spot : m_spots) {
        if (spot.place == place)
            return spot.point;
        if (spot.place.province == place.province && (!province || spot.place.coast == Coast::None))
            province = spot.point;
    }
    return province;
}

std::optional<Place> BoardPoints::PlaceAt(MapPos point, int maxDistance) const
{
    const Spot* nearest = nullptr;
    long long best = std::numeric_limits<long long>::max();
    for (const Spot& spot : m_spots)
        if (const long long d = Distance2(spot.point, point); d < best) {
            best = d;
            nearest = &spot;
        }
    if (!nearest || best > static_cast<long long>(maxDistance) * maxDistance)
        return std::nullopt;
    // The province's own position may be nearest; the coast is still the
    // side of the province the point lies on.
    Place place = nearest->place;
    best = std::numeric_limits<long long>::max();
    for (const Spot& spot : m_spots)
        if (spot.place.province == place.province && spot.place.coast != Coast::None)
            if (const long long d = Distance2(spot.point, point); d < best) {
                best = d;
                place.coast = spot.place.coast;
            }
    return place;
}

} // namespace orders
