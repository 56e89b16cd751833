#include "picture/Dib.h"

#include "picture/DibBytes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <vector>

using namespace dibbytes;

namespace {

// Widens a colour component of the given bit count to 8 bits by repeating
// its bits, so full intensity stays full (31 of 5 bits gives 255).
uint32_t Widen(uint32_t value, int bits)
{
    if (bits <= 0)
        return 0;
    if (bits >= 8)
        return (value >> (bits - 8)) & 0xFF;
    uint32_t out = 0;
    for (int pos = 8 - bits;; pos -= bits) {
        out |= pos >= 0 ? value << pos : value >> -pos;
        if (pos <= 0)
            break;
    }
    return out & 0xFF;
}

struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m) : mask(m)
    {
        if (m != 0) {
            shift = std::countr_zero(m);
            bits = std::bit_width(m >> shift);
        }
    }
    uint32_t Of(uint32_t pixel) const { return Widen((pixel & mask) >> shift, bits); }
};

// Writes decoded pixels; the file's row r (counted from the first row
// stored) lands on the image row the row order gives. Out-of-range
// positions are dropped, so damaged run lengths cannot write outside.
class CPixelSink {
public:
    CPixelSink(CRgbImage& image, bool topDown) : m_image(image), m_bTopDown(topDown) {}

    void Put(int64_t x, int64_t fileRow, uint32_t rgb)
    {
        if (x < 0 || fileRow < 0 || x >= m_image.Width() || fileRow >= m_image.Height())
            return;
        const int y = m_bTopDown ? int(fileRow) : m_image.Height() - 1 - int(fileRow);
        m_image.SetPixel(int(x), y, rgb);
    }

private:
    CRgbImage& m_image;
    bool m_bTopDown;
};

void DecodeRows(const std::vector<uint8_t>& bits, int bitsPerPixel, uint32_t compression,
                const std::array<uint32_t, 3>& masks, const std::array<uint32_t, 256>& colours, int colourCount,
                CPixelSink& sink, int64_t width, int64_t rows)
{
    const size_t stride = size_t(((width * bitsPerPixel + 31) / 32) * 4);
    auto indexed = [&](uint32_t index) { return int(index) < colourCount ? colours[index] : 0u; };
    const bool fields = compression == CDIB::kBitFields;
    const Channel red(fields ? masks[0] : bitsPerPixel == 16 ? 0x7C00u : 0xFF0000u);
    const Channel green(fields ? masks[1] : bitsPerPixel == 16 ? 0x03E0u : 0x00FF00u);
    const Channel blue(fields ? masks[2] : bitsPerPixel == 16 ? 0x001Fu : 0x0000FFu);
    auto direct = [&](uint32_t v) { return CRgbImage::Rgb(uint8_t(red.Of(v)), uint8_t(green.Of(v)), uint8_t(blue.Of(v))); };

    for (int64_t r = 0; r < rows; ++r) {
        const size_t row = size_t(r) * stride;
        if (row >= bits.size())
            break; // the rest stays colour 0
        for (int64_t x = 0; x < width; ++x) {
            uint32_t rgb = 0;
            switch (bitsPerPixel) {
            case 1: rgb = indexed((U8(bits, row + size_t(x) / 8) >> (7 - x % 8)) & 1); break;
            case 4: rgb = indexed((U8(bits, row + size_t(x) / 2) >> (x % 2 ? 0 : 4)) & 0xF); break;
            case 8: rgb = indexed(U8(bits, row + size_t(x))); break;
            case 16: rgb = direct(U16(bits, row + size_t(x) * 2)); break;
            case 24: {
                const size_t at = row + size_t(x) * 3;
                rgb = CRgbImage::Rgb(U8(bits, at + 2), U8(bits, at + 1), U8(bits, at));
                break;
            }
            case 32: rgb = direct(U32(bits, row + size_t(x) * 4)); break;
            default: break;
            }
            sink.Put(x, r, rgb);
        }
    }
}

// Run-length encoded pixels: pairs of count and value, with the escapes
// end of line (0, 0), end of picture (0, 1), delta (0, 2, dx, dy) and an
// absolute run (0, n, n pixels padded to an even byte count). Every pass
// consumes at least two bytes, so damaged data always ends.
void DecodeRunLength(const std::vector<uint8_t>& bits, bool nibbles, const std::array<uint32_t, 256>& colours,
                     int colourCount, CPixelSink& sink, int64_t rows)
{
    auto indexed = [&](uint32_t index) { return int(index) < colourCount ? colours[index] : 0u; };
    size_t p = 0;
    int64_t x = 0;
    int64_t r = 0;
    while (p + 1 < bits.size() && r < rows) {
        const uint8_t count = bits[p];
        const uint8_t value = bits[p + 1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i, ++x) {
                const uint32_t index = nibbles ? (i % 2 ? value & 0xF : value >> 4) : value;
                sink.Put(x, r, indexed(index));
            }
            continue;
        }
        switch (value) {
        case 0:
            x = 0;
            ++r;
            break;
        case 1:
            return;
        case 2:
            x += U8(bits, p);
            r += U8(bits, p + 1);
            p += 2;
            break;
        default: {
            const size_t n = value;
            for (size_t i = 0; i < n; ++i, ++x) {
                const uint8_t byte = U8(bits, p + (nibbles ? i / 2 : i));
                const uint32_t index = nibbles ? (i % 2 ? byte & 0xF : byte >> 4) : byte;
                sink.Put(x, r, indexed(index));
            }
            const size_t bytes = nibbles ? (n + 1) / 2 : n;
            p += (bytes + 1) & ~size_t(1);
            break;
        }
        }
    }
}

} // namespace

CRgbImage CDIB::Decode() const
{
    const int64_t width = Width();
    const int64_t rows = std::llabs(int64_t(Height()));
    if (width <= 0 || rows == 0 || width > kMaxSide || rows > kMaxSide || width * rows > kMaxPixels)
        return CRgbImage();

    const int bitsPerPixel = BitsPerPixel();
    const bool isIndexed = bitsPerPixel <= 8;
    const int colourCount = isIndexed ? ColourCount() : 0;
    std::array<uint32_t, 256> colours{};
    for (int i = 0; i < colourCount; ++i) {
        const uint8_t* entry = ColourEntry(i);
        colours[size_t(i)] = CRgbImage::Rgb(entry[2], entry[1], entry[0]);
    }

    // Colour 0 everywhere first: rows the block lacks and pixels a run-length
    // picture skips keep it.
    CRgbImage image(int(width), int(rows), colourCount > 0 ? colours[0] : 0);
    CPixelSink sink(image, Height() < 0);
    switch (Compression()) {
    case kRle8: DecodeRunLength(m_bits, false, colours, colourCount, sink, rows); break;
    case kRle4: DecodeRunLength(m_bits, true, colours, colourCount, sink, rows); break;
    default: DecodeRows(m_bits, bitsPerPixel, Compression(), m_masks, colours, colourCount, sink, width, rows); break;
    }
    return image;
}

CRgbImage CDIB::Picture() const
{
    const int width = std::max(0, Width());
    const int height = std::abs(Height());
    if (width > 0 && height > 0) {
        if (!m_decoded)
            m_decoded = Decode();
        if (m_decoded->Width() == width && m_decoded->Height() == height)
            return *m_decoded;
    }
    CRgbImage picture(width, height, 0xFFFFFF);
    Draw(picture, 0, 0, width, height);
    return picture;
}

void CDIB::Draw(CRgbImage& dest, int x, int y, int width, int height) const
{
    if (width <= 0 || height <= 0)
        return;
    if (!m_decoded)
        m_decoded = Decode();
    const CRgbImage& source = *m_decoded;
    if (source.Width() == 0 || source.Height() == 0)
        return;
    // Nearest pixel: destination pixel d takes source pixel d * size / extent.
    const int64_t top = std::max<int64_t>(0, y);
    const int64_t bottom = std::min<int64_t>(dest.Height(), int64_t(y) + height);
    const int64_t left = std::max<int64_t>(0, x);
    const int64_t right = std::min<int64_t>(dest.Width(), int64_t(x) + width);
    if (left >= right || top >= bottom)
        return;
    // The map view repaints at the picture's own size; the column map is
    // worked out once per call rather than once per pixel.
    std::vector<int> column(size_t(right - left));
    for (int64_t dx = left; dx < right; ++dx)
        column[size_t(dx - left)] = int((dx - x) * source.Width() / width);
    const bool sameWidth = width == source.Width();
    for (int64_t dy = top; dy < bottom; ++dy) {
        const int sy = int((dy - y) * source.Height() / height);
        const uint32_t* from = source.Row(sy);
        uint32_t* to = dest.Row(int(dy)) + left;
        if (sameWidth)
            std::copy(from + column.front(), from + column.front() + column.size(), to);
        else
            for (size_t i = 0; i < column.size(); ++i)
                to[i] = from[column[i]];
    }
}
