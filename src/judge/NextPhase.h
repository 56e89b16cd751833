#pragma once

#include "model/PhaseDue.h"

#include <optional>
#include <string>
#include <string_view>

/// The phase due that a Judge mail announces at its end:
///
///   The next phase of 'kestrel' will be Movement for Spring of 1904.
///   The deadline for orders will be Thu Jan 29 2004 23:30:00 +0000.
///
/// (a line such as "Requested absence(s) activated." may stand between
/// them), or, in the game-start mail, "The deadline for the first orders is
/// ..." for the phase its deadline line names (":: Deadline: S1901M ...").
/// The last announcement of the text counts; lines quoted with "> " are read
/// as well, and a first line wrapped before its full stop is joined with the
/// next. nullopt when the text announces no phase with a code of its own
/// here (the game's end, "Bids for Year of 1901").
std::optional<CPhaseDue> ReadPhaseDue(std::string_view report);

/// The phase code of the Judge's words: "Movement for Spring of 1904" gives
/// "S1904M", "Retreats for Fall of 1902" "F1902R", "Adjustments for Winter
/// of 1903" "F1903B" (the Judge files the winter under the fall's letter),
/// Summer gives "U". Empty for other words.
std::string PhaseCodeOfWords(std::string_view words);

/// The Judge's words for a phase code: "S1901M" gives "Movement for Spring
/// of 1901". Empty for a code PhaseCodeOfWords would not give.
std::string PhaseWordsOfCode(std::string_view code);
