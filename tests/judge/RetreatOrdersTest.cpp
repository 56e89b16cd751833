#include "SectionParserFixture.h"
#include "support/RowName.h"

#include <gtest/gtest.h>


namespace {

using namespace parsertest;

const std::string kSource = "Could not recognise source province ";
const std::string kDestination = "Could not recognise destination province ";

// What the movement phase left: Austria's army in Vienna was dislodged.
const UnitsByCountry kAfterMovement = {{Austria, {"A BUDAPEST", "F TRIESTE"}}, {Germany, {"A MUNICH"}}};

using RetreatCase = FollowingSectionCase;

class RetreatLine : public ::testing::TestWithParam<RetreatCase> {};

TEST_P(RetreatLine, AddsRetreatsAfterTheMovementUnits)
{
    ExpectFollowingSection(GetParam(), "F1901M", kAfterMovement, "F1901R", ReadRetreats);
}

const RetreatCase kRetreatCases[] = {
    {"RetreatAppendedAfterCopies", {"Austria: Army Vienna -> Bohemia."},
     {{Austria, {"A BUDAPEST", "F TRIESTE", "A BOHEMIA"}}, {Germany, {"A MUNICH"}}}, {}, {}},
    {"FleetRetreatsToCoast", {"France: Fleet Mid-Atlantic Ocean -> Spain (north coast)."},
     {{Austria, {"A BUDAPEST", "F TRIESTE"}}, {France, {"F SPAINNC"}}, {Germany, {"A MUNICH"}}}, {}, {}},
    {"OtherUnitWordIsArmy", {"germany: armee kiel -> berlin."},
     {{Austria, {"A BUDAPEST", "F TRIESTE"}}, {Germany, {"A MUNICH", "A BERLIN"}}}, {}, {}},
    {"DisbandRecordsNothing", {"Austria: Army Vienna DISBAND."}, kAfterMovement, {}, {}},
    {"DisbandWithoutFullStopLosesALetter", {"Austria: Army Vienna DISBAND"}, kAfterMovement,
     {Info(kSource + "VIENNA DISBAN,\nprovince data discarded.")}, {}},
    {"BounceDestroyedIsListedOnly", {"Austria: Army Vienna -> Bohemia.  (*bounce, destroyed*)"}, kAfterMovement,
     {}, {}},
    {"BounceDestroyedOnItsOwnLine", {"        (*bounce, destroyed*)"},
     kAfterMovement, {}, {}},
    {"BounceDestroyedIsCaseSensitive", {"   (*BOUNCE, DESTROYED*)"}, kAfterMovement, {},
     std::vector<std::string>{}},
    {"UnknownSource", {"Austria: Army Atlantis -> Bohemia."}, kAfterMovement,
     {Info(kSource + "ATLANTIS,\nprovince data discarded.")}, {}},
    {"UnknownDestination", {"Austria: Army Vienna -> Atlantis.", "Germany: Army Kiel -> Berlin."},
     {{Austria, {"A BUDAPEST", "F TRIESTE"}}, {Germany, {"A MUNICH", "A BERLIN"}}},
     {Info(kDestination + "ATLANTIS,\nprovince data discarded.")}, {}},
    {"LineWithoutArrowHasNoSource", {"Austria: Army Vienna HOLD."}, kAfterMovement,
     {Info(kSource + "VIENNA HOLD,\nprovince data discarded.")}, {}},
    {"SkipsLinesWithoutCountry", {"", "Retreat orders for Fall of 1901.", "  Austria: Army Vienna -> Bohemia."},
     kAfterMovement, {}, std::vector<std::string>{}},
};

INSTANTIATE_TEST_SUITE_P(Lines, RetreatLine, ::testing::ValuesIn(kRetreatCases),
                         RowName());

TEST(RetreatOrders, MovementSeasonIsCopiedAndLeftUnchanged)
{
    CParserGame game;
    UnitsByCountry movement;
    for (int i = 0; i < 22; ++i)
        movement[i % 7].push_back(i % 2 ? "F NORTH SEA" : "A VIENNA");
    CSeasonHdr& base = game.AddSeason("F1901M", movement);
    game.AddSeason("S1901M", {{Turkey, {"A ANKARA"}}});
    CSeasonHdr& season = game.AddSeason("F1901R");
    CReportFile file = Report({"Turkey: Army Ankara -> Rome."});

    game.doc.ParseRetreatOrders(file, game.doc.Services());

    size_t total = 0;
    for (int i = 0; i < kMaxCountries; ++i)
        total += season.m_units[size_t(i)].size();
    EXPECT_EQ(total, 23u);
    movement[Turkey].push_back("A ROME");
    game.ExpectUnits(season, movement);
    movement[Turkey].pop_back();
    game.ExpectUnits(base, movement);
}

TEST(RetreatOrders, ABaseThatIsTheSeasonItselfIsCopiedOnce)
{
    // A retreat section in a report that names a movement phase: the season
    // is its own base, and copying must not run on over its own new entries.
    CParserGame game;
    CSeasonHdr& season = game.AddSeason("F1901M", {{Austria, {"A VIENNA", "F TRIESTE"}}});
    CReportFile file = Report({"Austria: Army Budapest -> Galicia."});

    game.doc.ParseRetreatOrders(file, game.doc.Services());

    game.ExpectUnits(season, {{Austria, {"A VIENNA", "F TRIESTE", "A VIENNA", "F TRIESTE", "A GALICIA"}}});
}

TEST(RetreatOrders, MissingMovementSeasonIsFatal)
{
    ExpectFatalAfterWrongSeason("S1901M", kAfterMovement, "F1901R", {"Austria: Army Vienna -> Bohemia."}, ReadRetreats);
}

TEST(RetreatOrders, DeadlineEndsTheSection)
{
    CParserGame game;
    game.AddSeason("F1901M");
    CSeasonHdr& season = game.AddSeason("F1901R");
    CReportFile file = Report({"Austria: Army Vienna -> Bohemia.", "The deadline for the next orders is soon.",
                               "Germany: Army Kiel -> Berlin."},
                              "\r\n");

    game.doc.ParseRetreatOrders(file, game.doc.Services());

    game.ExpectUnits(season, {{Austria, {"A BOHEMIA"}}});
    std::string next;
    file.ReadString(next);
    EXPECT_EQ(next, "Germany: Army Kiel -> Berlin.");
}

TEST(RetreatOrders, OwnershipAnywhereHandsOverTheRestOfTheFile)
{
    CParserGame game;
    game.doc.m_bSupplyCentres = true;
    game.doc.m_supplyCentres.SetAt("BOHEMIA", MapPos{5, 6});
    game.AddSeason("F1901M");
    CSeasonHdr& season = game.AddSeason("F1901R");
    CReportFile file = Report({"Austria: Army Vienna -> Bohemia.", "   Ownership of supply centers:",
                               "Austria: Bohemia.", "Germany: Army Kiel -> Berlin."});

    game.doc.ParseRetreatOrders(file, game.doc.Services());

    game.ExpectUnits(season, {{Austria, {"A BOHEMIA"}}});
    EXPECT_EQ(season.m_orders, std::vector<std::string>{"Austria: Army Vienna -> Bohemia."});
    EXPECT_EQ(season.m_centres[Austria], (CPositionList{MapPos{5, 6}}));
    EXPECT_TRUE(file.AtEnd());
}

} // namespace
