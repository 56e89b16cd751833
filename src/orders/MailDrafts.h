#pragma once

#include "orders/OrderChecker.h"

#include <string>
#include <vector>

class CKestraneDoc;

namespace orders {

/// The order lines of a mail as the Judge will take them: each line's orders
/// in force in the Judge's own form, a line that put none in force as it was
/// written. verdict is the checker's on lines.
std::vector<std::string> LinesForMail(const Geography& geography, const std::vector<std::string>& lines,
                                      const SetVerdict& verdict);

/// The drafted orders as the orders mail carries them, and what the player
/// should hear before they go.
struct MailDrafts {
    /// One line per order the Judge takes, in its own form; a line it
    /// refuses without putting an order in force, as it was written.
    std::vector<std::string> lines;
    /// Empty when the Judge takes every line and leaves no unit without an
    /// order; otherwise each refused line with its reason, then what the
    /// Judge does with the rest ("Without an order the Judge holds: ..."),
    /// one per line.
    std::string warning;
};

/// Checks drafts as the Judge will for the player's country (Game Details)
/// in the phase due after the game's latest season, the board's geography
/// read from below installDir. Without a geography, a position or a country
/// the lines go as they are, untrimmed by any check, and the warning says
/// why they could not be checked.
MailDrafts CheckDraftsForMail(const CKestraneDoc& doc, const std::string& installDir,
                              const std::vector<std::string>& drafts);

} // namespace orders
