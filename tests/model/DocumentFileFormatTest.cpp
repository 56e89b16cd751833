#include "model/Archive.h"
#include "ArchiveBytes.h"
#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/SavedGameBuilder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <tuple>

namespace {

using namespace archivebytes;

// The two-country game of the example: A red, B blue, map Board.
void FillExample(CKestraneDoc& doc)
{
    doc.m_countries.emplace_back("A", 255, 0, 0);
    doc.m_countries.emplace_back("B", 0, 0, 255);
    doc.m_nCountries = 2;
    doc.m_strMapName = "Board";
    doc.m_strImagePath = "Maps\\BOARD.BMP";
}

const std::string kExampleFile =
    Bytes({0xFF, 0xFF, 0x04, 0x00, 0x0C, 0x00}) + "CKestraneDoc" + Bytes({0x00, 0x00}) + Bytes({0x02, 0x00}) +
    Bytes({0xFF, 0xFF, 0x01, 0x00, 0x08, 0x00}) + "CCountry" + Bytes({0x01, 0x41}) +
    Bytes({0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}) + Bytes({0x02, 0x80}) +
    Bytes({0x01, 0x42}) + Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}) +
    Bytes({0x00, 0x00}) + Bytes({0x00, 0x00, 0x00, 0x00, 0x00}) + Bytes({0x05}) + "Board" + Bytes({0x0E}) +
    "Maps\\BOARD.BMP" + Bytes({0x02, 0x00}) + Bytes({0x05, 0x00, 0x00, 0x00}) + Bytes({0x00, 0x00}) +
    Bytes({0x00, 0x00, 0x00, 0x00});

TEST(DocumentFileBytes, NewGameOfTwoCountriesIsTheExampleFile)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    FillExample(doc);
    EXPECT_EQ(doc.WriteDocument(), kExampleFile);
}

TEST(DocumentFileBytes, ExampleFileReadsBackAsTheGame)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    ASSERT_TRUE(doc.ReadDocument(kExampleFile));
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(doc.HasCurrentSeason());
    ASSERT_EQ(doc.m_countries.size(), 2u);
    EXPECT_EQ(doc.m_countries[1].m_strName, "B");
    EXPECT_EQ(doc.m_countries[1].Colour(), 0xFF0000u);
    EXPECT_EQ(doc.m_nCountries, 2);
    EXPECT_EQ(doc.m_nSCRadius, 5);
    EXPECT_EQ(doc.m_strImagePath, "Maps\\BOARD.BMP");
    EXPECT_EQ(doc.WriteDocument(), kExampleFile);
}

// Two seasons; the first has no unit, so the unit class record comes with the
// second season's unit. Indexes: document class 1, season class 2, season 3,
// season 4, unit class 5, unit 6, unit 7, country class 8, countries 9 and 10.
CKestraneDoc& FillTwoSeasons(CKestraneDoc& doc)
{
    FillExample(doc);
    doc.m_strGame = "g";
    doc.m_strMyCountry = "B";
    doc.m_strJudge = "J";
    doc.m_strVariant = "Std ";
    doc.m_strPassword = "pw";
    doc.m_nSCRadius = 4;
    doc.m_bSupplyCentres = true;
    doc.m_provinces.SetAt("PAR", MapPos{30, 20});
    doc.m_supplyCentres.SetAt("PAR", MapPos{32, 22});
    auto first = std::make_unique<CSeasonHdr>(2);
    first->m_strSeason = "S1901M";
    first->m_strDeadline = "Mon ";
    first->m_orders = {"A: x.", "B: y."};
    first->m_centres[1].push_back(MapPos{32, 22});
    auto second = std::make_unique<CSeasonHdr>(2);
    second->m_strSeason = "F1901M";
    second->m_dislodged = {"gone"};
    second->m_units[0].emplace_back(CSeasonData::kFleet, MapPos{30, 20}, "PAR");
    second->m_units[1].emplace_back(CSeasonData::kArmy, MapPos{-1, 2}, "PAR");
    doc.m_seasons.push_back(std::move(first));
    doc.m_seasons.push_back(std::move(second));
    return doc;
}

const std::string kTwoSeasonsFile =
    Bytes({0xFF, 0xFF, 0x04, 0x00, 0x0C, 0x00}) + "CKestraneDoc" + Le16(2) +
    // season S1901M
    Bytes({0xFF, 0xFF, 0x02, 0x00, 0x0A, 0x00}) + "CSeasonHdr" + Le16(2) + Str("A: x.") + Str("B: y.") + Le16(0) +
    Str("Mon ") + Str("S1901M") + Le32(2) + Le16(0) + Le16(0) + Le16(0) + Le16(1) + Le32(32) + Le32(22) +
    // season F1901M
    Bytes({0x02, 0x80}) + Le16(0) + Le16(1) + Str("gone") + Str("") + Str("F1901M") + Le32(2) + Le16(1) +
    Bytes({0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00}) + "CSeasonData" + Le32(1) + Le32(30) + Le32(20) + Str("PAR") +
    Le16(0) + Le16(1) + Bytes({0x05, 0x80}) + Le32(0) + Le32(0xFFFFFFFF) + Le32(2) + Str("PAR") + Le16(0) +
    // countries
    Le16(2) + Bytes({0xFF, 0xFF, 0x01, 0x00, 0x08, 0x00}) + "CCountry" + Str("A") + Le32(255) + Le32(0) + Le32(0) +
    Bytes({0x08, 0x80}) + Str("B") + Le32(0) + Le32(0) + Le32(255) +
    // tables and fields
    Le16(1) + Str("PAR") + Le32(30) + Le32(20) + Str("g") + Str("B") + Str("J") + Str("Std ") + Str("pw") +
    Str("Board") + Str("Maps\\BOARD.BMP") + Le16(2) + Le32(4) + Le16(1) + Str("PAR") + Le32(32) + Le32(22) + Le32(1);

TEST(DocumentFileBytes, SeasonsUnitsAndTablesFollowTheFieldOrder)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    EXPECT_EQ(FillTwoSeasons(doc).WriteDocument(), kTwoSeasonsFile);
}

TEST(DocumentFileBytes, FirstUnitRecordInALaterSeasonReadsBack)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    ASSERT_TRUE(doc.ReadDocument(kTwoSeasonsFile));
    ASSERT_EQ(doc.m_seasons.size(), 2u);
    EXPECT_EQ(doc.GetCurrentSeason(), doc.m_seasons.front().get());
    const CSeasonHdr& first = *doc.m_seasons.front();
    const CSeasonHdr& second = *doc.m_seasons.back();
    EXPECT_EQ(first.m_orders, (std::vector<std::string>{"A: x.", "B: y."}));
    EXPECT_TRUE(first.m_units[0].empty() && first.m_units[1].empty());
    EXPECT_EQ(first.m_centres[1], (CPositionList{MapPos{32, 22}}));
    EXPECT_EQ(second.m_units[1], (CUnitList{CSeasonData(CSeasonData::kArmy, MapPos{-1, 2}, "PAR")}));
    EXPECT_TRUE(doc.m_bSupplyCentres);
    EXPECT_EQ(doc.WriteDocument(), kTwoSeasonsFile);
}

TEST(DocumentFileBytes, BlackCountryLoadsAsDarkRed)
{
    std::string file = kExampleFile;
    // Country B's blue component, the last of its three DWORDs.
    const size_t blue = file.find(Bytes({0x01, 0x42})) + 2 + 8;
    file[blue] = 0;
    CRecordingServices services;
    CKestraneDoc doc(services);
    ASSERT_TRUE(doc.ReadDocument(file));
    EXPECT_EQ(doc.m_countries[1].m_nRed, 10);
    EXPECT_EQ(doc.m_countries[1].m_nGreen, 0);
    EXPECT_EQ(doc.m_countries[1].m_nBlue, 0);
}

// --- Earlier layouts --------------------------------------------------------

// A document of the given schema with one season (of season schema
// seasonSchema), written field by field as that layout has it. Indexes:
// document class 1, season class 2, season 3, unit class 4, unit 5,
// country class 6, countries 7 and 8.
std::string OldLayout(uint16_t schema, uint16_t seasonSchema = 2)
{
    std::string out = Bytes({0xFF, 0xFF}) + Le16(schema) + Le16(12) + "CKestraneDoc";
    out += Le16(1) + Bytes({0xFF, 0xFF}) + Le16(seasonSchema) + Le16(10) + "CSeasonHdr";
    out += Le16(1) + Str("A: F NTH -> NWG.") + Le16(0) + Str("Tue ") + Str("S1901M") + Le32(2);
    // Country 0: one fleet and, from schema 2, one owned centre.
    out += Le16(1) + Bytes({0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00}) + "CSeasonData" + Le32(1) + Le32(5) + Le32(6) +
           Str("NTH");
    if (seasonSchema > 1)
        out += Le16(1) + Le32(7) + Le32(8);
    // Country 1: nothing.
    out += Le16(0);
    if (seasonSchema > 1)
        out += Le16(0);
    out += Le16(2) + Bytes({0xFF, 0xFF, 0x01, 0x00, 0x08, 0x00}) + "CCountry" + Str("A") + Le32(1) + Le32(2) +
           Le32(3) + Bytes({0x06, 0x80}) + Str("B") + Le32(4) + Le32(5) + Le32(6);
    out += Le16(1) + Str("NTH") + Le32(5) + Le32(6);
    if (schema < 1 || schema > 4)
        return out;
    for (const char* text : {"game", "A", "judge", "var ", "pw", "Board", "Maps\\BOARD.BMP"})
        out += Str(text);
    out += Le16(2);
    if (schema >= 3)
        out += Le32(7);
    if (schema >= 2)
        out += Le16(1) + Str("NTH") + Le32(9) + Le32(9);
    if (schema >= 4)
        out += Le32(1);
    return out;
}

struct SchemaCase {
    const char* name;
    uint16_t schema;
    int radius;
    size_t centres;
    bool supplyCentres;
};

TEST(DocumentFileSchemas, OlderDocumentLayoutsReadTheirFieldsAndDefaultTheRest)
{
    const SchemaCase cases[] = {
        {"Schema1", 1, 5, 0, false},
        {"Schema2", 2, 5, 1, false},
        {"Schema3", 3, 7, 1, false},
        {"Schema4", 4, 7, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRecordingServices services;
        CKestraneDoc doc(services);
        ASSERT_TRUE(doc.ReadDocument(OldLayout(c.schema)));
        EXPECT_EQ(doc.m_strGame, "game");
        EXPECT_EQ(doc.m_strImagePath, "Maps\\BOARD.BMP");
        EXPECT_EQ(doc.m_nCountries, 2);
        EXPECT_EQ(doc.m_nSCRadius, c.radius);
        EXPECT_EQ(doc.m_supplyCentres.GetCount(), c.centres);
        EXPECT_EQ(doc.m_bSupplyCentres, c.supplyCentres);
        EXPECT_EQ(doc.m_countries[1].m_nBlue, 6);
    }
}

TEST(DocumentFileSchemas, Schema1SavesAgainAsSchema4WithDefaults)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    ASSERT_TRUE(doc.ReadDocument(OldLayout(1)));
    const std::string saved = doc.WriteDocument();
    // The same game as a current file: radius 5, no centres table, parsing off.
    std::string expected = OldLayout(4);
    const std::string currentTail = Le16(2) + Le32(7) + Le16(1) + Str("NTH") + Le32(9) + Le32(9) + Le32(1);
    ASSERT_EQ(expected.substr(expected.size() - currentTail.size()), currentTail);
    expected.replace(expected.size() - currentTail.size(), currentTail.size(),
                     Le16(2) + Le32(5) + Le16(0) + Le32(0));
    EXPECT_EQ(saved, expected);
}

TEST(DocumentFileSchemas, UnknownDocumentSchemaReadsOnlyTheCollections)
{
    for (uint16_t schema : {uint16_t(0), uint16_t(5)}) {
        SCOPED_TRACE(schema);
        CRecordingServices services;
        CKestraneDoc doc(services);
        ASSERT_TRUE(doc.ReadDocument(OldLayout(schema)));
        EXPECT_EQ(doc.m_seasons.size(), 1u);
        EXPECT_EQ(doc.m_countries.size(), 2u);
        EXPECT_EQ(doc.m_provinces.Lookup("NTH"), (MapPos{5, 6}));
        EXPECT_EQ(doc.m_strGame, "");
        EXPECT_EQ(doc.m_strImagePath, "");
        EXPECT_EQ(doc.m_nSCRadius, 5);
        EXPECT_TRUE(doc.m_supplyCentres.IsEmpty());
        // Whatever follows the table is left unread.
        ASSERT_TRUE(doc.ReadDocument(OldLayout(schema) + OldLayout(4)));
        EXPECT_EQ(doc.m_strGame, "");
    }
}

TEST(DocumentFileSchemas, SeasonSchema1HasUnitsButNoOwnedCentres)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    ASSERT_TRUE(doc.ReadDocument(OldLayout(4, 1)));
    const CSeasonHdr& season = *doc.m_seasons.front();
    EXPECT_EQ(season.m_units[0], (CUnitList{CSeasonData(CSeasonData::kFleet, MapPos{5, 6}, "NTH")}));
    EXPECT_TRUE(season.m_centres[0].empty());
    EXPECT_EQ(doc.m_strPassword, "pw");
    // Saved again, the record is a current one with empty centre lists.
    std::string current = OldLayout(4);
    current.replace(current.find(Le16(1) + Le32(7) + Le32(8)), 10, Le16(0));
    EXPECT_EQ(doc.WriteDocument(), current);
}

// --- Round trips ------------------------------------------------------------

std::set<std::tuple<std::string, int, int>> Entries(const CPositionMap& table)
{
    std::set<std::tuple<std::string, int, int>> entries;
    table.ForEach([&](const CPositionMap::Entry& e) { entries.emplace(e.key, e.value.x, e.value.y); });
    return entries;
}

TEST(DocumentFileRoundTrip, FullGameSavesReadsAndSavesTheSameBytes)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    savedgame::FillFullGame(doc, {.seasons = 12, .units = 34});
    const std::string first = doc.WriteDocument();

    CKestraneDoc opened(services);
    ASSERT_TRUE(opened.ReadDocument(first));
    EXPECT_EQ(Entries(opened.m_provinces), Entries(doc.m_provinces));
    EXPECT_EQ(Entries(opened.m_supplyCentres), Entries(doc.m_supplyCentres));
    const std::string second = opened.WriteDocument();
    // Reading reverses each bucket's chain, so the bytes come back after a
    // second round, and everything but the tables is the same at once.
    EXPECT_EQ(second.size(), first.size());
    CKestraneDoc reopened(services);
    ASSERT_TRUE(reopened.ReadDocument(second));
    EXPECT_EQ(reopened.WriteDocument(), first);

    EXPECT_TRUE(services.messages.empty());
}

TEST(DocumentFileRoundTrip, IndexesBeyond7FFFReadBack)
{
    // 1,000 seasons of 34 units give over 35,000 objects, so later class
    // references take the long form.
    CRecordingServices services;
    CKestraneDoc doc(services);
    savedgame::FillFullGame(doc, {.seasons = 1000, .units = 34, .orderLines = 0});
    const std::string bytes = doc.WriteDocument();
    // Classes 1 and 2, then 1,000 seasons, the unit class and 34,000 units:
    // the country class takes index 35,004, the second country refers to it.
    EXPECT_NE(bytes.find(Bytes({0xFF, 0x7F}) + Le32(0x80000000u + 35004) + Str("ENGLAND")), std::string::npos);
    CKestraneDoc opened(services);
    ASSERT_TRUE(opened.ReadDocument(bytes));
    EXPECT_EQ(opened.m_seasons.size(), 1000u);
    EXPECT_EQ(opened.m_seasons.back()->m_units[6], doc.m_seasons.back()->m_units[6]);
}

} // namespace
