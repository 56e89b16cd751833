#include "support/PixelSet.h"
#include "support/RowName.h"
#include "views/Raster.h"
#include "views/UnitPictures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The two silhouettes exactly as the view's masks must hold them.
const std::vector<std::string> kArmyMask = {
    "........................", "..........X.............", "..........X.............",
    "..........X.............", "........XXXXXXXXXX......", "........XXXXXXXXXXXXXXXX",
    "........XXXXXXXXX.......", ".....XXXXXXXXXXXXXX.....", "....XXXXXXXXXXXXXXXX....",
    "....XXXXXXXXXXXXXXXX....", "...XXXXXXXXXXXXXXXXXX...", "..XXXXXXXXXXXXXXXXXXXX..",
    ".XXXXXXXXXXXXXXXXXXXXXX.", ".XXXXXXXXXXXXXXXXXXXXXX.", "..XXXXXXXXXXXXXXXXXXXX..",
    "........................",
};
const std::vector<std::string> kFleetMask = {
    "........................", "........................", "........................",
    "........................", ".............X..........", "............XX..........",
    "............XX..........", "..........XXXX..........", "..XXX....XXXXXX....XXX..",
    "...XXX..XXXXXXXX..XXX...", ".XXXXXXXXXXXXXXXXXXXXXX.", ".XXXXXXXXXXXXXXXXXXXXXX.",
    ".XXXXXXXXXXXXXXXXXXXXX..", "..XXXXXXXXXXXXXXXXXXX...", "...XXXXXXXXXXXXXXXXX....",
    "........................",
};

std::vector<std::string> MaskRows(const CBitMask& mask)
{
    std::vector<std::string> rows;
    for (int y = 0; y < mask.Height(); ++y) {
        std::string row;
        for (int x = 0; x < mask.Width(); ++x)
            row += mask.Bit(x, y) ? 'X' : '.';
        rows.push_back(row);
    }
    return rows;
}

// The pixels a fill of the picture from its fill points changes.
Pixels FilledPixels(const CUnitPicture& unit, uint32_t colour)
{
    CRgbImage picture = unit.picture;
    for (const CRasterPoint& p : unit.fillPoints)
        raster::FloodFill(picture, p.x, p.y, raster::kBlack, colour);
    Pixels changed;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) != unit.picture.Pixel(x, y))
                changed.insert({x, y});
    return changed;
}

struct PictureCase {
    const char* name;
    const CUnitPicture& (*picture)();
    const std::vector<std::string>* mask;
    CRasterPoint offset;
    std::vector<CRasterPoint> fillPoints;
    Pixels fillArea;
};

class UnitPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(UnitPicture, MaskMatchesTheSilhouetteTable)
{
    const CUnitPicture& unit = GetParam().picture();
    EXPECT_EQ(MaskRows(unit.mask), *GetParam().mask);
    EXPECT_EQ(unit.picture.Width(), 24);
    EXPECT_EQ(unit.picture.Height(), 16);
}

TEST_P(UnitPicture, PlacementAndFillPoints)
{
    const CUnitPicture& unit = GetParam().picture();
    EXPECT_EQ(unit.offset, GetParam().offset);
    EXPECT_EQ(std::vector<CRasterPoint>(unit.fillPoints.begin(), unit.fillPoints.end()), GetParam().fillPoints);
}

TEST_P(UnitPicture, OnlyBlackTealAndWhiteAndWhiteOutsideTheMask)
{
    const CUnitPicture& unit = GetParam().picture();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x) {
            const uint32_t p = unit.picture.Pixel(x, y);
            EXPECT_TRUE(p == raster::kBlack || p == raster::kWhite || p == kUnitTeal) << x << "," << y;
            if (!unit.mask.Bit(x, y)) {
                EXPECT_EQ(p, raster::kWhite) << "outside the silhouette at " << x << "," << y;
            }
        }
}

TEST_P(UnitPicture, FillsTakeExactlyTheClosedWhiteAreas)
{
    const CUnitPicture& unit = GetParam().picture();
    for (const CRasterPoint& p : unit.fillPoints)
        EXPECT_EQ(unit.picture.Pixel(p.x, p.y), raster::kWhite);
    const Pixels filled = FilledPixels(unit, 0x123456);
    EXPECT_EQ(filled, GetParam().fillArea);
    // A second country's fill repaints the same area, nothing more.
    CRgbImage twice = unit.picture;
    for (const CRasterPoint& p : unit.fillPoints) {
        raster::FloodFill(twice, p.x, p.y, raster::kBlack, 0x123456);
        raster::FloodFill(twice, p.x, p.y, raster::kBlack, 0x00FF00);
    }
    for (const auto& [x, y] : GetParam().fillArea)
        EXPECT_EQ(twice.Pixel(x, y), 0x00FF00u);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, UnitPicture,
    testing::Values(
        PictureCase{"Army", &ArmyPicture, &kArmyMask, {-7, -5}, {{11, 5}, {11, 8}},
                    Spans({{5, 9, 16}, {6, 9, 15}, {8, 5, 18}, {9, 5, 18}})},
        PictureCase{"Fleet", &FleetPicture, &kFleetMask, {-12, -7}, {{11, 12}},
                    Spans({{11, 2, 21}, {12, 2, 20}, {13, 3, 19}})}),
    RowName());

TEST(UnitPictureArt, TextRowsAreTheDrawnPictures)
{
    // The readable rows and the pictures the view uses agree pixel for pixel.
    const auto check = [](std::span<const char* const> rows, const CUnitPicture& unit) {
        ASSERT_EQ(rows.size(), 16u);
        for (int y = 0; y < 16; ++y) {
            ASSERT_EQ(std::string(rows[size_t(y)]).size(), 24u) << "row " << y;
            for (int x = 0; x < 24; ++x) {
                const char c = rows[size_t(y)][x];
                const uint32_t want = c == '#' ? raster::kBlack : c == 't' ? kUnitTeal : raster::kWhite;
                EXPECT_EQ(unit.picture.Pixel(x, y), want) << x << "," << y;
            }
        }
    };
    check(ArmyPictureRows(), ArmyPicture());
    check(FleetPictureRows(), FleetPicture());
    EXPECT_EQ(std::vector<std::string>(ArmyMaskRows().begin(), ArmyMaskRows().end()), kArmyMask);
    EXPECT_EQ(std::vector<std::string>(FleetMaskRows().begin(), FleetMaskRows().end()), kFleetMask);
}

} // namespace
