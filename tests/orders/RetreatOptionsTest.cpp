// Retreats worked out from stored movement results in cases the real games
// do not show: a standoff, a failed convoy, a fleet's coasts, a convoyed
// attacker's origin.
#include "orders/GameSteps.h"
#include "orders/ResultLines.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace {

using namespace orders;

struct RetreatRow {
    const char* name;
    const char* dislodged; // "Army Burgundy"
    std::vector<std::string> results;
    std::vector<std::string> occupied; // provinces holding a unit after the movement
    std::vector<std::string> offered;
};

class RetreatCases : public ::testing::TestWithParam<RetreatRow> {};

TEST_P(RetreatCases, OfferWhatTheJudgeOffers)
{
    const Geography& board = ordertest::StandardGeography();
    std::vector<ResultLine> results;
    for (const std::string& line : GetParam().results) {
        const auto read = ReadResultLine(board, line);
        ASSERT_TRUE(read) << line;
        results.push_back(*read);
    }
    std::vector<bool> occupied(size_t(board.Count()), false);
    for (const std::string& name : GetParam().occupied)
        occupied[size_t(*board.FindName(name))] = true;
    const auto unit = ReadResultLine(board, std::string("X: ") + GetParam().dislodged + " HOLD.");
    ASSERT_TRUE(unit);
    std::vector<std::string> offered;
    for (const Place& place : RetreatOptions(board, unit->unit, unit->from, results, occupied))
        offered.push_back(board.PlaceName(place));
    EXPECT_EQ(offered, GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    Movements, RetreatCases,
    ::testing::Values(
        RetreatRow{"StandoffAndAttackerOrigin",
                   "Army Burgundy",
                   {"Germany: Army Munich -> Burgundy.", "England: Army Belgium -> Picardy. (*bounce*)",
                    "France: Army Brest -> Picardy. (*bounce*)", "France: Army Burgundy HOLD. (*dislodged*)"},
                   {"Burgundy", "Belgium", "Brest"},
                   {"Marseilles", "Gascony", "Paris", "Ruhr"}},
        RetreatRow{"FailedConvoyDoesNotBar",
                   "Army Burgundy",
                   {"Germany: Army Munich -> Burgundy.", "England: Army London -> English Channel -> Picardy. (*no convoy*)"},
                   {"Burgundy", "London"},
                   {"Marseilles", "Gascony", "Paris", "Picardy", "Belgium", "Ruhr"}},
        RetreatRow{"FleetKeepsItsCoasts",
                   "Fleet Mid-Atlantic Ocean",
                   {"England: Fleet English Channel -> Mid-Atlantic Ocean."},
                   {"Mid-Atlantic Ocean", "Brest", "Portugal"},
                   {"North Atlantic Ocean", "Irish Sea", "Gascony", "Spain (north coast)", "Spain (south coast)",
                    "North Africa", "Western Mediterranean"}},
        RetreatRow{"ConvoyedAttackersOriginBarred",
                   "Army Brest",
                   {"England: Army Picardy -> English Channel -> Brest.",
                    "England: Fleet English Channel CONVOY Army Picardy -> Brest."},
                   {"Brest", "English Channel"},
                   {"Gascony", "Paris"}}),
    RowName());

} // namespace
