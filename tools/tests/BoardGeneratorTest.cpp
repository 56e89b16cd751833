#include "BmpFile.h"
#include "Font.h"
#include "Layout.h"
#include "MapDefinition.h"
#include "Projection.h"
#include "Provinces.h"
#include "Raster.h"
#include "Regions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace board;

namespace {

struct LineCase {
    const char* name;
    Pixel a, b;
};

class BoardLine : public ::testing::TestWithParam<LineCase> {};

// Borders must stop a 4-connected fill: every step moves along one axis.
TEST_P(BoardLine, StepsAlongOneAxisFromEndToEnd)
{
    const LineCase& c = GetParam();
    std::vector<Pixel> pixels;
    Walk4(c.a, c.b, [&](int x, int y) { pixels.push_back({x, y}); });
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels.front().x, c.a.x);
    EXPECT_EQ(pixels.front().y, c.a.y);
    EXPECT_EQ(pixels.back().x, c.b.x);
    EXPECT_EQ(pixels.back().y, c.b.y);
    EXPECT_EQ(pixels.size(), size_t(std::abs(c.b.x - c.a.x) + std::abs(c.b.y - c.a.y) + 1));
    const double len2 = double(c.b.x - c.a.x) * (c.b.x - c.a.x) + double(c.b.y - c.a.y) * (c.b.y - c.a.y);
    for (size_t i = 1; i < pixels.size(); ++i) {
        EXPECT_EQ(std::abs(pixels[i].x - pixels[i - 1].x) + std::abs(pixels[i].y - pixels[i - 1].y), 1) << i;
        // ... and never strays more than a pixel from the ideal line.
        const double cross = double(pixels[i].x - c.a.x) * (c.b.y - c.a.y) - double(pixels[i].y - c.a.y) * (c.b.x - c.a.x);
        EXPECT_LE(cross * cross, len2 * 1.01) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, BoardLine,
                         ::testing::Values(LineCase{"Point", {3, 3}, {3, 3}}, LineCase{"East", {0, 0}, {9, 0}},
                                           LineCase{"North", {4, 9}, {4, 0}}, LineCase{"Diagonal", {0, 0}, {6, 6}},
                                           LineCase{"Shallow", {0, 0}, {17, 5}}, LineCase{"Steep", {2, 1}, {-3, 14}},
                                           LineCase{"WestUp", {20, 20}, {1, 13}}),
                         [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

std::vector<std::string> Rows(const Grid<uint8_t>& g)
{
    std::vector<std::string> rows;
    for (int y = 0; y < g.Height(); ++y) {
        std::string row;
        for (int x = 0; x < g.Width(); ++x)
            row += g.At(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST(BoardPolygon, FillsPixelsWhoseCentresLieInside)
{
    Grid<uint8_t> grid(8, 6, 0);
    FillPolygon(grid, {{1, 1}, {6, 1}, {6, 4}, {1, 4}}, uint8_t(1));
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"........", ".#####..", ".#####..", ".#####..", "........",
                                                    "........"}));
}

TEST(BoardPolygon, TriangleAndClippingAtTheEdges)
{
    Grid<uint8_t> grid(6, 4, 0);
    FillPolygon(grid, {{-4, 0}, {4, 0}, {-4, 8}}, uint8_t(1));
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"###...", "##....", "#.....", "......"}));
}

TEST(BoardPolygon, EvenOddRuleLeavesAHole)
{
    Grid<uint8_t> grid(6, 6, 0);
    // A square with a reversed square inside, joined by a zero-width cut.
    FillPolygon(grid, {{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 2}, {2, 2}, {2, 4}, {4, 4}, {4, 2}, {0, 2}}, uint8_t(1));
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"######", "######", "##..##", "##..##", "######", "######"}));
}

TEST(BoardBitmap, HeaderColourTableAndPaddedBottomUpRows)
{
    std::array<Rgb, 256> palette{};
    palette[1] = {0x11, 0x22, 0x33};
    const std::string bmp = EncodeBmp8(3, 2, {1, 2, 3, 4, 5, 6}, palette, 20);
    ASSERT_EQ(bmp.size(), 14u + 40u + 1024u + 8u);
    const std::string expectedStart("BM\x3E\x04\x00\x00\x00\x00\x00\x00\x36\x04\x00\x00"
                                    "\x28\x00\x00\x00\x03\x00\x00\x00\x02\x00\x00\x00\x01\x00\x08\x00"
                                    "\x00\x00\x00\x00\x08\x00\x00\x00\x13\x0B\x00\x00\x13\x0B\x00\x00"
                                    "\x14\x00\x00\x00\x00\x00\x00\x00",
                                    54);
    EXPECT_EQ(bmp.substr(0, 54), expectedStart);
    EXPECT_EQ(bmp.substr(54 + 4, 4), std::string("\x33\x22\x11\x00", 4)); // entry 1: blue, green, red, 0
    EXPECT_EQ(bmp.substr(54 + 1024), std::string("\x04\x05\x06\x00\x01\x02\x03\x00", 8));
}

TEST(BoardFont, EveryLabelCanBeDrawn)
{
    for (const Province& p : Provinces()) {
        EXPECT_EQ(p.abbreviation.size(), 3u) << p.abbreviation;
        for (char c : p.abbreviation)
            EXPECT_TRUE(Font::HasGlyph(c)) << p.abbreviation;
    }
    EXPECT_EQ(Font::TextWidth("LON"), 17);
    EXPECT_TRUE(Font::Ink('T', 2, 6));
    EXPECT_FALSE(Font::Ink('T', 0, 6));
    EXPECT_FALSE(Font::Ink('~', 0, 0));
}

TEST(BoardProvinces, SeventyFiveProvincesThirtyFourCentresSevenPowers)
{
    int land = 0, sea = 0, centres = 0, impassable = 0;
    std::set<std::string> abbreviations;
    for (const Province& p : Provinces()) {
        abbreviations.insert(p.abbreviation);
        land += p.terrain == Terrain::Land;
        sea += p.terrain == Terrain::Sea;
        impassable += p.terrain == Terrain::Impassable;
        centres += p.centre.has_value();
        EXPECT_LT(p.home, int(Powers().size()));
    }
    EXPECT_EQ(land, 56);
    EXPECT_EQ(sea, 19);
    EXPECT_EQ(impassable, 1);
    EXPECT_EQ(centres, 34);
    EXPECT_EQ(abbreviations.size(), Provinces().size());
    EXPECT_EQ(Powers().size(), 7u);
}

// The whole board: no leaks between provinces, every province reached, and
// every label, unit and centre placed inside its province.
class BoardDivision : public ::testing::Test {
protected:
    static void SetUpTestSuite() { regions = new Regions(DivideBoard(projection)); }
    static void TearDownTestSuite() { delete regions; }
    static inline const Projection projection{1200};
    static inline Regions* regions = nullptr;
};

TEST_F(BoardDivision, EveryProvinceIsFilledWithoutLeaking)
{
    EXPECT_EQ(regions->problems, std::vector<std::string>{});
    std::vector<size_t> area(Provinces().size(), 0);
    for (int y = 0; y < regions->owner.Height(); ++y)
        for (int x = 0; x < regions->owner.Width(); ++x)
            if (regions->owner.At(x, y) != Regions::kNone)
                ++area[size_t(regions->owner.At(x, y))];
    for (size_t i = 0; i < area.size(); ++i)
        EXPECT_GE(area[i], 600u) << Provinces()[i].abbreviation << " is too small to hold a unit and a label";
}

TEST_F(BoardDivision, ItemsFitAndTheMapNamesThemAll)
{
    const Layout layout = PlaceItems(projection, *regions);
    EXPECT_EQ(layout.problems, std::vector<std::string>{});
    const std::string map = WriteMapDefinition(layout, "STANDARD.BMP");
    for (const char* line : {"MAP: \"STANDARD.BMP\"\r\n", "COUNTRYCOUNT: 7\r\n", "PROV: \"ST PETERSBURGSC\", ",
                             "PROV: \"ST. PETERSBURGNC\", ", "PROV: \"SPAINNC\", ", "PROV: \"BULGARIAEC\", ",
                             "PROV: \"MID-ATLANTIC OCEAN\", ", "SUPPLY: \"ST PETERSBURG\", ", "SCRADIUS: 6\r\n"})
        EXPECT_NE(map.find(line), std::string::npos) << line;
    EXPECT_EQ(map.find("SWITZERLAND"), std::string::npos) << "Switzerland is no province";

    // Ownership circles are drawn over units: no circle may cover any unit,
    // and every unit lies wholly on the picture.
    auto overlap = [](const Box& a, const Box& b) {
        return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
    };
    for (size_t i = 0; i < layout.provinces.size(); ++i)
        for (const UnitPlace& unit : layout.provinces[i].units) {
            const Box u = unit.coastLetters.empty() ? UnitBox(unit.position) : FleetBox(unit.position);
            EXPECT_TRUE(u.x >= 0 && u.y >= 0 && u.x + u.w <= projection.Width() && u.y + u.h <= projection.Height())
                << Provinces()[i].abbreviation << unit.coastLetters;
            for (const ProvinceLayout& other : layout.provinces)
                if (other.hasCentre) {
                    const Box circle{other.centre.x - kCentreRadius, other.centre.y - kCentreRadius,
                                     2 * kCentreRadius + 1, 2 * kCentreRadius + 1};
                    EXPECT_FALSE(overlap(u, circle)) << Provinces()[i].abbreviation << unit.coastLetters;
                }
        }
}

} // namespace
