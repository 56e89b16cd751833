#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

/// Builds bitmap file bytes in code, so tests carry no binary fixtures.
///
/// Pixel coordinates are always given from the top-left corner (y = 0 is the
/// top row); the builder stores the rows bottom-up unless the picture is
/// top-down (negative height in a Windows header).
namespace bmp {

/// Compression codes of the Windows information header.
enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

/// A pixel value at (x, y): a colour-table index for 1, 4 and 8 bits per
/// pixel, the raw 16- or 32-bit word for 16 and 32 bits, 0x00RRGGBB for 24.
using PixelFunction = std::function<uint32_t(int x, int y)>;

/// Everything a test may want to set in a bitmap file.
struct BitmapSpec {
    /// A 12-byte core header instead of the 40-byte Windows header.
    bool coreHeader = false;
    int width = 4;
    /// Negative for top-down rows (Windows header only).
    int height = 4;
    int bitsPerPixel = 8;
    uint32_t compression = kRgb;
    /// Colour table as 0x00RRGGBB, written in file order (blue, green, red[, 0]).
    std::vector<uint32_t> palette;
    /// The colours-used field of the Windows header.
    uint32_t coloursUsed = 0;
    /// Size of a Windows header: 40, or a longer form (52, 56, 108, 124, or the
    /// 64-byte OS/2 one) whose bytes after the first 40 are the masks, then zeros.
    uint32_t headerSize = 40;
    /// Red, green and blue masks: written after a 40-byte header, or inside a
    /// longer one.
    std::vector<uint32_t> masks;
    /// The pixel block as stored; see PackRows, EncodeRle8 and EncodeRle4.
    std::string pixels;
    /// The image-size field of the Windows header; the pixel block size when unset.
    std::optional<uint32_t> imageSize;
    /// Damaged files: replace the file-size or offset-to-pixels field.
    std::optional<uint32_t> fileSizeField;
    std::optional<uint32_t> offsetField;
    /// Bytes put between the colour table (or masks) and the pixels; the
    /// offset field counts them.
    std::string gap;
};

/// A bitmap of that size and depth, every other field at its default.
BitmapSpec Sized(int width, int height, int bitsPerPixel = 8, uint32_t compression = kRgb);

/// The whole file: file header, information or core header, masks, colour
/// table, gap, pixel block.
std::string Build(const BitmapSpec& desc);

/// Uncompressed rows of width x |height| pixels at the given depth, each row
/// padded to 4 bytes; bottom-up unless topDown.
std::string PackRows(int width, int height, int bitsPerPixel, const PixelFunction& pixel, bool topDown = false);

/// Run-length encoded 8-bit pixels: runs of equal indexes per row, an
/// end-of-line after every row and end-of-bitmap at the close; bottom-up.
std::string EncodeRle8(int width, int height, const PixelFunction& index);
/// Run-length encoded 4-bit pixels: runs of one index each, like EncodeRle8.
std::string EncodeRle4(int width, int height, const PixelFunction& index);

/// A plain uncompressed 8-bit Windows bitmap, the common case.
std::string MakeBitmap8(int width, int height, const std::vector<uint32_t>& palette, const PixelFunction& index);

/// Little-endian helpers for tests that assemble bytes by hand.
void AppendU16(std::string& out, uint16_t value);
void AppendU32(std::string& out, uint32_t value);

} // namespace bmp
