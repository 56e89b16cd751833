#pragma once

#include "BmpFile.h"
#include "Geo.h"

#include <optional>
#include <string>
#include <vector>

namespace board {

/// One of the seven powers: its name as the Judge writes it, the colour its
/// units and centres are drawn in, and the tint of its home provinces.
struct Power {
    std::string name;
    Rgb colour;
    Rgb homeTint;
};

enum class Terrain { Land, Sea, Impassable };

/// A coast of a split province: the two letters the Judge's coast notation
/// folds to, and where a fleet on that coast is drawn.
struct Coast {
    std::string letters;
    GeoPoint anchor;
};

struct Province {
    std::string abbreviation;
    /// The names the Judge's mails use, the full name first, as written.
    std::vector<std::string> names;
    Terrain terrain = Terrain::Land;
    /// Index into Powers() of the power whose home this is, or -1.
    int home = -1;
    /// Where the label goes; also the seed from which the province is filled.
    GeoPoint anchor;
    /// The city of a supply centre; none for other provinces.
    std::optional<GeoPoint> centre;
    std::vector<Coast> coasts;
    /// Islands belonging to the province, filled from these points too.
    std::vector<GeoPoint> islands;
};

const std::vector<Power>& Powers();
/// The 75 provinces of the standard board and impassable Switzerland.
const std::vector<Province>& Provinces();

} // namespace board
