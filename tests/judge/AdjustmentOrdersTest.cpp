#include "SectionParserFixture.h"
#include "support/RowName.h"

#include <gtest/gtest.h>


namespace {

using namespace parsertest;

const std::string kSource = "Could not recognise source province ";

// The position the adjustments start from (the retreat season's units).
const UnitsByCountry kBase = {{Austria, {"A VIENNA", "F TRIESTE", "F ADRIATIC SEA"}},
                              {France, {"F SPAINSC", "A PARIS"}},
                              {Russia, {"A MOSCOW"}}};

UnitsByCountry With(UnitsByCountry units, int country, const UnitTexts& replaced)
{
    units[country] = replaced;
    return units;
}

using AdjustmentCase = FollowingSectionCase;

class AdjustmentLine : public ::testing::TestWithParam<AdjustmentCase> {};

TEST_P(AdjustmentLine, BuildsAndRemovesFromTheBasePosition)
{
    ExpectFollowingSection(GetParam(), "F1901R", kBase, "F1901B", ReadAdjustments);
}

const AdjustmentCase kAdjustmentCases[] = {
    // Builds.
    {"BuildArmy", {"Austria: Builds an army in Budapest."},
     With(kBase, Austria, {"A VIENNA", "F TRIESTE", "F ADRIATIC SEA", "A BUDAPEST"}), {}, {}},
    {"BuildFleetOnCoast", {"Russia: Builds a fleet in St Petersburg (south coast)."},
     With(kBase, Russia, {"A MOSCOW", "F ST PETERSBURGSC"}), {}, {}},
    {"BuildVerbWithoutS", {"Russia: Build a fleet in Sevastopol."}, With(kBase, Russia, {"A MOSCOW", "F SEVASTOPOL"}),
     {}, {}},
    {"BuildOtherUnitWordIsArmy", {"Russia: Builds a flotte in Sevastopol."},
     With(kBase, Russia, {"A MOSCOW", "A SEVASTOPOL"}), {}, {}},
    {"BuildWhereAUnitStandsAddsASecond", {"Austria: Builds an army in Vienna."},
     With(kBase, Austria, {"A VIENNA", "F TRIESTE", "F ADRIATIC SEA", "A VIENNA"}), {}, {}},
    {"LowerCaseLine", {"russia: builds an army in sevastopol."}, With(kBase, Russia, {"A MOSCOW", "A SEVASTOPOL"}),
     {}, {}},

    // Removals go by province alone.
    {"RemoveArmy", {"Austria: Removes the army in Vienna."},
     With(kBase, Austria, {"F TRIESTE", "F ADRIATIC SEA"}), {}, {}},
    {"RemoveDropsTheBeforeProvince", {"Austria: Removes the fleet in the Adriatic Sea."},
     With(kBase, Austria, {"A VIENNA", "F TRIESTE"}), {}, {}},
    {"RemoveFindsFleetOnCoast", {"France: Removes the fleet in Spain."}, With(kBase, France, {"A PARIS"}), {}, {}},
    {"RemoveNamingTheCoast", {"France: Removes the fleet in Spain (south coast)."}, With(kBase, France, {"A PARIS"}),
     {}, {}},
    {"RemoveIgnoresUnitWord", {"Austria: Remove the army in Trieste."},
     With(kBase, Austria, {"A VIENNA", "F ADRIATIC SEA"}), {}, {}},
    {"DefaultedRemoval", {"Austria: Defaults, removing the army in Vienna."},
     With(kBase, Austria, {"F TRIESTE", "F ADRIATIC SEA"}), {}, {}},

    // Lines that change nothing.
    {"WaivedBuild", {"Austria: Build waived in Budapest."}, kBase, {}, {}},
    {"PendingBuild", {"Russia: Builds a fleet in Sevastopol, pending."}, kBase, {}, {}},
    {"UnusableBuild", {"France: 1 unusable build in Brest."}, kBase, {}, {}},
    {"OtherVerb", {"Austria: Retains the army in Vienna."}, kBase, {}, {}},
    {"SkipsLinesWithoutCountry", {"", "Adjustment orders for Winter of 1901.", " Austria: Builds an army in Budapest."},
     kBase, {}, std::vector<std::string>{}},

    // The province must be in the table, for builds and removals alike.
    {"UnknownBuildProvince", {"Austria: Builds an army in Atlantis."}, kBase,
     {Info(kSource + "ATLANTIS,\nprovince data discarded.")}, {}},
    {"TwoBlanksKeepTheThe", {"Austria: Removes the fleet in  the Adriatic Sea."}, kBase,
     {Info(kSource + " THE ADRIATIC SEA,\nprovince data discarded.")}, {}},
    {"CountryNameWithBlankShiftsWords", {"New Zealand: Builds an army in Vienna."}, kBase,
     {Info(kSource + "IN VIENNA,\nprovince data discarded.")}, {}},
};

INSTANTIATE_TEST_SUITE_P(Lines, AdjustmentLine, ::testing::ValuesIn(kAdjustmentCases),
                         RowName());

TEST(AdjustmentOrders, RetreatSeasonIsTheBaseEvenWhenMovementExists)
{
    CParserGame game;
    game.AddSeason("F1901M", {{Austria, {"A VIENNA"}}});
    game.AddSeason("F1901R", {{Austria, {"A BOHEMIA"}}});
    CSeasonHdr& season = game.AddSeason("F1901B");
    CReportFile file = Report({"Austria: Builds an army in Vienna."});

    game.doc.ParseAdjustmentOrders(file, game.doc.Services());

    game.ExpectUnits(season, {{Austria, {"A BOHEMIA", "A VIENNA"}}});
}

TEST(AdjustmentOrders, MovementSeasonIsTheBaseWithoutRetreat)
{
    CParserGame game;
    game.AddSeason("S1901M", {{Austria, {"A BUDAPEST"}}});
    CSeasonHdr& movement = game.AddSeason("F1901M", {{Austria, {"A VIENNA", "A GALICIA"}}});
    CSeasonHdr& season = game.AddSeason("F1901B");
    CReportFile file = Report({"Austria: Removes the army in Galicia."});

    game.doc.ParseAdjustmentOrders(file, game.doc.Services());

    game.ExpectUnits(season, {{Austria, {"A VIENNA"}}});
    game.ExpectUnits(movement, {{Austria, {"A VIENNA", "A GALICIA"}}});
}

TEST(AdjustmentOrders, MissingBaseSeasonIsFatal)
{
    ExpectFatalAfterWrongSeason("S1901M", {{Austria, {"A VIENNA"}}}, "F1901B", {"Austria: Builds an army in Budapest."},
                                ReadAdjustments);
}

TEST(AdjustmentOrders, RemovingAUnitTheGameNeverHadIsFatal)
{
    CParserGame game;
    game.AddSeason("F1901M", kBase);
    CSeasonHdr& season = game.AddSeason("F1901B");
    CReportFile file = Report({"Austria: Removes the army in Budapest.", "Austria: Builds an army in Galicia."});

    game.doc.ParseAdjustmentOrders(file, game.doc.Services());

    EXPECT_EQ(game.services.messages, (std::vector<Message>{Fatal("Could not find position")}));
    EXPECT_EQ(game.services.closeRequests, 1);
    game.ExpectUnits(season, kBase);
    EXPECT_EQ(season.m_orders, std::vector<std::string>{"Austria: Removes the army in Budapest."});
}

TEST(AdjustmentOrders, DeadlineEndsTheSection)
{
    CParserGame game;
    game.AddSeason("F1901M");
    CSeasonHdr& season = game.AddSeason("F1901B");
    CReportFile file = Report({"Austria: Builds an army in Vienna.", "Ownership of supply centers:",
                               "The deadline for the next orders is soon.", "Austria: Builds an army in Budapest."},
                              "\r\n");

    game.doc.ParseAdjustmentOrders(file, game.doc.Services());

    game.ExpectUnits(season, {{Austria, {"A VIENNA"}}});
    EXPECT_EQ(season.m_orders, std::vector<std::string>{"Austria: Builds an army in Vienna."});
    std::string next;
    file.ReadString(next);
    EXPECT_EQ(next, "Austria: Builds an army in Budapest.");
}

} // namespace
