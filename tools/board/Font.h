#pragma once

#include <string_view>

namespace board {

/// A 5 x 7 bitmap font for the board's labels: capital letters, digits and
/// a few signs. Glyph rows are strings, '#' for ink.
class Font {
public:
    static constexpr int kGlyphWidth = 5;
    static constexpr int kGlyphHeight = 7;
    static constexpr int kSpacing = 1;

    /// Whether the pixel (col, row) of character c is inked. Characters
    /// without a glyph draw nothing.
    static bool Ink(char c, int col, int row);
    static bool HasGlyph(char c);
    /// Width of text in pixels at scale 1.
    static int TextWidth(std::string_view text);
};

} // namespace board
