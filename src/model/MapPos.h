#pragma once

#include <cstdint>

/// A position on the board picture in pixels: x to the right, y downwards
/// from the top-left corner. Always copied whole; saved as its 8 bytes.
struct MapPos {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const MapPos&, const MapPos&) = default;
};
