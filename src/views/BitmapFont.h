#pragma once

#include "picture/RgbImage.h"

#include <string_view>

/// A small built-in bitmap font standing in for 6-point Arial, the face the
/// map view writes the countries' initials in. Its cell is CellHeight(dpi)
/// pixels high, so it grows with the surface's resolution as a point-sized
/// font would. Upper-case letters, digits and a few signs have glyphs; lower
/// case letters use the capitals; any other byte shows an empty box.
class CBitmapFont {
public:
    /// Cell height for a surface of dpiY vertical dots per inch: dpiY * 60 / 720
    /// (8 at 96 dpi), at least 1.
    static int CellHeight(int dpiY);
    /// Cell width that goes with a cell height (the design's 6:8 proportion), at least 1.
    static int CellWidth(int cellHeight);

    /// Writes text with its cell's left-top corner at (x, y): black glyphs on
    /// an opaque white cell, one cell per byte, clipped to the image.
    static void DrawText(CRgbImage& image, int x, int y, std::string_view text, int dpiY);

    /// Whether the design has a pixel at (col, row) of the 6 x 8 cell of c.
    static bool DesignPixel(char c, int col, int row);

    static constexpr int kDesignWidth = 6;
    static constexpr int kDesignHeight = 8;
};
