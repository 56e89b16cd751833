#pragma once

#include "orders/Geography.h"

#include <string>
#include <vector>

namespace orders {

enum class UnitType : uint8_t { Army, Fleet };

/// "Army", "Fleet"; "army", "fleet" for the lower-case form.
std::string UnitWord(UnitType type, bool capital = true);

enum class OrderKind : uint8_t {
    Hold,
    Move,    ///< also a convoyed army's move, with its route
    Support, ///< of a move, or to hold when to == other
    Convoy,
    Retreat,
    Disband,
    Build,
    Remove,
    Waive
};

/// One order as the Judge holds it after reading a line.
struct Order {
    OrderKind kind = OrderKind::Hold;
    /// The ordered unit (the unit built, for a build).
    UnitType unit = UnitType::Army;
    /// Where it stands (a build's or removal's site; nothing for a waive).
    Place at;
    /// The seas a convoyed army passes, in order.
    std::vector<int> route;
    /// A move's or retreat's destination; the destination of the move a
    /// support or convoy is for (the supported unit's own province for a
    /// support to hold).
    Place to;
    /// The unit supported or convoyed, and its province with the coast as written.
    UnitType otherUnit = UnitType::Army;
    Place other;

    friend bool operator==(const Order&, const Order&) = default;
};

/// The order as one line the Judge reads back: its own status line without
/// the power, the padding, the final full stop and any nationality
/// ("Army Vienna SUPPORT Army Venice -> Tyrolia", "Army Burgundy DISBAND");
/// builds, removals and waives in the short player form ("Build F StP/nc").
std::string WriteOrder(const Order& order, const Geography& geography);

} // namespace orders
