#pragma once

#include "Projection.h"
#include "Regions.h"

#include <string>
#include <vector>

namespace board {

struct Box {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

/// Where a unit is drawn: the position written to the map definition. The
/// program draws an army from (x - 7, y - 5) and a fleet from (x - 12,
/// y - 7), both 24 x 16, so the box both pictures cover is (x - 11, y - 4)
/// to (x + 16, y + 9).
struct UnitPlace {
    std::string coastLetters; // empty for the province itself
    Pixel position;
};

struct ProvinceLayout {
    Box label;
    /// Pixels per font dot: seas are lettered larger, as on a printed board.
    int labelScale = 1;
    std::vector<UnitPlace> units;
    bool hasCentre = false;
    Pixel centre;
};

/// The ownership circle the program draws round a centre, in pixels.
constexpr int kCentreRadius = 6;

struct Layout {
    std::vector<ProvinceLayout> provinces; // parallel to Provinces()
    std::vector<std::string> problems;
};

/// Places each province's label, units and centre inside the province, as
/// near their anchors as they fit without overlapping one another.
Layout PlaceItems(const Projection& projection, const Regions& regions);

/// The box a unit's army and fleet pictures cover together.
Box UnitBox(Pixel position);
/// The box a fleet on a named coast covers.
Box FleetBox(Pixel position);

} // namespace board
