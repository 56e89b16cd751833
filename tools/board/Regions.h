#pragma once

#include "Projection.h"
#include "Raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace board {

/// The board divided into provinces: which pixels are land, which are
/// border lines, and which province (index into Provinces()) each of the
/// other pixels belongs to.
struct Regions {
    static constexpr int16_t kNone = -1;

    Regions(int width, int height) : land(width, height, 0), wall(width, height, 0), owner(width, height, kNone) {}

    Grid<uint8_t> land;  // 1 land, 0 water
    Grid<uint8_t> wall;  // 1 where a border line runs
    Grid<int16_t> owner; // province index, or kNone
    /// Problems found while dividing: a seed on a border or in the wrong
    /// terrain, or two provinces that flood into each other.
    std::vector<std::string> problems;
};

Pixel ToPixel(const Projection& projection, GeoPoint g);

/// Rasterises the coastlines and borders and fills every province from its
/// anchor (and its islands).
Regions DivideBoard(const Projection& projection);

} // namespace board
