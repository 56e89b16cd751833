#pragma once

#include "orders/Order.h"

#include <optional>
#include <string>
#include <vector>

namespace orders {

/// Why the Judge refuses an order, one kind per message of its own.
enum class Fault : uint8_t {
    None,
    UnknownProvince,     ///< no province the Judge knows where the order begins
    UnknownUnitProvince, ///< nor where the unit supported or convoyed should be named
    UnknownDestination,  ///< nor where the unit should go
    NoUnit,              ///< no such unit there (or none of the player's)
    NotYourUnit,
    WrongUnitType,       ///< an army called a fleet, or the reverse
    CannotReach,
    CannotSupportThere,  ///< the supporter cannot reach where the support goes
    NotARetreat,         ///< reachable, but not among the dislodged unit's retreats
    NotDislodged,
    InvalidOrder,        ///< no order word the Judge reads for this unit in this phase
    ArmyCannotConvoy,
    NoConvoyingFleet,    ///< a convoy route through a place without a fleet, or not a sea
    BadConvoyRoute,      ///< the route's end does not join, ends at sea, or a fleet has a route
    NotConvoyable,       ///< a fleet named to be convoyed, or a convoy without the army's destination
    NotAllowedInGame,    ///< disband in a movement phase, proxy and transform orders
    NoBuildsDue,
    NoRemovalsDue,
    NotSupplyCentre,
    NotHomeCentre,
    CentreNotControlled,
    CentreOccupied,
    UnitTypeMissing,
    FleetCannotBuildThere, ///< inland, or the coast missing or not one of the province's
};

/// A short name for a fault ("cannot-reach"), for scripts and tests.
std::string_view FaultName(Fault fault);

/// One order the Judge read from a line: in force, or refused with a reason.
struct Finding {
    Fault fault = Fault::None;
    /// In plain words, when refused ("The army in Vienna can't reach Warsaw.").
    std::string reason;
    /// The order now in force (fault None).
    std::optional<Order> order;
    /// Something the player may not expect of an order in force ("No coast
    /// named: the Judge sends the fleet to Spain (north coast).").
    std::string note;
};

/// What the Judge makes of one line: the orders it read from it, in order.
/// The line is refused when any of them is; an order read before the fault
/// (as in "A Vie-Bud please") stays in force all the same.
struct LineVerdict {
    std::vector<Finding> findings;

    bool Refused() const;
    /// The first refusal, or nullptr.
    const Finding* FirstFault() const;
    /// The orders this line put in force.
    std::vector<Order> OrdersInForce() const;
};

} // namespace orders
