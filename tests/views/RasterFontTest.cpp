#include "support/RowName.h"
#include "views/BitmapFont.h"
#include "views/Raster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Cell(const CRgbImage& image, int x, int y, int w, int h)
{
    std::vector<std::string> rows;
    for (int row = y; row < y + h; ++row) {
        std::string line;
        for (int col = x; col < x + w; ++col) {
            const uint32_t p = image.Pixel(col, row);
            line += p == raster::kBlack ? '#' : p == raster::kWhite ? '.' : 'g';
        }
        rows.push_back(line);
    }
    return rows;
}

struct HeightCase {
    const char* name;
    int dpi;
    int height;
    int width;
};

class RasterFontCell : public testing::TestWithParam<HeightCase> {};

TEST_P(RasterFontCell, HeightIsSixPointsAtTheSurfaceResolution)
{
    EXPECT_EQ(CBitmapFont::CellHeight(GetParam().dpi), GetParam().height);
    EXPECT_EQ(CBitmapFont::CellWidth(GetParam().height), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, RasterFontCell,
                         testing::Values(HeightCase{"Screen96", 96, 8, 6}, HeightCase{"Screen120", 120, 10, 8},
                                         HeightCase{"Screen72", 72, 6, 5}, HeightCase{"Printer300", 300, 25, 19},
                                         HeightCase{"Printer600", 600, 50, 38}, HeightCase{"Zero", 0, 1, 1}),
                         RowName());

TEST(RasterFont, LetterIsBlackOnOpaqueWhiteCellAtLeftTop)
{
    CRgbImage image(10, 10, 0x808080);
    CBitmapFont::DrawText(image, 2, 1, "E", 96);
    EXPECT_EQ(Cell(image, 1, 0, 8, 10),
              (std::vector<std::string>{"gggggggg", "g#####.g", "g#.....g", "g#.....g", "g####..g", "g#.....g",
                                        "g#.....g", "g#####.g", "g......g", "gggggggg"}));
}

TEST(RasterFont, LowerCaseUsesCapitalsAndUnknownShowsBox)
{
    CRgbImage lower(6, 8);
    CRgbImage upper(6, 8);
    CBitmapFont::DrawText(lower, 0, 0, "r", 96);
    CBitmapFont::DrawText(upper, 0, 0, "R", 96);
    EXPECT_EQ(lower, upper);

    CRgbImage box(6, 8);
    CBitmapFont::DrawText(box, 0, 0, "\x80", 96);
    EXPECT_EQ(Cell(box, 0, 0, 6, 8), (std::vector<std::string>{"#####.", "#...#.", "#...#.", "#...#.", "#...#.",
                                                               "#...#.", "#####.", "......"}));
}

TEST(RasterFont, LargerSurfaceScalesTheDesign)
{
    // At 192 dpi every design pixel becomes a 2 x 2 block.
    CRgbImage big(12, 16, 0x808080);
    CRgbImage small(6, 8, 0x808080);
    CBitmapFont::DrawText(big, 0, 0, "W", 192);
    CBitmapFont::DrawText(small, 0, 0, "W", 96);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(big.Pixel(x, y), small.Pixel(x / 2, y / 2)) << x << "," << y;
}

TEST(RasterFont, TextClipsAtTheImageEdge)
{
    CRgbImage image(4, 4, 0x808080);
    CBitmapFont::DrawText(image, -3, -5, "L", 96);
    // Design rows 5 and 6 of "L" show in rows 0 and 1, columns 3 to 5 in 0 to 2.
    EXPECT_EQ(Cell(image, 0, 0, 4, 4), (std::vector<std::string>{"...g", "##.g", "...g", "gggg"}));
}

} // namespace
