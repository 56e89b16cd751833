#pragma once

#include <string>
#include <vector>

namespace board {

/// Where a fleet on one coast of a province can move: "" for a province with
/// a single coast, else the coast's letters ("NC"). Destinations are province
/// abbreviations, with "/NC" where the fleet arrives on a named coast.
struct FleetMoves {
    std::string coast;
    std::vector<std::string> to;
};

/// How units move from one province of the standard board, and the names the
/// Judge reads for it. Lists keep the Judge's own order: a fleet ordered to a
/// two-coast province without a coast goes to the first one listed, and a
/// dislodged unit's retreats are offered in this order.
struct ProvinceLinks {
    std::string abbreviation; ///< as in Provinces()
    /// Every name the Judge reads for the province; it prints the first.
    std::vector<std::string> judgeNames;
    std::vector<std::string> army;
    std::vector<FleetMoves> fleet;
};

/// One entry per province of Provinces(), in the Judge's own order of its map.
const std::vector<ProvinceLinks>& Links();

} // namespace board
