#pragma once

#include "views/RgbImage.h"

#include <cstdint>
#include <istream>
#include <vector>

class IUserMessages;

/// The board picture as a device-independent bitmap: a 40-byte information
/// header with a 256-entry colour table, and the pixel rows exactly as the
/// file stored them. Decoding to RGB happens only when it is drawn.
class CDIB {
public:
    static constexpr size_t kInfoSize = 40;
    static constexpr size_t kColourTableSize = 256 * 4;

    /// Holds a 16 x 16 grey-ramp picture.
    CDIB();

    /// Replaces the picture with an empty width x height 8-bit one.
    bool Create(int width, int height, IUserMessages* messages = nullptr);
    /// Reads a bitmap file from the stream's current position. On failure the
    /// previous picture is kept and false returned (with a message only for
    /// the out-of-memory cases the format allows).
    bool Load(std::istream& file, IUserMessages* messages = nullptr);

    int Width() const;
    int Height() const;
    /// 2, 16 or 256 by bit depth, 0 for other depths, or the colours-used field.
    int ColourCount() const;
    /// Colour-table entry i as blue, green, red, reserved.
    const uint8_t* ColourEntry(int i) const { return m_info.data() + kInfoSize + size_t(i) * 4; }

    /// Decodes the pixel block into RGB, top row first. Rows or pixels the
    /// block lacks come out as colour 0 of the table (black without a table).
    CRgbImage Decode() const;
    /// Copies the whole picture into dest at (x, y), stretched to width x height
    /// by nearest pixel; clipped to dest.
    void Draw(CRgbImage& dest, int x, int y, int width, int height) const;

    const std::vector<uint8_t>& Info() const { return m_info; }
    const std::vector<uint8_t>& Bits() const { return m_bits; }

private:
    std::vector<uint8_t> m_info; // kInfoSize + kColourTableSize bytes
    std::vector<uint8_t> m_bits;
};
