#pragma once

#include "views/Raster.h"
#include "picture/RgbImage.h"

#include <array>
#include <span>

/// One unit picture of the map view: the 24 x 16 picture, its one-bit mask,
/// where the picture is placed relative to the unit's map position, and the
/// points from which its white inside areas are flood-filled with the
/// country's colour.
struct CUnitPicture {
    static constexpr int kWidth = 24;
    static constexpr int kHeight = 16;

    CRgbImage picture;
    CBitMask mask;
    /// Added to the unit's position to get the picture's top-left corner.
    CRasterPoint offset;
    std::span<const CRasterPoint> fillPoints;
};

/// Picture colours: outlines black, details teal, everything else white.
inline constexpr uint32_t kUnitTeal = 0x009999;

/// The army: a tank, gun to the right; turret fill (11, 5), body fill
/// (11, 8); placed at (x - 7, y - 5).
const CUnitPicture& ArmyPicture();
/// The fleet: a ship with a black sail; hull fill (11, 12); placed at
/// (x - 12, y - 7).
const CUnitPicture& FleetPicture();

/// The picture and mask rows as text, top row first: '#' black, 't' teal,
/// '.' white; in masks 'X' for 1 and '.' for 0. Kept visible for tests.
std::span<const char* const> ArmyPictureRows();
std::span<const char* const> ArmyMaskRows();
std::span<const char* const> FleetPictureRows();
std::span<const char* const> FleetMaskRows();
