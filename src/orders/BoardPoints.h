#pragma once

#include "model/MapPos.h"
#include "orders/Geography.h"

#include <optional>
#include <vector>

class CPositionMap;

namespace orders {

/// Where the places of a board lie on its picture, as the game's province
/// table puts its units, and which place a point of the picture is nearest.
/// The table has no outlines of provinces, so a click counts for the place
/// whose unit position is nearest to it, within a distance.
class BoardPoints {
public:
    /// Each key of table ("VIENNA", "SPAINNC") that names a place of geography.
    BoardPoints(const Geography& geography, const CPositionMap& table);

    /// The position of place: its coast's when it has one in the table, else the province's.
    std::optional<MapPos> PointOf(Place place) const;

    /// The place whose position is nearest to point, no farther than
    /// maxDistance picture pixels. On a province with coasts the coast is
    /// the one whose position is nearest to the point, so a click on either
    /// side of Spain names that side's coast.
    std::optional<Place> PlaceAt(MapPos point, int maxDistance) const;

private:
    struct Spot {
        Place place;
        MapPos point;
    };
    std::vector<Spot> m_spots;
};

} // namespace orders
