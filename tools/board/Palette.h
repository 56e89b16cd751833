#pragma once

#include "BmpFile.h"

#include <array>
#include <cstdint>

namespace board {

/// Colour-table indexes of the board picture.
enum PaletteIndex : uint8_t {
    kBorder = 0,     // land borders and the frame
    kCoast,          // the coastline
    kSea,            // open water and lakes
    kSeaBorder,      // borders between seas
    kNeutralLand,    // provinces that are no power's home
    kHomeFirst,      // seven home tints follow, in the powers' order
    kImpassable = kHomeFirst + 7,
    kImpassableHatch,
    kOffBoard,       // land that belongs to no province
    kLandText,
    kSeaText,
    kCentreRing,
    kCentreFill,
    kColourCount
};

/// The picture's colour table: kColourCount entries in use, the rest black.
std::array<Rgb, 256> BoardPalette();

} // namespace board
