#pragma once

#include <optional>
#include <string>
#include <vector>

class CKestraneDoc;

namespace orders {

class Geography;

/// The centres each power owns when the game starts, before any season's
/// ownership: one count per country, in country order, and what the point
/// is called.
struct StartingCentres {
    std::vector<int> centres;
    /// The game-start season the counts stand for; empty when the game has
    /// none filed.
    std::string season;
};

/// Every country's home centres on the board's geography; on a board without
/// one (geography null, or naming none of the game's countries) the units of
/// the game-start season, each of which stands on a home centre. nullopt
/// when neither is known.
std::optional<StartingCentres> GameStartCentres(const CKestraneDoc& doc, const Geography* geography);

} // namespace orders
