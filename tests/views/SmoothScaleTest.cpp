#include "model/KestraneDoc.h"
#include "support/KestrelGameTest.h"
#include "views/BareBoard.h"
#include "views/MapRenderer.h"
#include "views/SmoothScale.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

// Smooth zoom: filtered scaling, its region form and the cache that keeps
// the scaled bare board between seasons.

namespace {

CRgbImage Noise(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    CRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, random() & 0xFFFFFF);
    return image;
}

struct SizeRow {
    const char* name;
    int fromWidth, fromHeight, toWidth, toHeight;
};

const SizeRow kSizes[] = {
    {"Enlarge", 40, 30, 128, 77},     {"Shrink", 120, 90, 37, 29},   {"Same", 50, 40, 50, 40},
    {"WiderShorter", 60, 60, 150, 20}, {"OnePixel", 1, 1, 9, 5},      {"ToOnePixel", 30, 20, 1, 1},
};

TEST(SmoothScale, AFlatColourStaysExactlyThatColour)
{
    for (const SizeRow& row : kSizes) {
        SCOPED_TRACE(row.name);
        const CRgbImage flat(row.fromWidth, row.fromHeight, 0x4080C0);
        CRgbImage scaled(row.toWidth, row.toHeight, 0);
        raster::SmoothScale(scaled, flat);
        EXPECT_EQ(scaled, CRgbImage(row.toWidth, row.toHeight, 0x4080C0));
    }
}

TEST(SmoothScale, ARegionComesOutAsInTheWholePicture)
{
    for (const SizeRow& row : kSizes) {
        SCOPED_TRACE(row.name);
        const CRgbImage source = Noise(row.fromWidth, row.fromHeight, 7);
        CRgbImage whole(row.toWidth, row.toHeight, 0);
        raster::SmoothScale(whole, source);
        CRgbImage pieces(row.toWidth, row.toHeight, 0);
        // Four overlapping-free quarters, one reaching past the edges.
        const int hw = row.toWidth / 2;
        const int hh = row.toHeight / 2;
        raster::SmoothScaleRegion(pieces, source, {0, 0, hw, hh});
        raster::SmoothScaleRegion(pieces, source, {hw, 0, row.toWidth - hw, hh});
        raster::SmoothScaleRegion(pieces, source, {0, hh, hw, row.toHeight - hh});
        raster::SmoothScaleRegion(pieces, source, {hw, hh, row.toWidth, row.toHeight});
        EXPECT_EQ(pieces, whole);
    }
}

TEST(SmoothScale, EnlargingBlendsNeighboursAndShrinkingAverages)
{
    // A black and a white column doubled: the inner pixels lie between.
    CRgbImage edge(2, 1, 0);
    edge.SetPixel(1, 0, 0xFFFFFF);
    CRgbImage wide(4, 1, 0x123456);
    raster::SmoothScale(wide, edge);
    EXPECT_EQ(wide.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(wide.Pixel(3, 0), 0xFFFFFFu);
    EXPECT_EQ(wide.Pixel(1, 0), 0x404040u);
    EXPECT_EQ(wide.Pixel(2, 0), 0xBFBFBFu);

    // A checkerboard halved is an even grey, where nearest pixel keeps one colour.
    CRgbImage checker(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            checker.SetPixel(x, y, (x + y) % 2 ? 0xFFFFFF : 0x000000);
    CRgbImage half(4, 4, 0);
    raster::SmoothScale(half, checker);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(half.Pixel(x, y), 0x808080u) << x << "," << y;
}

class SmoothZoomOfRealGame : public CKestrelGameTest {
protected:
    CRgbImage Season(size_t index, const CDisplaySettings& settings)
    {
        doc.m_posCurrent = std::next(doc.m_seasons.begin(), std::ptrdiff_t(index));
        return ComposeSeason(doc, settings, 96);
    }
};

TEST_F(SmoothZoomOfRealGame, TheCacheGivesTheWholeFilteredPictureSeasonAfterSeason)
{
    const CRgbImage bare = ComposeBareBoard(doc);
    struct Row {
        const char* name;
        size_t season;
        CDisplaySettings settings;
        int width, height;
    };
    // In turn, so that each season starts from the one before it.
    const Row rows[] = {
        {"SpringMovement", 1, {1, 0, 0}, 900, 700},   {"FallMovement", 2, {1, 1, 1}, 900, 700},
        {"Retreats", 3, {1, 1, 1}, 900, 700},         {"BackToSpring", 1, {1, 0, 1}, 900, 700},
        {"OtherSize", 4, {1, 1, 1}, 1500, 1400},      {"Adjustments", 4, {1, 0, 0}, 1500, 1400},
    };
    CSmoothZoomCache cache;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CRgbImage picture = Season(row.season, row.settings);
        CRgbImage whole(row.width, row.height);
        raster::SmoothScale(whole, picture);
        EXPECT_TRUE(cache.Scale(picture, bare, row.width, row.height) == whole);
        // Only the tiles around units, circles and letters were filtered again.
        const size_t tiles = size_t((picture.Width() + 15) / 16) * size_t((picture.Height() + 15) / 16);
        EXPECT_GT(cache.LastDirtyTiles(), 0u);
        EXPECT_LT(cache.LastDirtyTiles(), tiles / 4);
    }
}

} // namespace
