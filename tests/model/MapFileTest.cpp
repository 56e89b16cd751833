#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Message = CRecordingServices::Message;

// Writes Maps/X.map with text and reads it into a fresh document.
struct MapReading {
    explicit MapReading(const std::string& text, const std::string& file = "Maps/X.map")
        : services(dir.Str()), doc(services)
    {
        dir.Write(file, text);
        doc.m_strMapName = "X";
        result = doc.ReadMapFile();
    }

    CTempDir dir;
    CRecordingServices services;
    CKestraneDoc doc;
    bool result = false;
};

std::string Countries(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "COUNTRY: C" + std::to_string(i) + ", 1, 2, 3\n";
    return text;
}

const std::string kTooMany = "Kestrane supports a maximum of 99 countries.";
const std::string kCountMismatch = "Error in Maps\\X.map, countrycount must equal the number of countries.";

struct StatementCase {
    const char* name;
    std::string text;
    std::string imagePath;
    std::vector<std::string> countryNames;
    std::vector<std::pair<std::string, MapPos>> provinces;
    std::vector<std::pair<std::string, MapPos>> supplyCentres;
    int scRadius;
};

TEST(MapFileStatements, FillTheModelAsTheLinesSay)
{
    using P = std::vector<std::pair<std::string, MapPos>>;
    const StatementCase cases[] = {
        {"pictureName", "MAP: \"BOARD.BMP\"\n", "Maps\\BOARD.BMP", {}, {}, {}, 5},
        {"lowerCaseMapLine", "map: \"board.bmp\"\n", "Maps\\BOARD.BMP", {}, {}, {}, 5},
        {"mapWithTabAndNoBlank", "MAP:\t\"b.bmp\"\n", "Maps\\B.BMP", {}, {}, {}, 5},
        {"pictureNameWithABlankIsCut", "MAP: \"MY BOARD.BMP\"\n", "Maps\\M", {}, {}, {}, 5},
        {"pictureWithoutQuotesLosesBothEnds", "MAP: BOARD.BMP\n", "Maps\\OARD.BM", {}, {}, {}, 5},
        {"mapWithoutName", "MAP:\n", "Maps\\", {}, {}, {}, 5},
        {"lastMapLineWins", "MAP: \"A.BMP\"\nMAP: \"B.BMP\"\n", "Maps\\B.BMP", {}, {}, {}, 5},
        {"quotedCountryKeepsQuotes", "COUNTRYCOUNT: 1\nCOUNTRY: \"England\", 1, 2, 3\n", "", {"\"ENGLAND\""}, {}, {}, 5},
        {"countryNameTrimmed", "COUNTRYCOUNT: 2\nCOUNTRY:  \t Great Britain \t, 1,2,3\nCOUNTRY:x,0,0,0\n", "",
         {"GREAT BRITAIN", "X"}, {}, {}, 5},
        {"provinceWithCoast", "PROV: \"ABC (SC)\", 100, 200\n", "", {}, P{{"ABCSC   ", {100, 200}}}, {}, 5},
        {"provinceWithLongCoast", "PROV: \"STP (north coast)\", 1, 2\n", "", {}, P{{"STPNC" + std::string(12, ' '), {1, 2}}}, {}, 5},
        {"provinceWrittenGlued", "PROV: \"ABCSC\", 100, 200\n", "", {}, P{{"ABCSC", {100, 200}}}, {}, 5},
        {"provinceWithoutQuotesOrNumbers", "PROV: ABC\n", "", {}, P{{"B", {0, 0}}}, {}, 5},
        {"provinceNumbersWithSignsAndTails", "PROV: \"A\", -12, +7xyz\nPROV: \"B\", x1, 9.9\n", "", {},
         P{{"A", {-12, 7}}, {"B", {0, 9}}}, {}, 5},
        {"provinceKeyKeepsInnerBlanks", "PROV: \" NTH \",1,2\n", "", {}, P{{" NTH ", {1, 2}}}, {}, 5},
        {"repeatedProvinceTakesTheNewPosition", "PROV: \"LON\", 1, 2\nPROV: \"lon\", 3, 4\n", "", {},
         P{{"LON", {3, 4}}}, {}, 5},
        {"supplyCentre", "SUPPLY: \"PAR\", 30, 40\n", "", {}, {}, P{{"PAR", {30, 40}}}, 5},
        {"radius", "SCRADIUS: 9\n", "", {}, {}, {}, 9},
        {"radiusWithoutNumber", "SCRADIUS:\n", "", {}, {}, {}, 0},
        {"indentedStatementsIgnored", " PROV: \"LON\", 1, 2\n\tSCRADIUS: 9\n", "", {}, {}, {}, 5},
        {"commentsAndBlankLinesIgnored", "# MAP: \"X.BMP\"\n\nPROVINCE LIST\n", "", {}, {}, {}, 5},
        {"crLfLineEnds", "MAP: \"B.BMP\"\r\nPROV: \"LON\", 1, 2\r\n", "Maps\\B.BMP", {}, P{{"LON", {1, 2}}}, {}, 5},
        {"lastLineWithoutLineEnd", "SCRADIUS: 7", "", {}, {}, {}, 7},
        {"byteOrderMarkBeforeTheFirstStatement", "\xEF\xBB\xBFSCRADIUS: 7\n", "", {}, {}, {}, 7},
        {"byteOrderMarkOnlyAtTheStart", "\n\xEF\xBB\xBFSCRADIUS: 7\n", "", {}, {}, {}, 5},
        {"highBytesBecomeBlanks", "PROV: \"L\xE9ON\", 1, 2\n", "", {}, P{{"L ON", {1, 2}}}, {}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MapReading r(c.text);
        EXPECT_TRUE(r.result);
        EXPECT_TRUE(r.services.messages.empty());
        EXPECT_EQ(r.doc.m_strImagePath, c.imagePath);
        std::vector<std::string> names;
        for (const auto& country : r.doc.m_countries)
            names.push_back(country.m_strName);
        EXPECT_EQ(names, c.countryNames);
        EXPECT_EQ(r.doc.m_provinces.GetCount(), c.provinces.size());
        for (const auto& [key, pos] : c.provinces)
            EXPECT_EQ(r.doc.m_provinces.Lookup(key), std::optional<MapPos>(pos)) << "[" << key << "]";
        EXPECT_EQ(r.doc.m_supplyCentres.GetCount(), c.supplyCentres.size());
        for (const auto& [key, pos] : c.supplyCentres)
            EXPECT_EQ(r.doc.m_supplyCentres.Lookup(key), std::optional<MapPos>(pos)) << "[" << key << "]";
        EXPECT_EQ(r.doc.m_bSupplyCentres, !c.supplyCentres.empty());
        EXPECT_EQ(r.doc.m_nSCRadius, c.scRadius);
        EXPECT_EQ(r.doc.m_nCountries, int(c.countryNames.size()));
    }
}

TEST(MapFileStatements, CountryColoursAndTheBlackRule)
{
    MapReading r("COUNTRYCOUNT: 3\nCOUNTRY: Red, 255, 0, 0\nCOUNTRY: Black, 0, 0, 0\n"
                 "COUNTRY: Odd,\t300 , -1,abc\n");
    ASSERT_TRUE(r.result);
    ASSERT_EQ(r.doc.m_countries.size(), 3u);
    EXPECT_EQ(r.doc.m_countries[0].Colour(), 0x0000FFu);
    EXPECT_EQ(r.doc.m_countries[1].m_nRed, 10);
    EXPECT_EQ(r.doc.m_countries[1].Colour(), 0x00000Au);
    EXPECT_EQ(r.doc.m_countries[2].m_nRed, 300);
    EXPECT_EQ(r.doc.m_countries[2].m_nGreen, -1);
    EXPECT_EQ(r.doc.m_countries[2].m_nBlue, 0);
}

struct CountCase {
    const char* name;
    std::string text;
    bool result;
    int countries; // m_nCountries and the size of m_countries afterwards
    std::vector<std::string> messages;
    int scRadius; // shows whether the lines after an error were read
};

TEST(MapFileCountries, CountryCountRules)
{
    const CountCase cases[] = {
        {"noCountriesAtAll", "MAP: \"B.BMP\"\n", true, 0, {}, 5},
        {"ninetyNineAccepted", "COUNTRYCOUNT: 99\n" + Countries(99) + "SCRADIUS: 8\n", true, 99, {}, 8},
        {"countAfterTheCountries", Countries(3) + "COUNTRYCOUNT: 3\n", true, 3, {}, 5},
        {"onlyTheLastCountCounts", "COUNTRYCOUNT: 7\n" + Countries(2) + "COUNTRYCOUNT: 2\n", true, 2, {}, 5},
        {"countOfOneHundredStopsAtThatLine", Countries(3) + "COUNTRYCOUNT: 100\nSCRADIUS: 8\n" + Countries(1), false, 3,
         {kTooMany}, 5},
        {"hundredthCountryStops", "COUNTRYCOUNT: 99\n" + Countries(100) + "SCRADIUS: 8\n", false, 99, {kTooMany}, 5},
        {"hundredthCountryWithoutCount", Countries(100), false, 99, {kTooMany}, 5},
        {"hugeCount", "COUNTRYCOUNT: 99999999999999\n", false, 0, {kTooMany}, 5},
        {"tooFewCountries", "COUNTRYCOUNT: 3\n" + Countries(2) + "SCRADIUS: 8\n", false, 2, {kCountMismatch}, 8},
        {"tooManyForTheCount", "COUNTRYCOUNT: 1\n" + Countries(2), false, 2, {kCountMismatch}, 5},
        {"negativeCount", "COUNTRYCOUNT: -1\n", false, 0, {kCountMismatch}, 5},
        {"countWithoutNumber", "COUNTRYCOUNT:\n" + Countries(1), false, 1, {kCountMismatch}, 5},
        {"countryCountInLowerCase", "countrycount: 1\ncountry: france, 1, 2, 3\n", true, 1, {}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MapReading r(c.text);
        EXPECT_EQ(r.result, c.result);
        EXPECT_EQ(r.doc.m_nCountries, c.countries);
        EXPECT_EQ(int(r.doc.m_countries.size()), c.countries);
        EXPECT_EQ(r.services.Texts(), c.messages);
        for (const auto& m : r.services.messages)
            EXPECT_EQ(m.icon, MessageIcon::None);
        EXPECT_EQ(r.doc.m_nSCRadius, c.scRadius);
    }
}

TEST(MapFileOpening, MissingFileShowsThePathAsFormed)
{
    CTempDir dir;
    CRecordingServices services(dir.Str());
    CKestraneDoc doc(services);
    doc.m_strMapName = "Absent";
    EXPECT_FALSE(doc.ReadMapFile());
    EXPECT_EQ(services.messages, (std::vector<Message>{{"Cannot Open File:Maps\\Absent.map", MessageIcon::None}}));

    // A folder of that name is not a map definition either.
    dir.Write("Maps/Absent.map/inside", "");
    services.Clear();
    EXPECT_FALSE(doc.ReadMapFile());
    EXPECT_EQ(services.Texts(), (std::vector<std::string>{"Cannot Open File:Maps\\Absent.map"}));
}

TEST(MapFileOpening, FolderAndFileAreFoundWithoutRegardToCase)
{
    for (const char* file : {"maps/x.map", "MAPS/X.MAP", "Maps/x.Map"}) {
        SCOPED_TRACE(file);
        MapReading r("SCRADIUS: 3\n", file);
        EXPECT_TRUE(r.result);
        EXPECT_EQ(r.doc.m_nSCRadius, 3);
    }
}

} // namespace
