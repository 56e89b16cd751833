#pragma once

#include <string>
#include <string_view>
#include <vector>

/// A game's name as a headline writes it: "kestrel" gives "Kestrel".
std::string GameInWords(std::string_view game);

/// A phase as a notice names it: "F1903M" is "Fall 1903", "F1903R" "Fall
/// 1903 retreat", "F1903B" "Winter 1903 adjustment", "S1904M" "Spring 1904".
/// Any other name comes back as it is.
std::string PhaseInWords(std::string_view phase);

/// Names joined as people list them: "Serbia", "Serbia and Greece",
/// "Serbia, Greece and Bulgaria".
std::string JoinedInWords(const std::vector<std::string>& names);
