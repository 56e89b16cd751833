#include "SectionParserFixture.h"
#include "support/ImportTestBoard.h"
#include "support/RowName.h"
#include "support/StandardBoardGame.h"

#include <gtest/gtest.h>

namespace {

using namespace parsertest;
using Strings = std::vector<std::string>;

struct OwnershipCase {
    const char* name;
    std::string lines;
    Strings centres;
    std::vector<Message> messages;
    std::string extraCentreKey; // a further key of the supply-centre table
};

void PrintTo(const OwnershipCase& c, std::ostream* os) { *os << c.name; }

class OwnershipTest : public ::testing::TestWithParam<OwnershipCase>, protected CStandardBoardGame {};

TEST_P(OwnershipTest, ReadsCentreLists)
{
    const OwnershipCase& c = GetParam();
    if (!c.extraCentreKey.empty())
        doc.m_supplyCentres.SetAt(c.extraCentreKey, MapPos{-5, -5});
    CSeasonHdr& season = importchecks::AddSeason(doc, "F1901M");
    CReportFile file(c.lines);
    doc.ParseOwnership(file, doc.Services());
    EXPECT_EQ(importchecks::Centres(doc, season), c.centres);
    EXPECT_EQ(services.messages, c.messages);
    EXPECT_TRUE(season.m_orders.empty());
    for (int i = 0; i < season.m_nCountries; ++i)
        EXPECT_TRUE(season.m_units[size_t(i)].empty());
}

const OwnershipCase kOwnershipCases[] = {
    {"ThreeCentresInOrder", "Austria: Budapest, Trieste, Vienna.\n",
     {"AUSTRIA BUDAPEST", "AUSTRIA TRIESTE", "AUSTRIA VIENNA"}, {}, ""},
    {"JudgeSpacingAndLineFromJoiner", " \nRussia:   Moscow, Rumania, Sevastopol, St Petersburg, Sweden, Warsaw.\n",
     {"RUSSIA MOSCOW", "RUSSIA RUMANIA", "RUSSIA SEVASTOPOL", "RUSSIA ST PETERSBURG", "RUSSIA SWEDEN",
      "RUSSIA WARSAW"},
     {}, ""},
    {"CentreTwice", "Italy: Rome, Rome.\n", {"ITALY ROME", "ITALY ROME"}, {}, ""},
    {"LowerCaseLine", "austria: budapest.\n", {"AUSTRIA BUDAPEST"}, {}, ""},
    {"AbbreviationKeepsFullStop", "Russia: St. Petersburg, Moscow.\n", {"RUSSIA MOSCOW"}, {UnknownProvince("ST. PETERSBURG")},
     ""},
    {"AbbreviationKnownToTable", "Russia: St. Petersburg, Moscow.\n", {"RUSSIA ST. PETERSBURG", "RUSSIA MOSCOW"}, {},
     "ST. PETERSBURG"},
    {"LastCentreLosesOnlyFinalFullStop", "Russia: Moscow, St. Petersburg.\n", {"RUSSIA MOSCOW", "RUSSIA ST. PETERSBURG"},
     {}, "ST. PETERSBURG"},
    {"EmptyItemsSkippedSilently", "Austria: Budapest,, Vienna,\n", {"AUSTRIA BUDAPEST", "AUSTRIA VIENNA"}, {}, ""},
    {"BlankItemGivesEmptyKey", "Austria: Budapest, .\n", {"AUSTRIA BUDAPEST"}, {UnknownProvince("")}, ""},
    {"UnknownCentreOthersKept", "Austria: Budapest, Atlantis, Vienna.\n", {"AUSTRIA BUDAPEST", "AUSTRIA VIENNA"},
     {UnknownProvince("ATLANTIS")}, ""},
    {"ProvinceThatIsNoCentre", "Austria: Galicia, Vienna.\n", {"AUSTRIA VIENNA"}, {UnknownProvince("GALICIA")}, ""},
    {"UnownedAndOtherLinesSkipped", "Unowned: Serbia, Tunis.\n\n  Austria: Vienna.\nAustria: Trieste.\n",
     {"AUSTRIA TRIESTE"}, {}, ""},
    {"EndsAtSupplyCenterLine",
     "Austria: Vienna.\n\nAustria:   3 Supply centers,  3 Units:  Builds   0 units.\nEngland: London.\n",
     {"AUSTRIA VIENNA"}, {}, ""},
    {"SupplyCenterAnywhereEnds", "Austria: Vienna.\nNote: Supply center count follows\nEngland: London.\n",
     {"AUSTRIA VIENNA"}, {}, ""},
    {"SupplyCenterMatchIsCaseSensitive", "Austria: Vienna.\nsupply center\nEngland: London.\n",
     {"AUSTRIA VIENNA", "ENGLAND LONDON"}, {}, ""},
};

INSTANTIATE_TEST_SUITE_P(Lines, OwnershipTest, ::testing::ValuesIn(kOwnershipCases),
                         RowName());

TEST(OwnershipGuards, MapWithoutCentresReadsNothing)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    importboard::FillStandardBoard(doc);
    doc.m_bSupplyCentres = false;
    CSeasonHdr& season = importchecks::AddSeason(doc, "F1901M");
    CReportFile file("Austria: Atlantis.\nAustria: Vienna.\n");
    doc.ParseOwnership(file, doc.Services());
    EXPECT_EQ(file.GetPosition(), 0u);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(importchecks::Centres(doc, season).empty());
}

TEST(OwnershipGuards, ListsAlreadyHeldAreKept)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    importboard::FillStandardBoard(doc);
    CSeasonHdr& season = importchecks::AddSeason(doc, "F1901M");
    season.m_centres[0].push_back(*doc.m_supplyCentres.Lookup("TRIESTE"));
    CReportFile file("Austria: Vienna.\n");
    doc.ParseOwnership(file, doc.Services());
    EXPECT_EQ(importchecks::Centres(doc, season), (Strings{"AUSTRIA TRIESTE", "AUSTRIA VIENNA"}));
}

TEST(OwnershipGuards, CountryBeyondSeasonListsIsSkipped)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    importboard::FillStandardBoard(doc);
    auto season = std::make_unique<CSeasonHdr>(1); // keeps AUSTRIA only
    season->m_strSeason = "F1901M";
    CSeasonHdr& filed = *season;
    doc.InsertSeason(std::move(season));
    CReportFile file("Turkey: Ankara.\nAustria: Vienna.\n");
    doc.ParseOwnership(file, doc.Services());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(filed.m_centres[0].size(), 1u);
    for (size_t i = 1; i < size_t(kMaxCountries); ++i)
        EXPECT_TRUE(filed.m_centres[i].empty()) << i;
}

} // namespace
