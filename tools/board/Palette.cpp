#include "Palette.h"

#include "Provinces.h"

namespace board {

std::array<Rgb, 256> BoardPalette()
{
    std::array<Rgb, 256> palette{};
    palette[kBorder] = {46, 36, 28};
    palette[kCoast] = {40, 56, 86};
    palette[kSea] = {164, 204, 232};
    palette[kSeaBorder] = {84, 118, 160};
    palette[kNeutralLand] = {236, 226, 196};
    const auto& powers = Powers();
    for (size_t i = 0; i < powers.size() && i < 7; ++i)
        palette[kHomeFirst + i] = powers[i].homeTint;
    palette[kImpassable] = {158, 156, 148};
    palette[kImpassableHatch] = {118, 116, 108};
    palette[kOffBoard] = {204, 204, 192};
    palette[kLandText] = {24, 20, 16};
    palette[kSeaText] = {22, 48, 104};
    palette[kCentreRing] = {30, 24, 20};
    palette[kCentreFill] = {252, 250, 240};
    return palette;
}

} // namespace board
