#pragma once

#include "picture/RgbImage.h"

#include <cstdint>
#include <span>
#include <vector>

/// A point or size in surface pixels, x to the right, y downwards.
struct CRasterPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CRasterPoint&, const CRasterPoint&) = default;
};

/// A rectangle as left, top, width, height in surface pixels.
struct CRasterRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const CRasterRect&, const CRasterRect&) = default;
};

/// A one-bit picture: true where a masked copy takes the source.
class CBitMask {
public:
    CBitMask() = default;
    CBitMask(int width, int height) : m_nWidth(width > 0 ? width : 0), m_nHeight(height > 0 ? height : 0),
                                      m_bits(size_t(m_nWidth) * size_t(m_nHeight), false) {}

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool Bit(int x, int y) const { return m_bits[size_t(y) * size_t(m_nWidth) + size_t(x)]; }
    void SetBit(int x, int y, bool on) { m_bits[size_t(y) * size_t(m_nWidth) + size_t(x)] = on; }

    friend bool operator==(const CBitMask&, const CBitMask&) = default;

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<bool> m_bits;
};

/// The drawing operations the map view composes with. They follow the pixel
/// rules of the Windows drawing calls the board pictures were made for, and
/// clip everything to the destination image.
namespace raster {

inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kWhite = 0xFFFFFF;

/// Paints fill into every pixel 4-connected to (x, y) that is not the
/// boundary colour (a border flood fill). Nothing happens when (x, y) lies
/// outside the image or is itself the boundary colour.
void FloodFill(CRgbImage& image, int x, int y, uint32_t boundary, uint32_t fill);

/// Copies source onto dest with its top-left corner at (x, y) through mask
/// (the same size as source), with the four-operand raster operation
/// 0x88CC0020: source where the mask bit is 1, source AND destination where
/// it is 0. A white surround therefore leaves the destination unchanged.
void MaskedCopy(CRgbImage& dest, int x, int y, const CRgbImage& source, const CBitMask& mask);

/// A closed polygon filled (alternate rule, pixel centres inside) with fill
/// and then outlined through every vertex with a one-pixel pen of colour pen.
void Polygon(CRgbImage& image, std::span<const CRasterPoint> points, uint32_t fill, uint32_t pen = kBlack);

/// The ellipse inscribed in the box (left, top) to (right, bottom), whose
/// right and bottom edges are exclusive, filled with fill and outlined with
/// a one-pixel pen of colour pen. A reversed box is normalised; an empty one
/// draws nothing.
void Ellipse(CRgbImage& image, int left, int top, int right, int bottom, uint32_t fill, uint32_t pen = kBlack);

/// Copies the source rectangle of source into the destination rectangle of
/// dest, stretched or shrunk by nearest pixel (COLORONCOLOR). Empty
/// rectangles copy nothing.
void StretchCopy(CRgbImage& dest, CRasterRect to, const CRgbImage& source, CRasterRect from);

/// Copies width x height pixels from source's (sx, sy) to dest's (dx, dy)
/// without scaling.
void Copy(CRgbImage& dest, int dx, int dy, const CRgbImage& source, int sx, int sy, int width, int height);

} // namespace raster
