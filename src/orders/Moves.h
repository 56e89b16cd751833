#pragma once

#include "orders/Geography.h"
#include "orders/Order.h"
#include "orders/Position.h"

#include <optional>
#include <vector>

namespace orders {

/// Whether a unit of type at from can move to province to, arriving on the
/// coast written (any when nullopt) as the Judge tests it: an army only by
/// land and never to a named coast, a fleet along its own coast's list. The
/// coast it arrives on (None for a province without coasts), a fleet with no
/// coast written taking the first listed; nullopt when it cannot.
std::optional<Coast> MoveArrival(const Geography& geography, UnitType type, Place from, int to,
                                 std::optional<Coast> written = std::nullopt);

/// The land provinces an army at from can reach by convoy through seas that
/// now hold a fleet (any power's), from itself excepted.
std::vector<int> ConvoyDestinations(const Geography& geography, const Position& position, int from);

/// The fewest seas now holding a fleet (any power's) that carry an army at
/// from to the land province to, in the order it passes them, as a move by
/// convoy is written; empty when there is no such route.
std::vector<int> ConvoyRoute(const Geography& geography, const Position& position, int from, int to);

/// Where the unit (an index into position.units) can go in the phase due:
/// in a movement phase its moves, a fleet's with the coast it arrives on and
/// an army's by convoy through fleets now at sea included; in a retreat phase
/// a dislodged unit's retreats. Each place once, in the board's order.
std::vector<Place> ReachablePlaces(const Geography& geography, const Position& position, int unit);

} // namespace orders
