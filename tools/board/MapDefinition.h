#pragma once

#include "Layout.h"

#include <string>

namespace board {

/// The map definition text for the board: the picture, the seven powers,
/// the centre radius, a PROV: line for every name a Judge mail may give a
/// province (and each coast, glued as the coast notation folds it), and a
/// SUPPLY: line for every name of every centre. Lines end in CR LF.
std::string WriteMapDefinition(const Layout& layout, const std::string& pictureName);

} // namespace board
