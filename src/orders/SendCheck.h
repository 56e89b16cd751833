#pragma once

#include "orders/OrderChecker.h"

#include <string>
#include <vector>

namespace orders {

/// What stands in the way of sending a set of orders to the Judge, in the
/// player's words, as the orders mail is about to go out.
struct SendCheck {
    /// The phase the orders are for ("S1902M").
    std::string phase;
    /// Each line the Judge will refuse with why, in the order of the mail:
    /// "A Nor-Mos: The army in Norway can't get to Moscow."
    std::vector<std::string> refused;
    /// The set leaves units without orders, or builds or removals not ordered.
    bool incomplete = false;
    /// What the Judge does with the set as a whole (the checker's notes:
    /// units it holds or disbands, builds it waives, convoys to check).
    std::vector<std::string> notes;

    /// Nothing refused, nothing missing: the mail can go without asking.
    bool Ready() const { return refused.empty() && !incomplete; }
    /// Everything the player is told before sending anyway: the refused
    /// lines, then the notes; one entry per line.
    std::vector<std::string> Problems() const;
};

/// Checks the order lines of an orders mail (without its sign-on and
/// sign-off) with the checker of the phase due, for the desktop's Send
/// Orders to Judge and kestrane-cli send alike.
SendCheck CheckOrdersToSend(const OrderChecker& checker, const std::vector<std::string>& lines);

} // namespace orders
