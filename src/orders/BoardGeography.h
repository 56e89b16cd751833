#pragma once

#include "orders/Geography.h"

#include <optional>
#include <string>

namespace orders {

/// A board's geography, or why the order commands are not available on it.
struct BoardGeography {
    std::optional<Geography> geography;
    std::string unavailable;
};

/// The geography of the map called mapName: "Maps\<mapName>.geo", found the
/// way map definitions are found (below the installation folder, then the
/// user's own Maps folder). A board without one works as before; the order
/// commands then say why they cannot help.
BoardGeography LoadBoardGeography(const std::string& installDir, const std::string& mapName);

} // namespace orders
