#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/// A 32-bit RGB raster, row by row from the top-left corner. A pixel is
/// 0x00RRGGBB. The map view composes into it; the desktop layer wraps it in
/// a QImage (Format_RGB32) for screen and printer alike.
class CRgbImage {
public:
    CRgbImage() = default;
    CRgbImage(int width, int height, uint32_t fill = 0x000000)
        : m_nWidth(width > 0 ? width : 0), m_nHeight(height > 0 ? height : 0),
          m_pixels(size_t(m_nWidth) * size_t(m_nHeight), fill) {}

    static constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b)
    {
        return (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
    }

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight; }

    uint32_t Pixel(int x, int y) const { return m_pixels[size_t(y) * size_t(m_nWidth) + size_t(x)]; }
    void SetPixel(int x, int y, uint32_t rgb) { m_pixels[size_t(y) * size_t(m_nWidth) + size_t(x)] = rgb; }
    /// Sets the pixel when it lies inside the image; drawing clips this way.
    void PutPixel(int x, int y, uint32_t rgb)
    {
        if (Contains(x, y))
            SetPixel(x, y, rgb);
    }

    uint32_t* Row(int y) { return m_pixels.data() + size_t(y) * size_t(m_nWidth); }
    const uint32_t* Row(int y) const { return m_pixels.data() + size_t(y) * size_t(m_nWidth); }
    const std::vector<uint32_t>& Pixels() const { return m_pixels; }

    friend bool operator==(const CRgbImage&, const CRgbImage&) = default;

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<uint32_t> m_pixels;
};
