#include "views/Dib.h"

#include "model/Services.h"

#include <cstring>

namespace {

void PutU32(std::vector<uint8_t>& block, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        block[at + size_t(i)] = uint8_t(value >> (8 * i));
}

void PutU16(std::vector<uint8_t>& block, size_t at, uint16_t value)
{
    block[at] = uint8_t(value);
    block[at + 1] = uint8_t(value >> 8);
}

int32_t GetI32(const std::vector<uint8_t>& block, size_t at)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= uint32_t(block[at + size_t(i)]) << (8 * i);
    return static_cast<int32_t>(v);
}

uint16_t GetU16(const std::vector<uint8_t>& block, size_t at)
{
    return uint16_t(block[at] | (block[at + 1] << 8));
}

} // namespace

CDIB::CDIB()
{
    Create(16, 16);
}

bool CDIB::Create(int width, int height, IUserMessages* /*messages*/)
{
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    m_info.assign(kInfoSize + kColourTableSize, 0);
    m_bits.assign(size_t((width + 3) & ~3) * size_t(height), 0);
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
    return true;
}

int CDIB::Width() const
{
    return GetI32(m_info, 4);
}

int CDIB::Height() const
{
    return GetI32(m_info, 8);
}

int CDIB::ColourCount() const
{
    const int32_t used = GetI32(m_info, 32);
    if (used != 0)
        return used;
    switch (GetU16(m_info, 14)) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}
