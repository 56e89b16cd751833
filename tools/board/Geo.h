#pragma once

#include <string>
#include <vector>

namespace board {

/// A point on the globe: degrees east, degrees north.
struct GeoPoint {
    double lon = 0;
    double lat = 0;
};

using GeoLine = std::vector<GeoPoint>;

/// A closed outline: land masses (and the lakes cut out of them).
struct GeoOutline {
    std::string name;
    GeoLine points;
};

/// Which side of the coast a border separates: a land border only marks
/// land pixels, a sea border only sea pixels, so either may run on past the
/// coast without drawing across the other kind.
enum class BorderKind { Land, Sea };

struct GeoBorder {
    BorderKind kind;
    GeoLine points;
};

/// Land masses drawn on the board, the mainland first.
const std::vector<GeoOutline>& LandOutlines();
/// Inland water cut out of the land (drawn as water, part of no province).
const std::vector<GeoOutline>& LakeOutlines();
/// Every border between two provinces of the same kind, and round Switzerland.
const std::vector<GeoBorder>& Borders();

} // namespace board
