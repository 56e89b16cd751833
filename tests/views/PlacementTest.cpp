#include "support/RowName.h"
#include "views/MapPlacement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PaperCase {
    const char* name;
    int pictureWidth;
    int pictureHeight;
    CPrinterTarget printer;
    int topMargin;
    int leftMargin;
    int availHeight;
    int availWidth;
    int width;
    int height;
};

class PlacementPaper : public testing::TestWithParam<PaperCase> {};

TEST_P(PlacementPaper, MarginsRoomAndProportions)
{
    const PaperCase& c = GetParam();
    const CPaperPlacement p = PlaceOnPaper(c.pictureWidth, c.pictureHeight, c.printer);
    EXPECT_EQ(p.m_nTopMargin, c.topMargin);
    EXPECT_EQ(p.m_nLeftMargin, c.leftMargin);
    EXPECT_EQ(p.m_nAvailHeight, c.availHeight);
    EXPECT_EQ(p.m_nAvailWidth, c.availWidth);
    EXPECT_EQ(p.m_nWidth, c.width);
    EXPECT_EQ(p.m_nHeight, c.height);
    EXPECT_LE(p.m_nWidth, p.m_nAvailWidth);
    EXPECT_LE(p.m_nHeight, p.m_nAvailHeight);
    EXPECT_EQ(p.blit.to, (CRasterRect{c.leftMargin, c.topMargin, c.width, c.height}));
    EXPECT_EQ(p.blit.from, (CRasterRect{0, 0, c.pictureWidth, c.pictureHeight}));
    EXPECT_EQ(p.devicePos, (CRasterPoint{c.leftMargin - c.printer.m_origin.x, c.topMargin - c.printer.m_origin.y}));
}

// A 600 dpi letter page (4800 x 6600) under a header of T = 50 (origin y 110).
constexpr CPrinterTarget kLetter600{4800, 6600, {0, 110}};
// The same page turned to landscape.
constexpr CPrinterTarget kLandscape600{6600, 4800, {0, 110}};

INSTANTIATE_TEST_SUITE_P(
    Pictures, PlacementPaper,
    testing::Values(
        // Taller than wide: fills the available height.
        PaperCase{"TallFillsHeight", 1000, 1200, kLetter600, 649, 480, 5192, 3840, 3840, 4608},
        PaperCase{"TallNarrow", 500, 1500, kLetter600, 649, 480, 5192, 3840, 1730, 5192},
        // Taller than wide but the page is wider still: limited by the height.
        PaperCase{"TallOnLandscape", 1000, 1100, kLandscape600, 469, 660, 3752, 5280, 3410, 3752},
        // Wider than tall: fills the available width.
        PaperCase{"WideFillsWidth", 1200, 1000, kLetter600, 649, 480, 5192, 3840, 3840, 3200},
        // Wide, but too tall for a landscape page at full width: shrunk to the height.
        PaperCase{"WideLimitedByHeight", 1200, 1000, kLandscape600, 469, 660, 3752, 5280, 4502, 3752},
        // Square: ratio 1 is not "taller", so the width decides.
        PaperCase{"SquareOnPortrait", 800, 800, kLetter600, 649, 480, 5192, 3840, 3840, 3840},
        PaperCase{"SquareOnLandscape", 800, 800, kLandscape600, 469, 660, 3752, 5280, 3752, 3752},
        // A window origin right of zero shrinks the room and the margin alike.
        PaperCase{"OriginShiftsBoth", 100, 50, {1000, 1000, {100, 200}}, 80, 90, 640, 720, 720, 360},
        // Truncation towards zero everywhere: 4 * 999 / 5 = 799, 799 * 0.333... = 266.
        PaperCase{"Truncation", 3, 1, {999, 999, {0, 0}}, 99, 99, 799, 799, 799, 266}),
    RowName());

TEST(PlacementPaperCopy, RasterCapabilitiesChooseTheCopy)
{
    struct Row {
        uint32_t caps;
        PaperCopy copy;
        bool stretch;
    };
    const Row rows[] = {
        {kRcBitBlt | kRcStretchBlt | kRcStretchDib, PaperCopy::Stretch, true},
        {kRcStretchDib, PaperCopy::Stretch, true},
        {kRcStretchBlt, PaperCopy::Stretch, true},
        {kRcBitBlt, PaperCopy::Copy, false},
        {0, PaperCopy::None, false},
    };
    for (const Row& row : rows) {
        CPrinterTarget printer{1000, 1000, {0, 0}, row.caps};
        const CPaperPlacement p = PlaceOnPaper(200, 100, printer);
        EXPECT_EQ(p.copy, row.copy) << row.caps;
        if (row.copy != PaperCopy::None) {
            EXPECT_EQ(p.blit.stretch, row.stretch) << row.caps;
        }
        if (row.copy == PaperCopy::Copy) { // width x height from the corner, unscaled
            EXPECT_EQ(p.blit.from, (CRasterRect{0, 0, 800, 400}));
        }
    }
}

TEST(PlacementPaper, PictureWithoutWidthDoesNotDivideByZero)
{
    const CPaperPlacement p = PlaceOnPaper(0, 100, {1000, 1000, {0, 0}});
    EXPECT_EQ(p.m_nHeight, 0);
    EXPECT_EQ(p.m_nWidth, 800);
}

TEST(PlacementHeader, TitleRuleAndOriginFollowTheFontHeight)
{
    const CMapPrintHeader h = LayoutMapPrintHeader(50, 0, 0, 4800);
    EXPECT_EQ(h.title, (CRasterPoint{12, 25}));
    EXPECT_EQ(h.ruleFrom, (CRasterPoint{12, 85}));
    EXPECT_EQ(h.ruleTo, (CRasterPoint{4800, 85}));
    EXPECT_EQ(h.m_nDrawTop, 110);
    EXPECT_EQ(h.windowOrigin, (CRasterPoint{0, 110}));

    const CMapPrintHeader shifted = LayoutMapPrintHeader(16, 30, 40, 700);
    EXPECT_EQ(shifted.ruleFrom, (CRasterPoint{12, 51}));
    EXPECT_EQ(shifted.m_nDrawTop, 116);
    EXPECT_EQ(shifted.windowOrigin, (CRasterPoint{30, 116}));
}

TEST(PlacementScreen, ZoomFillsTheClientActualSizeKeepsThePicture)
{
    const CScreenTarget window{300, 100, 96};
    const CScreenPlacement zoomed = PlaceOnScreen(640, 480, {1, 0, 0}, window);
    EXPECT_EQ(zoomed.blit.from, (CRasterRect{0, 0, 640, 480}));
    EXPECT_EQ(zoomed.blit.to, (CRasterRect{0, 0, 300, 100}));
    EXPECT_EQ(zoomed.m_cxScroll, 300);
    EXPECT_EQ(zoomed.m_cyScroll, 100);

    // Any non-zero value zooms.
    EXPECT_EQ(PlaceOnScreen(640, 480, {2, 0, 0}, window).blit.to, (CRasterRect{0, 0, 300, 100}));

    const CScreenPlacement actual = PlaceOnScreen(640, 480, {0, 0, 0}, window);
    EXPECT_EQ(actual.blit.to, (CRasterRect{0, 0, 640, 480}));
    EXPECT_EQ(actual.m_cxScroll, 640);
    EXPECT_EQ(actual.m_cyScroll, 480);
}

TEST(PlacementScreen, ScrollSizesAreSetOnlyWhenTheyChange)
{
    CScrollSizeCache cache;
    EXPECT_EQ(cache.Cx(), 0);
    EXPECT_EQ(cache.Cy(), 0);
    EXPECT_FALSE(cache.Update(0, 0));
    EXPECT_TRUE(cache.Update(640, 480));
    EXPECT_FALSE(cache.Update(640, 480));
    EXPECT_TRUE(cache.Update(640, 481));
    EXPECT_TRUE(cache.Update(641, 481));
    EXPECT_EQ(cache.Cx(), 641);
    EXPECT_EQ(cache.Cy(), 481);
}

} // namespace
