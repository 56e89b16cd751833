// A whole set of one power's orders at real positions of the kestrel game:
// what the Judge does with what is missing, too many or mismatched, and the
// order entry's own questions (where to build, an order made by clicks).
#include "orders/GameSteps.h"
#include "orders/OrderChecker.h"
#include "support/JudgeGameFiles.h"
#include "support/RowName.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace orders;

using ordertest::KestrelPositions;

struct SetRow {
    const char* name;
    const char* phase;
    const char* power;
    std::vector<std::string> lines;
    const char* note;
};

class OrderSets : public KestrelPositions, public ::testing::WithParamInterface<SetRow> {};

TEST_P(OrderSets, SayWhatTheJudgeWillDo)
{
    const SetVerdict verdict = Checker(GetParam().phase, GetParam().power).CheckSet(GetParam().lines);
    EXPECT_FALSE(verdict.AnyRefused());
    EXPECT_THAT(verdict.notes, ::testing::Contains(::testing::HasSubstr(GetParam().note)));
}

INSTANTIATE_TEST_SUITE_P(
    Kestrel, OrderSets,
    ::testing::Values(
        SetRow{"ExtraBuildDropsTheEarliest", "F1901B", "Austria", {"Build A Bud", "Build F Tri", "Waive"},
               "More builds than due: the Judge drops the earliest, Build A Bud."},
        SetRow{"BuildNotOrdered", "F1901B", "Russia", {"Build A Mos"}, "1 build not ordered"},
        SetRow{"RemovalNotOrdered", "F1902B", "Germany", {}, "1 unit still to remove"},
        SetRow{"ExtraRemovalTakenBack", "F1902B", "Germany", {"Remove A Mun", "Remove A Bur"},
               "the Judge keeps the earliest back, Remove A Mun."},
        SetRow{"ConvoyNotFollowed", "F1901M", "England", {"F Nth C A Yor-Nwy", "A Yor H"},
               "Check the convoy: Fleet North Sea CONVOY Army Yorkshire -> Norway, but that army is not ordered "
               "there."},
        SetRow{"RouteWithoutConvoy", "F1901M", "England", {"A Yor-Nth-Nwy", "F Nth H"},
               "but the fleet in the North Sea is not ordered to convoy it."},
        SetRow{"UnorderedUnitsHold", "F1901M", "England", {"F Eng H"},
               "Without an order the Judge holds: Army Yorkshire, Fleet North Sea."},
        SetRow{"UnorderedRetreatDisbands", "F1901R", "France", {}, "Without an order the Judge disbands: Army Burgundy."}),
    RowName());

TEST_F(KestrelPositions, BuildSitesAreEmptyOwnedHomeCentres)
{
    const Geography& board = ordertest::StandardGeography();
    const OrderChecker russia = Checker("F1901B", "Russia");
    std::vector<std::string> armies, fleets;
    for (const Place& place : russia.BuildSites(UnitType::Army))
        armies.push_back(board.ShortPlace(place));
    for (const Place& place : russia.BuildSites(UnitType::Fleet))
        fleets.push_back(board.ShortPlace(place));
    EXPECT_EQ(armies, (std::vector<std::string>{"StP", "Mos"}));
    EXPECT_EQ(fleets, (std::vector<std::string>{"StP/nc", "StP/sc"}));
    EXPECT_TRUE(Checker("F1902B", "Germany").BuildSites(UnitType::Army).empty());
}

TEST_F(KestrelPositions, OrderMadeByClicksIsCheckedAsItsLine)
{
    const Geography& board = ordertest::StandardGeography();
    const OrderChecker russia = Checker("F1901B", "Russia");
    Order build{OrderKind::Build, UnitType::Fleet, {*board.FindShortName("StP"), Coast::North}, {}, {}, UnitType::Army, {}};
    EXPECT_FALSE(russia.CheckOrder(build).Refused());
    build.at.coast = Coast::None;
    const LineVerdict refused = russia.CheckOrder(build);
    ASSERT_TRUE(refused.Refused());
    EXPECT_EQ(refused.FirstFault()->fault, Fault::FleetCannotBuildThere);
    EXPECT_EQ(refused.FirstFault()->reason, "Name the coast for a fleet in St Petersburg: \"Build F StP/nc\".");
}

} // namespace
