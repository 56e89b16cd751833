#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/// Little-endian field access for the bitmap header and pixel blocks. Every
/// read outside the block gives 0, so a short or damaged block never reads
/// past its end.
namespace dibbytes {

inline uint8_t U8(const std::vector<uint8_t>& block, size_t at)
{
    return at < block.size() ? block[at] : 0;
}

inline uint16_t U16(const std::vector<uint8_t>& block, size_t at)
{
    return uint16_t(U8(block, at) | (U8(block, at + 1) << 8));
}

inline uint32_t U32(const std::vector<uint8_t>& block, size_t at)
{
    return uint32_t(U16(block, at)) | (uint32_t(U16(block, at + 2)) << 16);
}

inline int32_t I32(const std::vector<uint8_t>& block, size_t at)
{
    return static_cast<int32_t>(U32(block, at));
}

inline void PutU16(std::vector<uint8_t>& block, size_t at, uint16_t value)
{
    block[at] = uint8_t(value);
    block[at + 1] = uint8_t(value >> 8);
}

inline void PutU32(std::vector<uint8_t>& block, size_t at, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        block[at + i] = uint8_t(value >> (8 * i));
}

} // namespace dibbytes
