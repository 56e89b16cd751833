#pragma once

#include "Layout.h"

#include <string>
#include <vector>

namespace board {

/// The board's geography file (Standard.geo, read by the program's order
/// checking): every province with the names the Judge reads for it, its
/// kind, home power and centre, each coast of a split province with the spot
/// where its fleet is drawn (the same as in the map definition), and where
/// armies and fleets move. Problems (the province table and the movement
/// table disagreeing) are added to problems.
std::string WriteGeographyDefinition(const Layout& layout, std::vector<std::string>& problems);

} // namespace board
