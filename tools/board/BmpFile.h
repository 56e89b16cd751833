#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace board {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
};

/// The bytes of an uncompressed 8-bit Windows bitmap file: a 14-byte file
/// header, a 40-byte information header, a 256-entry colour table and the
/// rows bottom-up, each padded to a multiple of 4 bytes. indexes holds
/// width x height colour indexes, top row first. coloursUsed is written
/// into the header (0 means all 256).
std::string EncodeBmp8(int width, int height, const std::vector<uint8_t>& indexes,
                       const std::array<Rgb, 256>& palette, uint32_t coloursUsed);

} // namespace board
