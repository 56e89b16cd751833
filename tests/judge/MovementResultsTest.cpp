#include "SectionParserFixture.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace parsertest;

const std::string kProvince = "Could not recognise province ";
const std::string kDestination = "Could not recognise destination province ";

struct MovementCase {
    const char* name;
    std::vector<std::string> lines;
    UnitsByCountry units;
    std::vector<std::string> dislodged;
    std::vector<Message> messages;
    // The order text when it is not simply every line of the case.
    std::optional<std::vector<std::string>> orders;
};

void PrintTo(const MovementCase& c, std::ostream* os)
{
    *os << c.name;
}

// A spring movement season filled from the case's lines.
class SpringMovement {
protected:
    CReportFile Parse(const std::vector<std::string>& lines, const std::string& lineEnd = "\n")
    {
        CReportFile file = Report(lines, lineEnd);
        game.doc.ParseMovementResults(file, game.doc.Services());
        return file;
    }

    CParserGame game;
    CSeasonHdr& season = game.AddSeason("S1901M");
};

class MovementLine : public ::testing::TestWithParam<MovementCase>, protected SpringMovement {};

TEST_P(MovementLine, PlacesUnitsAndListsOrders)
{
    const MovementCase& c = GetParam();
    Parse(c.lines);
    game.ExpectUnits(season, c.units);
    EXPECT_EQ(season.m_dislodged, c.dislodged);
    EXPECT_EQ(game.services.messages, c.messages);
    EXPECT_EQ(season.m_orders, c.orders.value_or(c.lines));
    EXPECT_EQ(game.services.closeRequests, 0);
}

const MovementCase kMovementCases[] = {
    // Stationary orders: the unit stays; nothing after the keyword is read.
    {"SupportStaysWhereItIs", {"Austria: Army Budapest SUPPORT Army Vienna -> Galicia."},
     {{Austria, {"A BUDAPEST"}}}, {}, {}, {}},
    {"SupportOutcomeNotRead", {"Austria: Army Budapest SUPPORT Army Vienna -> Atlantis.  (*cut*)"},
     {{Austria, {"A BUDAPEST"}}}, {}, {}, {}},
    {"ConvoyingFleetStays", {"England: Fleet North Sea CONVOY Army London -> Norway."},
     {{England, {"F NORTH SEA"}}}, {}, {}, {}},
    {"HoldStays", {"Germany: Army Munich HOLD."}, {{Germany, {"A MUNICH"}}}, {}, {}, {}},
    {"HoldOnCoastGluesCoast", {"Russia: Fleet St Petersburg (south coast) HOLD."},
     {{Russia, {"F ST PETERSBURGSC"}}}, {}, {}, {}},
    {"NoOrderProcessedDropsComma", {"Russia: Fleet Sevastopol, No Order Processed."},
     {{Russia, {"F SEVASTOPOL"}}}, {}, {}, {}},
    {"KeywordsMatchInAnyCase", {"russia: fleet sevastopol hold."}, {{Russia, {"F SEVASTOPOL"}}}, {}, {}, {}},
    {"OtherUnitWordIsArmy", {"Austria: Flotte Trieste HOLD."}, {{Austria, {"A TRIESTE"}}}, {}, {}, {}},
    {"ProxyOnlyListed", {"Germany: Army Munich PROXY to Austria."}, {}, {}, {}, {}},

    // Moves.
    {"MoveReachesDestination", {"Austria: Army Vienna -> Galicia."}, {{Austria, {"A GALICIA"}}}, {}, {}, {}},
    {"MoveToCoastAndHyphenatedSource", {"France: Fleet Mid-Atlantic Ocean -> Spain (south coast)."},
     {{France, {"F SPAINSC"}}}, {}, {}, {}},
    {"ConvoyedArmyLandsAtEnd", {"England: Army London -> North Sea -> Norway."}, {{England, {"A NORWAY"}}}, {},
     {}, {}},
    {"LongRouteLooksUpOnlyFirstAndLast", {"England: Army London -> North Sea -> Atlantis -> Norway."},
     {{England, {"A NORWAY"}}}, {}, {}, {}},
    {"RouteFirstStepMustBeKnown", {"England: Army London -> Atlantis -> Norway."}, {}, {},
     {Info(kDestination + "ATLANTIS,\nprovince data discarded.")}, {}},
    {"RouteEndingInArrowLandsOnLastStep", {"England: Army London -> North Sea -> Norway ->"},
     {{England, {"A NORWAY"}}}, {}, {}, {}},
    {"RouteEndsAtFirstStepWithoutDash", {"England: Army London -> North Sea -> Norway > Atlantis."},
     {{England, {"A NORWAY"}}}, {}, {}, {}},
    {"RouteLastStepLosesBothDashes", {"England: Army London -> North Sea -> Norway -->"},
     {{England, {"A NORWAY"}}}, {}, {}, {}},
    {"RouteLastStepMustBeKnown", {"England: Army London -> North Sea -> Atlantis."}, {}, {},
     {Info(kDestination + "ATLANTIS,\nprovince data discarded.")}, {}},
    {"BounceStaysAtSource", {"Italy: Army Venice -> Trieste.  (*bounce*)"}, {{Italy, {"A VENICE"}}}, {}, {}, {}},
    {"VoidStaysAtSource", {"Italy: Army Venice -> Trieste.  (*void*)"}, {{Italy, {"A VENICE"}}}, {}, {}, {}},
    {"NoConvoyStaysAtSource", {"Italy: Army Venice -> Trieste.  (*no convoy*)"}, {{Italy, {"A VENICE"}}}, {},
     {}, {}},
    {"AnnotationAfterDestinationFails", {"Austria: Army Vienna -> Galicia.  (*unusual*)"}, {}, {},
     {Info(kDestination + "GALICIA   (*UNUSUAL*),\nprovince data discarded.")}, {}},
    {"MoveWithoutArrowHasNoDestination", {"Austria: Army Vienna."}, {}, {},
     {Info(kDestination + ",\nprovince data discarded.")}, {}},

    // Dislodged units get a line, not a unit.
    {"HoldDislodged", {"Germany: Army Munich HOLD.  (*dislodged*)"}, {}, {"GERMANY ARMY MUNICH"}, {}, {}},
    {"SupportDislodged", {"Austria: Fleet Trieste SUPPORT Army Venice.  (*dislodged*)"}, {},
     {"AUSTRIA FLEET TRIESTE"}, {}, {}},
    {"BouncedAndDislodged", {"Germany: Army Munich -> Burgundy.  (*bounce, dislodged*)"}, {},
     {"GERMANY ARMY MUNICH"}, {}, {}},
    {"DislodgedFromUnknownProvince", {"Germany: Army Atlantis HOLD.  (*dislodged*)"}, {}, {},
     {Info(kProvince + "ATLANTIS,\nprovince data discarded.")}, {}},

    // Unknown provinces: one message, the line stays listed, the rest goes on.
    {"UnknownSource",
     {"Austria: Army Atlantis -> Galicia.", "Austria: Army Budapest -> Serbia."},
     {{Austria, {"A SERBIA"}}}, {}, {Info(kProvince + "ATLANTIS,\nprovince data discarded.")}, {}},
    {"EarlierFullStopStaysInKey", {"Russia: Fleet St. Petersburg (south coast) HOLD."}, {}, {},
     {Info(kProvince + "ST. PETERSBURGSC,\nprovince data discarded.")}, {}},
    {"UnorderedWithoutUnitGivesEmptyKey", {"Austria: No Order Processed."}, {}, {},
     {Info(kProvince + ",\nprovince data discarded.")}, {}},

    // Which lines count.
    {"SkipsLinesWithoutCountry",
     {"", "  Austria: Army Vienna HOLD.", "Some words of the Judge.", "Austria: Army Budapest HOLD."},
     {{Austria, {"A BUDAPEST"}}}, {}, {}, std::vector<std::string>{"Austria: Army Budapest HOLD."}},
    {"OrderTextLosesTrailingBlanks", {"Austria: Army Vienna HOLD. \t "}, {{Austria, {"A VIENNA"}}}, {}, {},
     std::vector<std::string>{"Austria: Army Vienna HOLD."}},
};

INSTANTIATE_TEST_SUITE_P(Lines, MovementLine, ::testing::ValuesIn(kMovementCases),
                         RowName());

struct EndCase {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> orders;
    // The line a reader gets after the parser returned; empty at the end.
    std::string nextLine;
};

void PrintTo(const EndCase& c, std::ostream* os)
{
    *os << c.name;
}

class MovementEnd : public ::testing::TestWithParam<EndCase>, protected SpringMovement {};

TEST_P(MovementEnd, StopsAtItsMarkerAndReadsNoFurther)
{
    const EndCase& c = GetParam();
    CReportFile file = Parse(c.lines, "\r\n");
    EXPECT_EQ(season.m_orders, c.orders);
    std::string next;
    file.ReadString(next);
    EXPECT_EQ(next, c.nextLine);
    EXPECT_TRUE(game.services.messages.empty());
}

const EndCase kEndCases[] = {
    {"DeadlineAtLineStart",
     {"Austria: Army Vienna HOLD.", "The deadline for the next orders is Mon Jan 12 2004.",
      "Austria: Army Budapest HOLD."},
     {"Austria: Army Vienna HOLD."}, "Austria: Army Budapest HOLD."},
    {"DeadlineInsideLineDoesNotEnd",
     {"Note: The deadline for orders moved.", "Austria: Army Vienna HOLD."}, {"Austria: Army Vienna HOLD."}, ""},
    {"NextPhaseAnywhere",
     {"Austria: Army Vienna HOLD.", "  The next phase of 'dt' will be Retreats for Spring of 1901.",
      "Austria: Army Budapest HOLD."},
     {"Austria: Army Vienna HOLD."}, "Austria: Army Budapest HOLD."},
    {"NextPhaseNeedsItsBlank", {"The next phase of", "Austria: Army Vienna HOLD."}, {"Austria: Army Vienna HOLD."},
     ""},
    {"EndMarkersAreCaseSensitive",
     {"THE DEADLINE FOR orders", "the next phase of 'dt'", "Austria: Army Vienna HOLD."},
     {"Austria: Army Vienna HOLD."}, ""},
    {"EndOfFileWithoutMarker", {"Austria: Army Vienna HOLD.", "Austria: Army Budapest HOLD."},
     {"Austria: Army Vienna HOLD.", "Austria: Army Budapest HOLD."}, ""},
};

INSTANTIATE_TEST_SUITE_P(Markers, MovementEnd, ::testing::ValuesIn(kEndCases),
                         RowName());

TEST(MovementResults, OwnershipBlockIsHandedOverWithTheRestOfTheFile)
{
    CParserGame game;
    game.doc.m_bSupplyCentres = true;
    game.doc.m_supplyCentres.SetAt("VIENNA", MapPos{1, 2});
    game.doc.m_supplyCentres.SetAt("TRIESTE", MapPos{3, 4});
    CSeasonHdr& season = game.AddSeason("F1901M");
    CReportFile file = Report({"Austria: Army Vienna HOLD.", "Ownership of supply centers:",
                               "Austria: Trieste, Vienna.", "Austria: Army Budapest HOLD."});

    game.doc.ParseMovementResults(file, game.doc.Services());

    game.ExpectUnits(season, {{Austria, {"A VIENNA"}}});
    EXPECT_EQ(season.m_orders, std::vector<std::string>{"Austria: Army Vienna HOLD."});
    EXPECT_EQ(season.m_centres[Austria], (CPositionList{MapPos{3, 4}, MapPos{1, 2}}));
    EXPECT_TRUE(file.AtEnd());
}

TEST(MovementResults, OwnershipHeadingEndsTheSectionOnAMapWithoutCentres)
{
    CParserGame game;
    CSeasonHdr& season = game.AddSeason("F1901M");
    CReportFile file = Report({"Ownership of supply centers: ", "Austria: Army Vienna HOLD."});

    game.doc.ParseMovementResults(file, game.doc.Services());

    EXPECT_TRUE(season.m_orders.empty());
    EXPECT_TRUE(season.m_units[Austria].empty());
    std::string next;
    file.ReadString(next);
    EXPECT_EQ(next, "Austria: Army Vienna HOLD.");
}

TEST(MovementResults, CountryOutsideTheSeasonListsIsNotUsed)
{
    CParserGame game;
    auto small = std::make_unique<CSeasonHdr>(2); // a record that keeps Austria and England only
    small->m_strSeason = "S1901M";
    CSeasonHdr& season = *small;
    game.doc.InsertSeason(std::move(small));
    CReportFile file = Report({"France: Army Paris HOLD.", "England: Fleet London HOLD."});

    game.doc.ParseMovementResults(file, game.doc.Services());

    game.ExpectUnits(season, {{England, {"F LONDON"}}});
    EXPECT_EQ(season.m_orders, std::vector<std::string>{"England: Fleet London HOLD."});
}

TEST(MovementResults, FillsTheSeasonOnShowOnly)
{
    CParserGame game;
    CSeasonHdr& earlier = game.AddSeason("S1901M", {{Austria, {"A VIENNA"}}});
    CSeasonHdr& current = game.AddSeason("F1901M");
    CReportFile file = Report({"Austria: Army Vienna -> Galicia."});

    game.doc.ParseMovementResults(file, game.doc.Services());

    game.ExpectUnits(earlier, {{Austria, {"A VIENNA"}}});
    game.ExpectUnits(current, {{Austria, {"A GALICIA"}}});
    EXPECT_TRUE(earlier.m_orders.empty());
}

} // namespace
