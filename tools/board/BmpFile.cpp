#include "BmpFile.h"

namespace board {

namespace {

void Put16(std::string& out, uint32_t v)
{
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

std::string EncodeBmp8(int width, int height, const std::vector<uint8_t>& indexes,
                       const std::array<Rgb, 256>& palette, uint32_t coloursUsed)
{
    const uint32_t stride = (uint32_t(width) + 3u) & ~3u;
    const uint32_t pixelBytes = stride * uint32_t(height);
    const uint32_t offset = 14 + 40 + 256 * 4;
    std::string out;
    out.reserve(offset + pixelBytes);
    out += "BM";
    Put32(out, offset + pixelBytes);
    Put32(out, 0); // reserved
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, uint32_t(width));
    Put32(out, uint32_t(height));
    Put16(out, 1); // planes
    Put16(out, 8); // bits per pixel
    Put32(out, 0); // uncompressed
    Put32(out, pixelBytes);
    Put32(out, 2835); // 72 dots per inch, in dots per metre
    Put32(out, 2835);
    Put32(out, coloursUsed);
    Put32(out, 0);
    for (const Rgb& c : palette) {
        out += char(c.b);
        out += char(c.g);
        out += char(c.r);
        out += char(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        const uint8_t* row = indexes.data() + size_t(y) * size_t(width);
        out.append(reinterpret_cast<const char*>(row), size_t(width));
        out.append(stride - uint32_t(width), char(0));
    }
    return out;
}

} // namespace board
