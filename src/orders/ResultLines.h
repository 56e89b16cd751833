#pragma once

#include "orders/Geography.h"
#include "orders/Order.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orders {

/// One line of a movement result as the Judge prints it and the saved game
/// keeps it: "Italy: Army Piedmont -> Marseilles. (*bounce*)".
struct ResultLine {
    UnitType unit = UnitType::Army;
    Place from;
    bool move = false;
    std::vector<int> route; ///< the seas of a convoyed move
    Place to;               ///< a move's destination
    std::string note;       ///< "bounce", "cut, dislodged", ...; empty when none
};

/// The line read, or nullopt when it is no unit's line the board knows.
std::optional<ResultLine> ReadResultLine(const Geography& geography, std::string_view line);

/// Whether a season's order lines are a starting position ("Austria: Army
/// Vienna."): no line orders anything.
bool IsStartingPosition(const std::vector<std::string>& lines);

/// The retreats the Judge offers a unit dislodged from at, given the movement
/// results: the places it could move to, less those occupied now, the one its
/// attacker came from, and those a move bounced from (a standoff leaves them
/// empty), in the order of the board's lists.
std::vector<Place> RetreatOptions(const Geography& geography, UnitType unit, Place at,
                                  const std::vector<ResultLine>& results, const std::vector<bool>& occupied);

} // namespace orders
