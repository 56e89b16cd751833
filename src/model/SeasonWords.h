#pragma once

#include <string>
#include <string_view>

/// A season name written out for people: "S1901M" is "Spring 1901 Movement",
/// "F1901R" "Fall 1901 Retreats", "F1901B" "Winter 1901 Adjustments". A name
/// that is not a season letter, four digits and a phase letter comes back as
/// it is, so a damaged game still shows something recognisable.
std::string SeasonInWords(std::string_view name);

/// The game-start season (filed a year before the first movement, S1900M for
/// a game starting in 1901) written out: "Starting position 1901".
std::string StartingPositionInWords(std::string_view name);
