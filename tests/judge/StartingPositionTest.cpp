#include "SectionParserFixture.h"
#include "support/ImportTestBoard.h"
#include "support/RowName.h"
#include "support/StandardBoardGame.h"

#include <gtest/gtest.h>

namespace {

using namespace parsertest;
using Strings = std::vector<std::string>;

struct StartCase {
    const char* name;
    std::string lines;
    Strings orders;
    Strings units;
    std::vector<Message> messages;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class StartingPositionTest : public ::testing::TestWithParam<StartCase>, protected CStandardBoardGame {};

TEST_P(StartingPositionTest, ReadsUnitLines)
{
    const StartCase& c = GetParam();
    CSeasonHdr& season = importchecks::AddSeason(doc, "S1900M");
    CReportFile file(c.lines);
    doc.ParseStartingPosition(file, doc.Services());
    EXPECT_EQ(season.m_orders, c.orders);
    EXPECT_EQ(importchecks::Units(doc, season), c.units);
    EXPECT_EQ(services.messages, c.messages);
    EXPECT_TRUE(season.m_dislodged.empty());
}

const StartCase kStartCases[] = {
    {"ArmyVienna", "Austria: Army Vienna.\n", {"Austria: Army Vienna."}, {"AUSTRIA ARMY VIENNA"}, {}},
    {"FleetOnSouthCoast", "Russia:  Fleet St Petersburg (south coast).\n",
     {"Russia:  Fleet St Petersburg (south coast)."}, {"RUSSIA FLEET ST PETERSBURGSC"}, {}},
    {"JudgeSpacing", "France:  Army  Paris.\nItaly:\tFleet\tNaples.\n", {"France:  Army  Paris.", "Italy:\tFleet\tNaples."},
     {"FRANCE ARMY PARIS", "ITALY FLEET NAPLES"}, {}},
    {"LowerCaseWordsAreUpperCased", "england: fleet london.\n", {"england: fleet london."},
     {"ENGLAND FLEET LONDON"}, {}},
    {"OtherUnitWordIsArmy", "England: Flt London.\nEngland: F London.\n", {"England: Flt London.", "England: F London."},
     {"ENGLAND ARMY LONDON", "ENGLAND ARMY LONDON"}, {}},
    {"LeadingBlanksSkipLine", "  Austria: Army Vienna.\n", {}, {}, {}},
    {"OtherLinesSkipped",
     "\nThe following players are in this game:\n     Austria:   player3@localhost\nAustria: Army Vienna.\n",
     {"Austria: Army Vienna."}, {"AUSTRIA ARMY VIENNA"}, {}},
    {"TextAfterFullStop", "Austria: Army Vienna. extra\n", {"Austria: Army Vienna. extra"}, {},
     {UnknownProvince("VIENNA  EXTRA")}},
    {"UnknownProvinceKeepsOrder", "Austria: Army Atlantis.\nAustria: Army Vienna.\n",
     {"Austria: Army Atlantis.", "Austria: Army Vienna."}, {"AUSTRIA ARMY VIENNA"}, {UnknownProvince("ATLANTIS")}},
    {"CountryWithoutUnit", "Austria:\n", {"Austria:"}, {}, {UnknownProvince("")}},
    {"EndsAtDeadlineLine",
     "Austria: Army Vienna.\nThe deadline for the first orders is Tue Jan 06 2004.\nAustria: Army Budapest.\n",
     {"Austria: Army Vienna."}, {"AUSTRIA ARMY VIENNA"}, {}},
    {"DeadlineWordsInsideLineDoNotEnd", "Austria: Army Vienna.\nNote: The deadline for orders.\nAustria: Army Budapest.\n",
     {"Austria: Army Vienna.", "Austria: Army Budapest."}, {"AUSTRIA ARMY VIENNA", "AUSTRIA ARMY BUDAPEST"}, {}},
    {"SameUnitTwice", "Turkey: Fleet Ankara.\nTurkey: Fleet Ankara.\n", {"Turkey: Fleet Ankara.", "Turkey: Fleet Ankara."},
     {"TURKEY FLEET ANKARA", "TURKEY FLEET ANKARA"}, {}},
    {"AdjectiveCountsForCountry", "Austrian: Army Vienna.\n", {"Austrian: Army Vienna."}, {"AUSTRIA ARMY VIENNA"}, {}},
    {"TrailingWhiteSpaceLeavesOrder", "Austria: Army Vienna. \t \r\n", {"Austria: Army Vienna."},
     {"AUSTRIA ARMY VIENNA"}, {}},
    {"NoFullStop", "Austria: Army Vienna\n", {"Austria: Army Vienna"}, {"AUSTRIA ARMY VIENNA"}, {}},
    {"InnerFullStopStaysInKey", "Austria: Army St. Petersburg.\n", {"Austria: Army St. Petersburg."}, {},
     {UnknownProvince("ST. PETERSBURG")}},
    {"HighByteKeptInOrderBlankInKey", "Austria: Army Vienna\xFF.\n", {"Austria: Army Vienna\xFF."},
     {"AUSTRIA ARMY VIENNA"}, {}},
    {"UnitsGoToTheirCountries",
     "Turkey:  Army  Smyrna.\n\nAustria: Fleet Trieste.\nTurkey:  Fleet Ankara.\n",
     {"Turkey:  Army  Smyrna.", "Austria: Fleet Trieste.", "Turkey:  Fleet Ankara."},
     {"AUSTRIA FLEET TRIESTE", "TURKEY ARMY SMYRNA", "TURKEY FLEET ANKARA"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Lines, StartingPositionTest, ::testing::ValuesIn(kStartCases),
                         RowName());

TEST(StartingPositionGuards, NoSeasonOnShowReadsNothing)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    importboard::FillStandardBoard(doc);
    CReportFile file("Austria: Army Vienna.\n");
    doc.ParseStartingPosition(file, doc.Services());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(doc.m_seasons.empty());
}

TEST(StartingPositionGuards, CountryBeyondSeasonListsIsSkipped)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    importboard::FillStandardBoard(doc);
    auto season = std::make_unique<CSeasonHdr>(3); // keeps AUSTRIA, ENGLAND, FRANCE only
    season->m_strSeason = "S1900M";
    CSeasonHdr& filed = *season;
    doc.InsertSeason(std::move(season));
    CReportFile file("Turkey: Army Smyrna.\nFrance: Army Paris.\n");
    doc.ParseStartingPosition(file, doc.Services());
    EXPECT_EQ(filed.m_orders, Strings{"France: Army Paris."});
    EXPECT_EQ(importchecks::Units(doc, filed), Strings{"FRANCE ARMY PARIS"});
    for (size_t i = 3; i < size_t(kMaxCountries); ++i)
        EXPECT_TRUE(filed.m_units[i].empty()) << i;
}

TEST(StartingPositionGuards, CountryWithoutNameTakesNoLine)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    importboard::FillStandardBoard(doc);
    doc.m_countries.insert(doc.m_countries.begin(), CCountry("", 1, 1, 1));
    doc.m_nCountries = int32_t(doc.m_countries.size());
    CSeasonHdr& season = importchecks::AddSeason(doc, "S1900M");
    CReportFile file("  indented text\nAustria: Army Vienna.\n");
    doc.ParseStartingPosition(file, doc.Services());
    EXPECT_EQ(season.m_orders, Strings{"Austria: Army Vienna."});
    EXPECT_TRUE(season.m_units[0].empty());
    EXPECT_EQ(importchecks::Units(doc, season), Strings{"AUSTRIA ARMY VIENNA"});
}

} // namespace
