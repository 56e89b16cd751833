#pragma once

#include "orders/Geography.h"
#include "orders/Position.h"

#include <optional>
#include <string>

class CKestraneDoc;

namespace orders {

/// The position of the phase that is due, or why there is none.
struct GamePosition {
    std::optional<Position> position;
    std::string problem;
};

/// The phase due after the latest season of the game, worked out as the
/// Judge does, and the board for it: after a starting position the first
/// spring movement; after a movement the retreats when a dislodged unit has
/// somewhere to go (its retreats computed from the stored results, as the
/// saved game does not keep the Judge's list), else after a fall the winter
/// adjustments when some power has more units than centres, or more centres
/// than units and an empty centre of its own to build in, else the next
/// movement; after adjustments the next spring.
GamePosition PositionAfterLatestSeason(const CKestraneDoc& doc, const Geography& geography);

} // namespace orders
