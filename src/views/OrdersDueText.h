#pragma once

#include "model/PhaseDue.h"

#include <chrono>
#include <string>

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
