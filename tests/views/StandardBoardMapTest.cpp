#include "model/KestraneDoc.h"
#include "model/WordSplitter.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

// The shipped standard board: Maps/Standard.map and its picture, read the way
// File New reads them, from the source tree's data folder.

namespace {

const std::string kDataDir = std::string(KESTRANE_SOURCE_DIR) + "/data";

class StandardBoardMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(doc.OnNewDocument("Standard.map")) << ::testing::PrintToString(services.Texts());
    }

    CRecordingServices services{kDataDir};
    CKestraneDoc doc{services};
};

// The colour the picture's centre dots are filled with.
constexpr uint32_t kDotFill = CRgbImage::Rgb(252, 250, 240);
constexpr uint32_t kSeaColour = CRgbImage::Rgb(164, 204, 232);

const std::vector<std::string> kSeas = {
    "NORTH ATLANTIC OCEAN", "NORWEGIAN SEA", "BARENTS SEA", "NORTH SEA", "IRISH SEA", "ENGLISH CHANNEL",
    "MID-ATLANTIC OCEAN", "HELIGOLAND BIGHT", "SKAGERRAK", "BALTIC SEA", "GULF OF BOTHNIA",
    "WESTERN MEDITERRANEAN", "GULF OF LYON", "TYRRHENIAN SEA", "IONIAN SEA", "ADRIATIC SEA", "AEGEAN SEA",
    "EASTERN MEDITERRANEAN", "BLACK SEA"};

const std::vector<std::string> kInlandProvinces = {"PARIS",   "BURGUNDY", "RUHR",   "MUNICH",  "SILESIA",
                                                   "BOHEMIA", "TYROLIA",  "VIENNA", "BUDAPEST", "GALICIA",
                                                   "SERBIA",  "WARSAW",   "MOSCOW", "UKRAINE"};

const std::vector<std::string> kCoastalLand = {
    "CLYDE", "EDINBURGH", "LIVERPOOL", "YORKSHIRE", "WALES", "LONDON", "BREST", "PICARDY", "GASCONY",
    "MARSEILLES", "KIEL", "BERLIN", "PRUSSIA", "PIEDMONT", "VENICE", "TUSCANY", "ROME", "APULIA", "NAPLES",
    "TRIESTE", "ST PETERSBURG", "LIVONIA", "SEVASTOPOL", "CONSTANTINOPLE", "ANKARA", "SMYRNA", "ARMENIA", "SYRIA",
    "NORWAY", "SWEDEN", "FINLAND", "DENMARK", "HOLLAND", "BELGIUM", "SPAIN", "PORTUGAL", "NORTH AFRICA", "TUNIS",
    "ALBANIA", "GREECE", "BULGARIA", "RUMANIA"};

const std::vector<std::string> kCoasts = {"ST PETERSBURGNC", "ST PETERSBURGSC", "SPAINNC",
                                          "SPAINSC",         "BULGARIAEC",      "BULGARIASC"};

const std::vector<std::string> kCentres = {
    "ANKARA", "BELGIUM", "BERLIN", "BREST", "BUDAPEST", "BULGARIA", "CONSTANTINOPLE", "DENMARK", "EDINBURGH",
    "GREECE", "HOLLAND", "KIEL", "LIVERPOOL", "LONDON", "MARSEILLES", "MOSCOW", "MUNICH", "NAPLES", "NORWAY",
    "PARIS", "PORTUGAL", "ROME", "RUMANIA", "SERBIA", "SEVASTOPOL", "SMYRNA", "SPAIN", "ST PETERSBURG", "SWEDEN",
    "TRIESTE", "TUNIS", "VENICE", "VIENNA", "WARSAW"};

TEST_F(StandardBoardMap, LoadsWithoutAnyMessage)
{
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(doc.m_strImagePath, "Maps\\STANDARD.BMP");
    EXPECT_EQ(doc.m_dib.BitsPerPixel(), 8);
    EXPECT_GE(doc.m_dib.Width(), 1000);
    EXPECT_LE(doc.m_dib.Width(), 1300);
    EXPECT_GT(doc.m_dib.ColourCount(), 0);
    EXPECT_TRUE(doc.m_bSupplyCentres);
}

TEST_F(StandardBoardMap, SevenPowersInDistinctColoursNoneBlack)
{
    const std::vector<std::string> names = {"AUSTRIA", "ENGLAND", "FRANCE", "GERMANY", "ITALY", "RUSSIA", "TURKEY"};
    ASSERT_EQ(doc.m_nCountries, 7);
    ASSERT_EQ(doc.m_countries.size(), names.size());
    std::set<uint32_t> colours;
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(doc.m_countries[i].m_strName, names[i]);
        const uint32_t c = doc.m_countries[i].Colour();
        EXPECT_NE(c, 0u) << names[i];
        EXPECT_NE(c, 10u) << names[i] << " was given black";
        colours.insert(c);
    }
    EXPECT_EQ(colours.size(), names.size());
}

TEST_F(StandardBoardMap, EveryProvinceAndCoastHasItsOwnSpot)
{
    std::set<std::pair<int, int>> spots;
    size_t count = 0;
    for (const auto* group : {&kSeas, &kInlandProvinces, &kCoastalLand, &kCoasts})
        for (const std::string& key : *group) {
            const auto pos = doc.m_provinces.Lookup(key);
            ASSERT_TRUE(pos) << key;
            spots.insert({pos->x, pos->y});
            ++count;
        }
    EXPECT_EQ(count, 75u + 6u);
    EXPECT_EQ(spots.size(), count) << "two provinces share a unit spot";
}

TEST_F(StandardBoardMap, CentreMarkersSitOnThePicturesDots)
{
    const CRgbImage picture = doc.m_dib.Decode();
    std::set<std::pair<int, int>> spots;
    for (const std::string& key : kCentres) {
        const auto pos = doc.m_supplyCentres.Lookup(key);
        ASSERT_TRUE(pos) << key;
        ASSERT_TRUE(picture.Contains(pos->x, pos->y)) << key;
        EXPECT_EQ(picture.Pixel(pos->x, pos->y), kDotFill) << key;
        spots.insert({pos->x, pos->y});
    }
    EXPECT_EQ(spots.size(), 34u);
}

// A unit's pictures cover (x - 11, y - 4) to (x + 16, y + 9); its middle
// must lie on water for a sea and on land for an inland province.
TEST_F(StandardBoardMap, UnitsStandOnTheirKindOfGround)
{
    const CRgbImage picture = doc.m_dib.Decode();
    auto middle = [&](const std::string& key) {
        const auto pos = doc.m_provinces.Lookup(key);
        EXPECT_TRUE(pos) << key;
        return pos ? picture.Pixel(pos->x + 2, pos->y + 2) : 0u;
    };
    for (const std::string& sea : kSeas)
        EXPECT_EQ(middle(sea), kSeaColour) << sea;
    for (const std::string& land : kInlandProvinces)
        EXPECT_NE(middle(land), kSeaColour) << land;
}

// Province texts as report lines give them, normalised as the parsers do:
// upper-cased, the last full stop marked, coasts folded, trimmed.
struct ReportText {
    const char* name;
    const char* line;
};

class StandardBoardReportText : public StandardBoardMap, public ::testing::WithParamInterface<ReportText> {};

TEST_P(StandardBoardReportText, NamesAKeyOfTheMap)
{
    std::string line = GetParam().line;
    for (char& c : line)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    if (const size_t stop = line.rfind('.'); stop != std::string::npos)
        line[stop] = char(0xFF);
    std::string word;
    CWordSplitter splitter;
    ASSERT_TRUE(splitter.NextWord(word, ":", line));
    ASSERT_TRUE(splitter.NextWord(word, " \t"));
    ASSERT_TRUE(splitter.NextWord(word, ""));
    const size_t first = word.find_first_not_of(" \t");
    const size_t last = word.find_last_not_of(" \t");
    ASSERT_NE(first, std::string::npos);
    const std::string key = word.substr(first, last - first + 1);
    EXPECT_TRUE(doc.m_provinces.Lookup(key)) << "no key '" << key << "'";
}

INSTANTIATE_TEST_SUITE_P(
    JudgeSpellings, StandardBoardReportText,
    ::testing::Values(ReportText{"StPetersburgSouthCoast", "Russia:  Fleet St Petersburg (south coast)."},
                      ReportText{"StPetersburgNorthCoast", "Russia: Fleet St Petersburg (north coast)."},
                      ReportText{"StPetersburgShortCoast", "Russia: Fleet St Petersburg (SC)."},
                      ReportText{"StPetersburgWithFullStop", "Russia: Army St. Petersburg."},
                      ReportText{"StPetersburgWithFullStopAndCoast", "Russia: Fleet St. Petersburg (north coast)."},
                      ReportText{"SpainNorthCoast", "France: Fleet Spain (north coast)."},
                      ReportText{"SpainSouthCoast", "France: Fleet Spain (south coast)."},
                      ReportText{"BulgariaEastCoast", "Turkey: Fleet Bulgaria (east coast)."},
                      ReportText{"BulgariaSouthCoast", "Turkey: Fleet Bulgaria (south coast)."},
                      ReportText{"MidAtlantic", "France: Fleet Mid-Atlantic Ocean."},
                      ReportText{"HeligolandBight", "Germany: Fleet Heligoland Bight."},
                      ReportText{"HelgolandBight", "Germany: Fleet Helgoland Bight."},
                      ReportText{"GulfOfLyon", "France: Fleet Gulf of Lyon."},
                      ReportText{"TwoBlanksBeforeTheProvince", "Austria: Army  Vienna."},
                      ReportText{"LowerCaseReport", "italy: army tyrolia."}),
    RowName());

} // namespace
