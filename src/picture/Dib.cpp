#include "picture/Dib.h"

#include "base/UserMessages.h"
#include "picture/DibBytes.h"

#include <algorithm>
#include <cstdlib>
#include <new>

using namespace dibbytes;

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;

void Tell(IUserMessages* messages, const char* text)
{
    if (messages)
        messages->ShowMessage(text, MessageIcon::Exclamation);
}

// Reads count bytes at pos. What the file does not hold stays 0: a file
// shorter than its headers say leaves defined zeros, never stale memory.
std::vector<uint8_t> ReadAt(std::istream& file, std::streamoff pos, size_t count)
{
    std::vector<uint8_t> bytes(count, 0);
    file.clear();
    file.seekg(pos);
    if (file && count > 0)
        file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(count));
    file.clear();
    return bytes;
}

// Information headers that begin with the same 40 bytes as the Windows one:
// the longer Windows forms (52, 56, 108 and 124 bytes, with the bit-field
// masks at byte 40) and the 64-byte OS/2 form. Today's tools write the 108-
// and 124-byte forms; reading them as core headers gives a nonsense picture.
bool IsWindowsHeader(uint32_t size)
{
    return size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

bool HasMaskFields(uint32_t size)
{
    return size == 52 || size == 56 || size == 108 || size == 124;
}

// Whether the decoder can draw this depth with this compression.
bool CanDecode(int bitsPerPixel, uint32_t compression, int32_t height)
{
    switch (compression) {
    case CDIB::kRgb:
        return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 ||
               bitsPerPixel == 24 || bitsPerPixel == 32;
    case CDIB::kRle8:
        return bitsPerPixel == 8 && height > 0; // run-length pictures are always bottom-up
    case CDIB::kRle4:
        return bitsPerPixel == 4 && height > 0;
    case CDIB::kBitFields:
        return bitsPerPixel == 16 || bitsPerPixel == 32;
    default:
        return false;
    }
}

// The most pixel bytes the header's rows can need. A pixel size above both
// this and what the file holds can only come from a damaged file header.
int64_t RowsBound(int64_t width, int64_t rows, int bitsPerPixel, uint32_t compression)
{
    if (compression == CDIB::kRle8 || compression == CDIB::kRle4)
        return 2 * (width + 2) * rows + 2; // one two-byte run per pixel, line ends and the end mark
    return ((width * bitsPerPixel + 31) / 32) * 4 * rows;
}

} // namespace

CDIB::CDIB()
{
    Create(16, 16);
}

bool CDIB::Create(int width, int height, IUserMessages* messages)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    m_decoded.reset();
    m_bits.clear();
    try {
        m_info.assign(kInfoSize + kColourTableSize, 0);
    } catch (const std::bad_alloc&) {
        m_info.clear();
        Tell(messages, "Out of Memory, cannot create bitmap");
        return false;
    }
    try {
        m_bits.assign(size_t((int64_t(width) + 3) & ~int64_t(3)) * size_t(height), 0);
    } catch (const std::bad_alloc&) {
        Tell(messages, "Out of Memory, cannot allocate bitmap memory");
        return false;
    }
    PutU32(m_info, 0, 40);
    PutU32(m_info, 4, uint32_t(width));
    PutU32(m_info, 8, uint32_t(height));
    PutU16(m_info, 12, 1);
    PutU16(m_info, 14, 8);
    for (int i = 0; i < 256; ++i) {
        uint8_t* entry = m_info.data() + kInfoSize + size_t(i) * 4;
        entry[0] = entry[1] = entry[2] = uint8_t(i);
        entry[3] = 0;
    }
    m_masks = {};
    return true;
}

bool CDIB::Load(std::istream& file, IUserMessages* messages)
{
    file.clear();
    const std::streamoff start = file.tellg();
    if (start < 0)
        return false;
    file.seekg(0, std::ios::end);
    const std::streamoff end = file.tellg();
    if (end < 0)
        return false;

    const std::vector<uint8_t> fileHeader = ReadAt(file, start, kFileHeaderSize);
    if (U16(fileHeader, 0) != 0x4D42)
        return false;

    std::vector<uint8_t> header = ReadAt(file, start + std::streamoff(kFileHeaderSize), kInfoSize);
    const uint32_t headerSize = U32(header, 0);
    const bool windows = IsWindowsHeader(headerSize);
    if (!windows) {
        // A core header: 16-bit unsigned width and height, no compression.
        const std::vector<uint8_t> core = ReadAt(file, start + std::streamoff(kFileHeaderSize), kCoreHeaderSize);
        header.assign(kInfoSize, 0);
        PutU32(header, 0, 40);
        PutU32(header, 4, U16(core, 4));
        PutU32(header, 8, U16(core, 6));
        PutU16(header, 12, U16(core, 8));
        PutU16(header, 14, U16(core, 10));
    }
    PutU32(header, 0, 40);

    const int32_t width = I32(header, 4);
    const int32_t height = I32(header, 8);
    const int bitsPerPixel = U16(header, 14);
    const uint32_t compression = U32(header, 16);
    const int64_t rows = std::llabs(int64_t(height));
    if (!CanDecode(bitsPerPixel, compression, height) || width <= 0 || rows == 0 || width > kMaxSide ||
        rows > kMaxSide || int64_t(width) * rows > kMaxPixels)
        return false;

    const int64_t offset = U32(fileHeader, 10);
    const int64_t pixelSize = int64_t(U32(fileHeader, 2)) - offset;
    const int64_t available = std::max<int64_t>(0, int64_t(end) - (int64_t(start) + offset));
    if (pixelSize < 0 || (pixelSize > available && pixelSize > RowsBound(width, rows, bitsPerPixel, compression))) {
        Tell(messages, "Out of Memory, cannot allocate bitmap data");
        return false;
    }

    std::vector<uint8_t> info;
    try {
        info.assign(kInfoSize + kColourTableSize, 0);
    } catch (const std::bad_alloc&) {
        Tell(messages, "Out of Memory, cannot load bitmap information");
        return false;
    }
    std::copy(header.begin(), header.end(), info.begin());

    std::array<uint32_t, 3> masks{};
    if (windows) {
        const std::vector<uint8_t> table =
            ReadAt(file, start + std::streamoff(kFileHeaderSize + headerSize), kColourTableSize);
        std::copy(table.begin(), table.end(), info.begin() + kInfoSize);
        if (headerSize == 40) {
            // The masks follow the header, where the colour table would begin.
            masks = {U32(table, 0), U32(table, 4), U32(table, 8)};
        } else if (HasMaskFields(headerSize)) {
            const std::vector<uint8_t> full = ReadAt(file, start + std::streamoff(kFileHeaderSize), 52);
            masks = {U32(full, 40), U32(full, 44), U32(full, 48)};
        }
    } else {
        const int colours = bitsPerPixel == 1 ? 2 : bitsPerPixel == 4 ? 16 : bitsPerPixel == 8 ? 256 : 0;
        const std::vector<uint8_t> table =
            ReadAt(file, start + std::streamoff(kFileHeaderSize + kCoreHeaderSize), size_t(colours) * 3);
        for (size_t i = 0; i < size_t(colours); ++i) {
            uint8_t* entry = info.data() + kInfoSize + i * 4;
            entry[0] = table[i * 3];
            entry[1] = table[i * 3 + 1];
            entry[2] = table[i * 3 + 2];
            entry[3] = 0;
        }
    }

    // Never more than the file can supply; the decoder draws what is missing as colour 0.
    std::vector<uint8_t> bits;
    try {
        bits = ReadAt(file, start + std::streamoff(offset), size_t(std::min(pixelSize, available)));
    } catch (const std::bad_alloc&) {
        Tell(messages, "Out of Memory, cannot allocate bitmap data");
        return false;
    }

    m_info = std::move(info);
    m_bits = std::move(bits);
    m_masks = masks;
    m_decoded.reset();
    return true;
}

int CDIB::Width() const
{
    return I32(m_info, 4);
}

int CDIB::Height() const
{
    return I32(m_info, 8);
}

int CDIB::BitsPerPixel() const
{
    return U16(m_info, 14);
}

uint32_t CDIB::Compression() const
{
    return U32(m_info, 16);
}

int CDIB::ColourCount() const
{
    // The table holds 256 entries; a larger colours-used field is capped so
    // that no caller reads past it.
    const uint32_t used = U32(m_info, 32);
    if (used != 0)
        return int(std::min<uint32_t>(used, 256));
    switch (BitsPerPixel()) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}
