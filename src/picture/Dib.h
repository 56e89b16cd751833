#pragma once

#include "picture/RgbImage.h"

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <vector>

class IUserMessages;

/// The board picture as a device-independent bitmap: a 40-byte information
/// header with a 256-entry colour table, and the pixel rows exactly as the
/// file stored them. Decoding to RGB happens only when it is drawn.
///
/// Depths 1, 4, 8, 16, 24 and 32 bits per pixel are drawn, uncompressed, run
/// length encoded (8 and 4 bits) and with bit fields (16 and 32 bits), rows
/// bottom-up or top-down (negative height).
class CDIB {
public:
    static constexpr size_t kInfoSize = 40;
    static constexpr size_t kColourTableSize = 256 * 4;
    /// Compression codes of the information header.
    static constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
    /// Largest picture accepted, in pixels; a damaged header above it is refused
    /// instead of making a huge image.
    static constexpr int64_t kMaxPixels = int64_t(1) << 25;
    static constexpr int kMaxSide = 65535;

    /// Holds a 16 x 16 grey-ramp picture.
    CDIB();

    /// Replaces the picture with an empty width x height 8-bit one.
    bool Create(int width, int height, IUserMessages* messages = nullptr);
    /// Reads a bitmap file from the stream's current position. On failure the
    /// previous picture is kept and false returned (with a message only for
    /// the out-of-memory cases the format allows, and for a pixel size the
    /// file cannot supply). Fails without a message for a file that is not a
    /// bitmap, or whose depth, compression or size cannot be drawn.
    bool Load(std::istream& file, IUserMessages* messages = nullptr);

    int Width() const;
    /// The header's height field: negative for top-down rows.
    int Height() const;
    int BitsPerPixel() const;
    uint32_t Compression() const;
    /// 2, 16 or 256 by bit depth, 0 for other depths, or the colours-used field
    /// when it is set (never more than the 256 entries the table holds).
    int ColourCount() const;
    /// Colour-table entry i (0 to 255) as blue, green, red, reserved.
    const uint8_t* ColourEntry(int i) const { return m_info.data() + kInfoSize + size_t(i) * 4; }

    /// Decodes the pixel block into RGB, top row first, |Height()| rows. Rows or
    /// pixels the block lacks come out as colour 0 (entry 0 of the table for
    /// indexed pictures, black otherwise); indexes beyond the colour count are black.
    CRgbImage Decode() const;
    /// Copies the whole picture into dest at (x, y), stretched to width x height
    /// by nearest pixel; clipped to dest. Nothing is drawn for an empty rectangle.
    void Draw(CRgbImage& dest, int x, int y, int width, int height) const;
    /// The whole picture at its own size (Width() x |Height()|), exactly as
    /// Draw at (0, 0) onto a white surface of that size gives it, but made in
    /// one copy rather than painted white and then drawn over.
    CRgbImage Picture() const;

    const std::vector<uint8_t>& Info() const { return m_info; }
    const std::vector<uint8_t>& Bits() const { return m_bits; }
    /// Red, green and blue masks of a bit-field picture: the three words after
    /// a 40-byte header, or the mask fields of a longer Windows header.
    const std::array<uint32_t, 3>& BitFieldMasks() const { return m_masks; }

private:
    std::vector<uint8_t> m_info; // kInfoSize + kColourTableSize bytes
    std::vector<uint8_t> m_bits;
    std::array<uint32_t, 3> m_masks{};
    // The decoded picture, made on the first Draw after a Create or Load.
    mutable std::optional<CRgbImage> m_decoded;
};
