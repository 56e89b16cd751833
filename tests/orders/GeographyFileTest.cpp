// Board geography files a user writes: what makes one unusable is told by
// line, the shipped one reads back as written, and a board without one says
// why orders cannot be checked.
#include "orders/BoardGeography.h"
#include "orders/GameSteps.h"
#include "orders/GeographyFile.h"
#include "support/RowName.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace orders;

// A board of two provinces, to which each row adds one mistake.
constexpr const char* kSmallBoard = "PROVINCE: Lan, coast, -, -, Landing\n"
                                    "PROVINCE: Wat, sea, -, -, Water\n"
                                    "FLEET: Lan: Wat\n"
                                    "FLEET: Wat: Lan\n";

struct BadLine {
    const char* name;
    const char* line;
    const char* problem;
};

class GeographyFileProblems : public ::testing::TestWithParam<BadLine> {};

TEST_P(GeographyFileProblems, MakeTheFileUnusable)
{
    const GeographyReading reading = ReadGeography(std::string(kSmallBoard) + GetParam().line + "\n");
    EXPECT_FALSE(reading.geography);
    EXPECT_THAT(reading.problems, ::testing::Contains(::testing::HasSubstr(GetParam().problem)));
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, GeographyFileProblems,
    ::testing::Values(BadLine{"UnknownStatement", "ADJACENT: Lan Wat", "line 5: not a PROVINCE"},
                      BadLine{"ProvinceWithoutName", "PROVINCE: Isl, land, -, -", "needs a short name"},
                      BadLine{"UnknownKind", "PROVINCE: Isl, swamp, -, -, Island", "land, coast or sea"},
                      BadLine{"SecondShortName", "PROVINCE: lan, land, -, -, Other", "a second province"},
                      BadLine{"NameOfAnother", "PROVINCE: Isl, land, -, -, landing", "given to Lan and to Isl"},
                      BadLine{"HomeNotACentre", "PROVINCE: Isl, land, Erewhon, -, Island", "not a centre"},
                      BadLine{"UnknownProvince", "ARMY: Lan: Nowhere", "no province Nowhere"},
                      BadLine{"ArmyToSea", "ARMY: Lan: Wat", "an army cannot move to Wat"},
                      BadLine{"FleetToAnUndeclaredCoast", "FLEET: Wat: Lan/nc", "cannot move to Lan/nc"},
                      BadLine{"OneCoast", "COAST: Lan/nc, 1, 2", "a single coast"},
                      BadLine{"CoastWithoutPlace", "COAST: Lan/nc, 1", "two whole numbers"},
                      BadLine{"UnknownCoast", "COAST: Lan/xc, 1, 2", "is not nc, sc, ec or wc"}),
    RowName());

TEST(GeographyFile, ReadsWhatEditorsWrite)
{
    // A byte order mark, CR LF line ends, keywords in lower case, comments.
    std::string text = "\xEF\xBB\xBF# my board\r\n";
    for (char c : std::string(kSmallBoard))
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    text.replace(text.find("FLEET"), 5, "fleet");
    const GeographyReading reading = ReadGeography(text);
    ASSERT_TRUE(reading.geography) << reading.problems.front();
    EXPECT_EQ(reading.geography->FleetMoves({0, Coast::None})->front(), (Place{1, Coast::None}));
}

TEST(GeographyFile, StandardBoardWritesBackAsRead)
{
    const std::string written = WriteGeography(ordertest::StandardGeography(), {"a comment"});
    const GeographyReading again = ReadGeography(written);
    ASSERT_TRUE(again.geography);
    EXPECT_EQ(WriteGeography(*again.geography, {"a comment"}), written);
}

TEST(GeographyFile, BoardWithoutGeographySaysWhy)
{
    CTempDir dir;
    EXPECT_NE(LoadBoardGeography(dir.Str(), "Mine").unavailable.find("Maps/Mine.geo"), std::string::npos);
    dir.Write("Maps/Mine.geo", std::string(kSmallBoard) + "ARMY: Wat: Lan\n");
    const BoardGeography damaged = LoadBoardGeography(dir.Str(), "Mine");
    EXPECT_FALSE(damaged.geography);
    EXPECT_NE(damaged.unavailable.find("line 5"), std::string::npos) << damaged.unavailable;
    dir.Write("Maps/Mine.geo", kSmallBoard);
    EXPECT_TRUE(LoadBoardGeography(dir.Str(), "Mine").geography);
}

} // namespace
