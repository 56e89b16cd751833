#pragma once

#include "model/OrdersState.h"
#include "model/PhaseDue.h"

#include <chrono>
#include <string>
#include <vector>

/// The phase due in one line for the orders pane, notifications and the
/// command line, its deadline in UTC and in the player's own time, and the
/// time left at now:
///
///   Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC, 00:30 here, 2 days 5 h left
///
/// The local time carries its weekday when its day is not the UTC one
/// ("Fri 00:30 here"), so a deadline near midnight is never read a day off.
/// localOffset is the player's distance east of UTC at the deadline (the
/// toolkit's or the C library's; the standard library of this build has no
/// zone database). Past the deadline the end reads "deadline passed 3 h ago".
/// A deadline not in the Judge's form is shown as written, without the rest.
std::string OrdersDueText(const CPhaseDue& due, std::chrono::sys_seconds now, std::chrono::seconds localOffset);

/// A span in the words of the line above, rounded down: "2 days 5 h",
/// "1 day", "5 h 20 min", "20 min", "less than a minute".
std::string SpanInWords(std::chrono::seconds span);

/// What became of the orders mail of the phase due, in one line beside the
/// drafts: "Sent 14:02, waiting for the Judge", then once the Judge has
/// answered "Sent 14:02; orders status for S1902M: 5 accepted, 1 refused".
/// The time is the player's own (localOffset as above). Empty when nothing
/// was sent for the phase and the Judge's verdict is not known; "The
/// Judge's orders status for ..." for a verdict on orders sent otherwise.
std::string SentStateText(const CGameOrdersState& state, std::chrono::seconds localOffset);

/// The Judge's verdict on the orders sent, one line per order as sent:
/// "A Ser-Bud: accepted by the Judge", "A Vie-Ser: refused: The army in
/// Vienna can't get to Serbia."; then the units it has no order for and
/// its error flag. Empty while the Judge has not answered.
std::vector<std::string> JudgeVerdictLines(const CGameOrdersState& state);
