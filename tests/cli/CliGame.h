#pragma once

#include "support/TestGame.h"

#include <string>

/// The game the command-line tests play: three countries on a small board,
/// and one Judge report per phase of its first year (game start, spring and
/// fall movement with ownership, fall retreats, winter adjustments).
namespace cligame {

/// Maps/Test.map with ENGLAND, FRANCE and GERMANY and the provinces the
/// reports name; the picture is a 96 x 64 board of land, sea and a coast line.
testgame::TestGameSpec Desc();

std::string GameStart();        ///< filed as S1900M
std::string SpringMovement();   ///< S1901M, with ownership
std::string FallMovement();     ///< F1901M, with ownership and a dislodged unit
std::string FallRetreats();     ///< F1901R
std::string WinterAdjustments(); ///< F1901B

/// A report of another game at the same Judge.
std::string OtherGameReport();

/// The same header as every report of the game, with the given deadline line.
std::string Header(const std::string& season, const std::string& deadline);

} // namespace cligame
