#pragma once

#include "model/MapPos.h"

#include <list>

/// The marker positions of the supply centres one country owns, in the order
/// the ownership parser appended them.
using CPositionList = std::list<MapPos>;
