#include "support/BitmapBuilder.h"

#include <cstdlib>

namespace bmp {

void AppendU16(std::string& out, uint16_t value)
{
    out += char(value & 0xFF);
    out += char(value >> 8);
}

void AppendU32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

BitmapSpec Sized(int width, int height, int bitsPerPixel, uint32_t compression)
{
    BitmapSpec desc;
    desc.width = width;
    desc.height = height;
    desc.bitsPerPixel = bitsPerPixel;
    desc.compression = compression;
    return desc;
}

std::string Build(const BitmapSpec& desc)
{
    std::string header;
    if (desc.coreHeader) {
        AppendU32(header, 12);
        AppendU16(header, uint16_t(desc.width));
        AppendU16(header, uint16_t(desc.height));
        AppendU16(header, 1);
        AppendU16(header, uint16_t(desc.bitsPerPixel));
    } else {
        AppendU32(header, desc.headerSize);
        AppendU32(header, uint32_t(desc.width));
        AppendU32(header, uint32_t(desc.height));
        AppendU16(header, 1);
        AppendU16(header, uint16_t(desc.bitsPerPixel));
        AppendU32(header, desc.compression);
        AppendU32(header, desc.imageSize.value_or(uint32_t(desc.pixels.size())));
        AppendU32(header, 2835);
        AppendU32(header, 2835);
        AppendU32(header, desc.coloursUsed);
        AppendU32(header, 0);
        const bool maskFields = desc.headerSize != 40 && desc.headerSize != 64;
        for (uint32_t mask : desc.masks)
            if (desc.headerSize == 40 || maskFields)
                AppendU32(header, mask);
        if (header.size() < desc.headerSize)
            header.resize(desc.headerSize, '\0');
    }
    for (uint32_t rgb : desc.palette) {
        header += char(rgb & 0xFF);
        header += char((rgb >> 8) & 0xFF);
        header += char((rgb >> 16) & 0xFF);
        if (!desc.coreHeader)
            header += char(0);
    }
    header += desc.gap;

    const uint32_t offset = uint32_t(14 + header.size());
    const uint32_t fileSize = uint32_t(offset + desc.pixels.size());
    std::string file = "BM";
    AppendU32(file, desc.fileSizeField.value_or(fileSize));
    AppendU32(file, 0);
    AppendU32(file, desc.offsetField.value_or(offset));
    return file + header + desc.pixels;
}

std::string PackRows(int width, int height, int bitsPerPixel, const PixelFunction& pixel, bool topDown)
{
    height = std::abs(height);
    const size_t stride = ((size_t(width) * size_t(bitsPerPixel) + 31) / 32) * 4;
    std::string rows;
    for (int r = 0; r < height; ++r) {
        const int y = topDown ? r : height - 1 - r;
        std::string row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const uint32_t v = pixel(x, y);
            switch (bitsPerPixel) {
            case 1:
                if (v & 1)
                    row[size_t(x) / 8] = char(uint8_t(row[size_t(x) / 8]) | (0x80 >> (x % 8)));
                break;
            case 4:
                row[size_t(x) / 2] = char(uint8_t(row[size_t(x) / 2]) | ((v & 0xF) << (x % 2 ? 0 : 4)));
                break;
            case 8: row[size_t(x)] = char(v & 0xFF); break;
            case 16:
                row[size_t(x) * 2] = char(v & 0xFF);
                row[size_t(x) * 2 + 1] = char((v >> 8) & 0xFF);
                break;
            case 24: // 0x00RRGGBB stored blue, green, red
                row[size_t(x) * 3] = char(v & 0xFF);
                row[size_t(x) * 3 + 1] = char((v >> 8) & 0xFF);
                row[size_t(x) * 3 + 2] = char((v >> 16) & 0xFF);
                break;
            case 32:
                for (int i = 0; i < 4; ++i)
                    row[size_t(x) * 4 + size_t(i)] = char((v >> (8 * i)) & 0xFF);
                break;
            default: break;
            }
        }
        rows += row;
    }
    return rows;
}

namespace {

// Shared by both run-length encoders: runs of one index, at most 255 pixels.
std::string EncodeRuns(int width, int height, const PixelFunction& index, bool nibbles)
{
    std::string out;
    for (int y = height - 1; y >= 0; --y) {
        int x = 0;
        while (x < width) {
            const uint32_t v = index(x, y);
            int run = 1;
            while (x + run < width && run < 255 && index(x + run, y) == v)
                ++run;
            out += char(run);
            out += nibbles ? char(((v & 0xF) << 4) | (v & 0xF)) : char(v & 0xFF);
            x += run;
        }
        out += std::string("\0\0", 2); // end of line
    }
    if (out.empty())
        out = std::string("\0\0", 2);
    out.back() = char(1); // the last end of line becomes end of bitmap
    return out;
}

} // namespace

std::string EncodeRle8(int width, int height, const PixelFunction& index)
{
    return EncodeRuns(width, height, index, false);
}

std::string EncodeRle4(int width, int height, const PixelFunction& index)
{
    return EncodeRuns(width, height, index, true);
}

std::string MakeBitmap8(int width, int height, const std::vector<uint32_t>& palette, const PixelFunction& index)
{
    BitmapSpec desc;
    desc.width = width;
    desc.height = height;
    desc.bitsPerPixel = 8;
    desc.palette = palette;
    desc.pixels = PackRows(width, height, 8, index);
    return Build(desc);
}

} // namespace bmp
