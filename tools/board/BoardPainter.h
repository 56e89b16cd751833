#pragma once

#include "Layout.h"
#include "Regions.h"

#include <cstdint>
#include <vector>

namespace board {

/// Paints the board in named passes into colour indexes (Palette.h), top
/// row first: provinces, borders and coast, Switzerland's hatching,
/// supply-centre dots, labels, frame.
std::vector<uint8_t> PaintBoard(const Regions& regions, const Layout& layout);

} // namespace board
