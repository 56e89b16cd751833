#include "support/ImageRows.h"
#include "support/RowName.h"
#include "views/Raster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kBlue = 0x0000FF;

// Pictures written as text rows: '#' black, '.' white, 'r' red, 'g' grey, 'b' blue.
CRgbImage FromRows(const std::vector<std::string>& rows)
{
    CRgbImage image(int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const char c = rows[size_t(y)][size_t(x)];
            image.SetPixel(x, y, c == '#' ? raster::kBlack : c == 'r' ? kRed : c == 'g' ? kGrey
                                                          : c == 'b' ? kBlue : raster::kWhite);
        }
    return image;
}

std::vector<std::string> ToRows(const CRgbImage& image)
{
    return ImageRows(image, [](uint32_t p) {
        return p == raster::kBlack ? '#' : p == kRed ? 'r' : p == kGrey ? 'g' : p == kBlue ? 'b'
                                     : p == raster::kWhite ? '.' : '?';
    });
}

struct FloodCase {
    const char* name;
    std::vector<std::string> before;
    CRasterPoint start;
    std::vector<std::string> after;
};

class RasterFloodFill : public testing::TestWithParam<FloodCase> {};

TEST_P(RasterFloodFill, FillsFourConnectedAreaUpToBlack)
{
    const FloodCase& c = GetParam();
    CRgbImage image = FromRows(c.before);
    raster::FloodFill(image, c.start.x, c.start.y, raster::kBlack, kRed);
    EXPECT_EQ(ToRows(image), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RasterFloodFill,
    testing::Values(
        FloodCase{"ClosedBox", {"......", ".####.", ".#..#.", ".####.", "......"}, {2, 2},
                  {"......", ".####.", ".#rr#.", ".####.", "......"}},
        // A diagonal wall stops a four-neighbour fill.
        FloodCase{"DiagonalWallHolds", {"#....", ".#...", "..#..", "...#.", "....#"}, {0, 4},
                  {"#....", "r#...", "rr#..", "rrr#.", "rrrr#"}},
        // Everything that is not the boundary colour is painted over.
        FloodCase{"CrossesOtherColours", {"#####", "#.gb#", "#####"}, {1, 1}, {"#####", "#rrr#", "#####"}},
        FloodCase{"RepaintsFillColour", {"#####", "#r.r#", "#####"}, {1, 1}, {"#####", "#rrr#", "#####"}},
        FloodCase{"StartOnBoundary", {"...", ".#.", "..."}, {1, 1}, {"...", ".#.", "..."}},
        FloodCase{"StartOutside", {"...", "..."}, {5, 0}, {"...", "..."}},
        FloodCase{"LeaksThroughGap", {"#.###", "#...#", "#####"}, {2, 1}, {"#r###", "#rrr#", "#####"}}),
    RowName());

TEST(RasterMaskedCopy, SourceWhereMaskSetAndSourceAndDestElsewhere)
{
    // 2 x 2 source: black, white / red, 0x00F0F0 (cyan-ish).
    CRgbImage source(2, 2);
    source.SetPixel(0, 0, raster::kBlack);
    source.SetPixel(1, 0, raster::kWhite);
    source.SetPixel(0, 1, kRed);
    source.SetPixel(1, 1, 0x00F0F0);
    CBitMask mask(2, 2);
    mask.SetBit(0, 0, true);
    mask.SetBit(0, 1, true);
    CRgbImage dest(4, 4, 0x123456);
    raster::MaskedCopy(dest, 1, 1, source, mask);
    EXPECT_EQ(dest.Pixel(1, 1), raster::kBlack);           // mask 1: source
    EXPECT_EQ(dest.Pixel(1, 2), kRed);                     // mask 1: source
    EXPECT_EQ(dest.Pixel(2, 1), 0x123456u);                // mask 0, white source: unchanged
    EXPECT_EQ(dest.Pixel(2, 2), 0x123456u & 0x00F0F0u);    // mask 0: AND
    EXPECT_EQ(dest.Pixel(0, 0), 0x123456u);
    EXPECT_EQ(dest.Pixel(3, 3), 0x123456u);
}

TEST(RasterMaskedCopy, ClipsAtEveryEdge)
{
    CRgbImage source(3, 3, kRed);
    CBitMask mask(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            mask.SetBit(x, y, true);
    CRgbImage dest(4, 4, raster::kWhite);
    raster::MaskedCopy(dest, -2, -2, source, mask);
    raster::MaskedCopy(dest, 3, 3, source, mask);
    EXPECT_EQ(ToRows(dest), (std::vector<std::string>{"r...", "....", "....", "...r"}));
}

TEST(RasterPolygon, SquareOutlineCoversBothEndsAndFillsInside)
{
    CRgbImage image(7, 7, kGrey);
    const CRasterPoint square[] = {{1, 1}, {1, 5}, {5, 5}, {5, 1}};
    raster::Polygon(image, square, kRed);
    EXPECT_EQ(ToRows(image), (std::vector<std::string>{"ggggggg", "g#####g", "g#rrr#g", "g#rrr#g", "g#rrr#g",
                                                       "g#####g", "ggggggg"}));
}

TEST(RasterPolygon, PentagonPointsUpwardAndClosesAgainstFill)
{
    CRgbImage image(11, 10, kGrey);
    const CRasterPoint pentagon[] = {{5, 0}, {8, 3}, {8, 8}, {2, 8}, {2, 3}};
    raster::Polygon(image, pentagon, kRed);
    EXPECT_EQ(ToRows(image), (std::vector<std::string>{"ggggg#ggggg", "gggg#r#gggg", "ggg#rrr#ggg",
                                                       "gg#rrrrr#gg", "gg#rrrrr#gg", "gg#rrrrr#gg",
                                                       "gg#rrrrr#gg", "gg#rrrrr#gg", "gg#######gg",
                                                       "ggggggggggg"}));
    // The outline is closed: a fill of the outside does not get in.
    raster::FloodFill(image, 0, 0, raster::kBlack, kBlue);
    EXPECT_EQ(image.Pixel(5, 1), kRed);
    EXPECT_EQ(image.Pixel(0, 9), kBlue);
}

TEST(RasterEllipse, BoxRightAndBottomAreExclusive)
{
    CRgbImage image(8, 8, kGrey);
    raster::Ellipse(image, 1, 1, 7, 7, kRed);
    EXPECT_EQ(ToRows(image), (std::vector<std::string>{"gggggggg", "gg####gg", "g#rrrr#g", "g#rrrr#g",
                                                       "g#rrrr#g", "g#rrrr#g", "gg####gg", "gggggggg"}));
}

TEST(RasterEllipse, ReversedBoxIsNormalisedAndEmptyBoxDrawsNothing)
{
    CRgbImage forward(8, 8, kGrey);
    CRgbImage reversed(8, 8, kGrey);
    raster::Ellipse(forward, 1, 2, 7, 6, kRed);
    raster::Ellipse(reversed, 7, 6, 1, 2, kRed);
    EXPECT_EQ(forward, reversed);

    CRgbImage empty(8, 8, kGrey);
    raster::Ellipse(empty, 3, 3, 3, 7, kRed);
    EXPECT_EQ(empty, CRgbImage(8, 8, kGrey));
}

TEST(RasterEllipse, ClippedEllipseKeepsItsRimInside)
{
    // Centred on the corner: the visible quarter has no pen along the image edge.
    CRgbImage image(4, 4, kGrey);
    raster::Ellipse(image, -4, -4, 4, 4, kRed);
    EXPECT_EQ(image.Pixel(0, 0), kRed);
    EXPECT_EQ(image.Pixel(3, 0), raster::kBlack);
    EXPECT_EQ(image.Pixel(0, 3), raster::kBlack);
    EXPECT_EQ(image.Pixel(3, 3), kGrey);
}

TEST(RasterStretchCopy, NearestPixelUpAndDown)
{
    const CRgbImage small = FromRows({"#r", "gb"});
    CRgbImage big(4, 4, raster::kWhite);
    raster::StretchCopy(big, {0, 0, 4, 4}, small, {0, 0, 2, 2});
    EXPECT_EQ(ToRows(big), (std::vector<std::string>{"##rr", "##rr", "ggbb", "ggbb"}));

    const CRgbImage wide = FromRows({"#r.g", "bb..", "rrrr", "...."});
    CRgbImage half(2, 2, kGrey);
    raster::StretchCopy(half, {0, 0, 2, 2}, wide, {0, 0, 4, 4});
    EXPECT_EQ(ToRows(half), (std::vector<std::string>{"#.", "rr"}));
}

TEST(RasterStretchCopy, UnevenStretchAndClippedDestination)
{
    const CRgbImage source = FromRows({"#r"});
    CRgbImage dest(5, 3, kGrey);
    raster::StretchCopy(dest, {-1, 1, 6, 1}, source, {0, 0, 2, 1});
    EXPECT_EQ(ToRows(dest), (std::vector<std::string>{"ggggg", "##rrr", "ggggg"}));
    raster::StretchCopy(dest, {0, 0, 0, 3}, source, {0, 0, 2, 1});
    EXPECT_EQ(dest.Pixel(0, 0), kGrey);
}

} // namespace
