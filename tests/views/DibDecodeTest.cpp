#include "support/BitmapBuilder.h"
#include "support/ByteString.h"
#include "support/ImageRows.h"
#include "support/RecordingServices.h"
#include "picture/Dib.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using bmp::BitmapSpec;
using testbytes::Bytes;

CDIB Loaded(const std::string& bytes)
{
    CDIB dib;
    CRecordingServices services;
    std::istringstream in(bytes);
    EXPECT_TRUE(dib.Load(in, &services));
    EXPECT_TRUE(services.messages.empty());
    return dib;
}

// Rows of the image written as text, top row first, one hex colour per pixel.
std::vector<std::string> Rows(const CRgbImage& image)
{
    const auto hex = [](uint32_t pixel) {
        char cell[8];
        std::snprintf(cell, sizeof cell, "%06X", pixel);
        return std::string(cell);
    };
    return ImageRows(image, hex, " ");
}

// Distinct colours by index: the red byte is the index.
std::vector<uint32_t> Palette(int count)
{
    std::vector<uint32_t> palette;
    for (int i = 0; i < count; ++i)
        palette.push_back((uint32_t(i) << 16) | (uint32_t(255 - i) << 8) | uint32_t((i * 37) & 0xFF));
    return palette;
}

struct IndexedCase {
    const char* name;
    bool coreHeader;
    int bitsPerPixel;
    uint32_t compression;
    bool topDown;
};

TEST(DibDecode, IndexedDepthsGiveTheTableColourOfEveryPixel)
{
    const IndexedCase cases[] = {
        {"mono", false, 1, bmp::kRgb, false},
        {"sixteen", false, 4, bmp::kRgb, false},
        {"eightBit", false, 8, bmp::kRgb, false},
        {"monoTopDown", false, 1, bmp::kRgb, true},
        {"sixteenTopDown", false, 4, bmp::kRgb, true},
        {"eightBitTopDown", false, 8, bmp::kRgb, true},
        {"coreMono", true, 1, bmp::kRgb, false},
        {"coreSixteen", true, 4, bmp::kRgb, false},
        {"coreEightBit", true, 8, bmp::kRgb, false},
        {"rle8", false, 8, bmp::kRle8, false},
        {"rle4", false, 4, bmp::kRle4, false},
    };
    // Odd widths exercise the row padding and the half-byte and bit positions.
    for (const int width : {1, 7, 13, 33}) {
        const int height = 3;
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " width " + std::to_string(width));
            const int colours = 1 << c.bitsPerPixel;
            auto index = [&](int x, int y) { return uint32_t((x * 3 + y * 5 + 1) % colours); };
            BitmapSpec desc = bmp::Sized(width, c.topDown ? -height : height, c.bitsPerPixel, c.compression);
            desc.coreHeader = c.coreHeader;
            desc.palette = Palette(colours);
            desc.pixels = c.compression == bmp::kRle8   ? bmp::EncodeRle8(width, height, index)
                          : c.compression == bmp::kRle4 ? bmp::EncodeRle4(width, height, index)
                                                        : bmp::PackRows(width, height, c.bitsPerPixel, index, c.topDown);
            const CRgbImage image = Loaded(bmp::Build(desc)).Decode();
            ASSERT_EQ(image.Width(), width);
            ASSERT_EQ(image.Height(), height);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(image.Pixel(x, y), desc.palette[index(x, y)]) << "at " << x << ", " << y;
        }
    }
}

struct DirectCase {
    const char* name;
    int bitsPerPixel;
    uint32_t compression;
    std::vector<uint32_t> masks;
    std::vector<uint32_t> raw; // 3 x 2 pixels, top row first
    std::vector<std::string> expected;
};

TEST(DibDecode, DirectDepthsWidenEveryComponent)
{
    const DirectCase cases[] = {
        {"fiveFiveFive", 16, bmp::kRgb, {},
         {0x7FFF, 0x7C00, 0x0210, 0x8000, 0x0001, 0x4210},
         {"FFFFFF FF0000 008484", "000000 000008 848484"}},
        {"fiveSixFive", 16, bmp::kBitFields, {0xF800, 0x07E0, 0x001F},
         {0xFFFF, 0xF800, 0x07E0, 0x8410, 0x0020, 0x0000},
         {"FFFFFF FF0000 00FF00", "848284 000400 000000"}},
        {"trueColour", 24, bmp::kRgb, {},
         {0x123456, 0xFFFFFF, 0x000001, 0x800000, 0x00FF00, 0xABCDEF},
         {"123456 FFFFFF 000001", "800000 00FF00 ABCDEF"}},
        {"thirtyTwo", 32, bmp::kRgb, {},
         {0xAABBCCDD, 0x00000000, 0xFF102030, 0x00FFFFFF, 0x11000000, 0x00010203},
         {"BBCCDD 000000 102030", "FFFFFF 000000 010203"}},
        {"thirtyTwoSwappedMasks", 32, bmp::kBitFields, {0x000000FF, 0x0000FF00, 0x00FF0000},
         {0x00112233, 0xFF0000FF, 0x00FF0000, 0, 0, 0},
         {"332211 FF0000 0000FF", "000000 000000 000000"}},
        {"thirtyTwoTenBit", 32, bmp::kBitFields, {0x3FF00000, 0x000FFC00, 0x000003FF},
         {0x3FF00000, 0x20000000, 0x000FFC00, 0x000003FF, 0x00000100, 0x3FFFFFFF},
         {"FF0000 800000 00FF00", "0000FF 000040 FFFFFF"}},
        {"zeroMask", 16, bmp::kBitFields, {0xF800, 0x0000, 0x001F},
         {0xFFFF, 0x07E0, 0, 0, 0, 0},
         {"FF00FF 000000 000000", "000000 000000 000000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapSpec desc = bmp::Sized(3, 2, c.bitsPerPixel, c.compression);
        desc.masks = c.masks;
        desc.pixels = bmp::PackRows(3, 2, c.bitsPerPixel, [&](int x, int y) { return c.raw[size_t(y * 3 + x)]; });
        EXPECT_EQ(Rows(Loaded(bmp::Build(desc)).Decode()), c.expected);
    }
}

// Colour 0 is 111111 so that pixels left unset are told apart from black.
const std::vector<uint32_t> kRunPalette{0x111111, 0xAA0000, 0x00BB00, 0x0000CC, 0xDDDDDD, 0, 0x666666};

struct RunLengthCase {
    const char* name;
    int width;
    int height;
    uint32_t compression;
    std::string bits;
    std::vector<std::string> expected;
};

TEST(DibDecode, RunLengthEscapesAndDamagedRuns)
{
    const RunLengthCase cases[] = {
        {"rle8RunsAbsoluteAndDelta", 6, 3, bmp::kRle8,
         Bytes({3, 1, 0, 3, 2, 3, 4, 0, 0, 0,     // bottom: run of three 1, absolute 2 3 4 (padded)
            2, 2, 0, 2, 1, 0, 1, 3, 0, 0,     // middle: run, delta right 1, one 3
            0, 2, 2, 0, 2, 4, 0, 1}),          // top: delta right 2, run of two 4, end
         {"111111 111111 DDDDDD DDDDDD 111111 111111", "00BB00 00BB00 111111 0000CC 111111 111111",
          "AA0000 AA0000 AA0000 00BB00 0000CC DDDDDD"}},
        {"rle8DeltaUpKeepsTheColumn", 4, 3, bmp::kRle8,
         Bytes({0, 2, 1, 1, 1, 2, 0, 2, 1, 1, 1, 3, 0, 1}),
         {"111111 111111 111111 0000CC", "111111 00BB00 111111 111111", "111111 111111 111111 111111"}},
        {"rle8EndOfPictureStopsEarly", 3, 2, bmp::kRle8, Bytes({3, 2, 0, 1, 3, 4, 0, 0}),
         {"111111 111111 111111", "00BB00 00BB00 00BB00"}},
        {"rle8RunPastTheRowIsCut", 4, 2, bmp::kRle8, Bytes({255, 1, 0, 0, 1, 3, 0, 1}),
         {"0000CC 111111 111111 111111", "AA0000 AA0000 AA0000 AA0000"}},
        {"rle8DeltaOutsideThePicture", 3, 2, bmp::kRle8, Bytes({0, 2, 200, 200, 1, 4, 0, 1}),
         {"111111 111111 111111", "111111 111111 111111"}},
        {"rle8AbsoluteRunPastTheBlock", 4, 1, bmp::kRle8, Bytes({0, 250, 1, 2}),
         {"AA0000 00BB00 111111 111111"}},
        {"rle8OddTrailingByte", 2, 1, bmp::kRle8, Bytes({1, 3, 2}), {"0000CC 111111"}},
        {"rle8NoEndMark", 2, 2, bmp::kRle8, Bytes({2, 1}), {"111111 111111", "AA0000 AA0000"}},
        {"rle4RunsAlternateNibbles", 5, 2, bmp::kRle4, Bytes({5, 0x12, 0, 0, 0, 3, 0x34, 0x60, 2, 0x66, 0, 1}),
         {"0000CC DDDDDD 666666 666666 666666", "AA0000 00BB00 AA0000 00BB00 AA0000"}},
        {"rle4OddAbsoluteRunIsPadded", 5, 1, bmp::kRle4, Bytes({0, 5, 0x12, 0x34, 0x40, 0, 0, 1}),
         {"AA0000 00BB00 0000CC DDDDDD DDDDDD"}},
        {"rle4IndexBeyondTheTableIsBlack", 2, 1, bmp::kRle4, Bytes({2, 0xF1, 0, 1}), {"000000 AA0000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapSpec desc = bmp::Sized(c.width, c.height, c.compression == bmp::kRle8 ? 8 : 4, c.compression);
        desc.palette = kRunPalette;
        desc.coloursUsed = uint32_t(kRunPalette.size());
        desc.pixels = c.bits;
        EXPECT_EQ(Rows(Loaded(bmp::Build(desc)).Decode()), c.expected);
    }
}

TEST(DibDecode, IndexesBeyondTheColoursUsedAreBlack)
{
    BitmapSpec desc = bmp::Sized(3, 1);
    desc.palette = {0x101010, 0x202020, 0x303030};
    desc.coloursUsed = 2;
    desc.pixels = bmp::PackRows(3, 1, 8, [](int x, int) { return uint32_t(x); });
    EXPECT_EQ(Rows(Loaded(bmp::Build(desc)).Decode()), (std::vector<std::string>{"101010 202020 000000"}));
}

TEST(DibDecode, RowsTheBlockLacksAreColourZero)
{
    BitmapSpec desc = bmp::Sized(2, 3);
    desc.palette = {0x00FF00, 0x0000FF};
    desc.pixels = bmp::PackRows(2, 3, 8, [](int, int) { return 1u; }).substr(0, 6); // bottom row and a half
    EXPECT_EQ(Rows(Loaded(bmp::Build(desc)).Decode()),
              (std::vector<std::string>{"00FF00 00FF00", "0000FF 0000FF", "0000FF 0000FF"}));

    desc.bitsPerPixel = 24;
    desc.palette.clear();
    desc.pixels = bmp::PackRows(2, 3, 24, [](int, int) { return 0xFFFFFFu; }).substr(0, 10);
    EXPECT_EQ(Rows(Loaded(bmp::Build(desc)).Decode()),
              (std::vector<std::string>{"000000 000000", "00FFFF 000000", "FFFFFF FFFFFF"}));
}

TEST(DibDecode, TopDownAndBottomUpGiveTheSamePicture)
{
    auto index = [](int x, int y) { return uint32_t(x + 4 * y); };
    BitmapSpec up;
    up.width = 4;
    up.height = 3;
    up.palette = Palette(12);
    up.pixels = bmp::PackRows(4, 3, 8, index);
    BitmapSpec down = up;
    down.height = -3;
    down.pixels = bmp::PackRows(4, 3, 8, index, true);
    ASSERT_NE(up.pixels, down.pixels);
    const CRgbImage a = Loaded(bmp::Build(up)).Decode();
    EXPECT_EQ(a, Loaded(bmp::Build(down)).Decode());
    EXPECT_EQ(a.Pixel(3, 0), up.palette[3]);
    EXPECT_EQ(a.Pixel(0, 2), up.palette[8]);
}

CDIB TwoByTwo()
{
    BitmapSpec desc = bmp::Sized(2, 2, 24);
    const uint32_t colours[] = {0x0000A1, 0x0000A2, 0x0000B1, 0x0000B2};
    desc.pixels = bmp::PackRows(2, 2, 24, [&](int x, int y) { return colours[y * 2 + x]; });
    return Loaded(bmp::Build(desc));
}

TEST(DibDraw, CopiesAtItsOwnSizeStretchesAndClips)
{
    const CDIB dib = TwoByTwo();
    struct Case {
        const char* name;
        int destWidth, destHeight, x, y, width, height;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"ownSizeAtAnOffset", 4, 3, 1, 1, 2, 2, {"EEEEEE EEEEEE EEEEEE EEEEEE", "EEEEEE 0000A1 0000A2 EEEEEE", "EEEEEE 0000B1 0000B2 EEEEEE"}},
        {"doubled", 4, 4, 0, 0, 4, 4,
         {"0000A1 0000A1 0000A2 0000A2", "0000A1 0000A1 0000A2 0000A2", "0000B1 0000B1 0000B2 0000B2",
          "0000B1 0000B1 0000B2 0000B2"}},
        {"stretchedWide", 3, 2, 0, 0, 3, 1, {"0000A1 0000A1 0000A2", "EEEEEE EEEEEE EEEEEE"}},
        {"shrunk", 2, 2, 0, 0, 1, 1, {"0000A1 EEEEEE", "EEEEEE EEEEEE"}},
        {"clippedTopLeft", 2, 2, -1, -1, 2, 2, {"0000B2 EEEEEE", "EEEEEE EEEEEE"}},
        {"clippedBottomRight", 2, 2, 1, 1, 4, 4, {"EEEEEE EEEEEE", "EEEEEE 0000A1"}},
        {"entirelyOutside", 2, 2, 5, 5, 2, 2, {"EEEEEE EEEEEE", "EEEEEE EEEEEE"}},
        {"emptyRectangle", 2, 2, 0, 0, 0, 2, {"EEEEEE EEEEEE", "EEEEEE EEEEEE"}},
        {"negativeRectangle", 2, 2, 1, 1, -2, -2, {"EEEEEE EEEEEE", "EEEEEE EEEEEE"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRgbImage dest(c.destWidth, c.destHeight, 0xEEEEEE);
        dib.Draw(dest, c.x, c.y, c.width, c.height);
        EXPECT_EQ(Rows(dest), c.expected);
    }
}

TEST(DibDraw, DrawsTheNewPictureAfterALoad)
{
    CDIB dib = TwoByTwo();
    CRgbImage dest(2, 2);
    dib.Draw(dest, 0, 0, 2, 2);
    ASSERT_EQ(dest.Pixel(0, 0), 0x0000A1u);

    std::istringstream in(bmp::MakeBitmap8(2, 2, {0x123456}, [](int, int) { return 0u; }));
    CRecordingServices services;
    ASSERT_TRUE(dib.Load(in, &services));
    dib.Draw(dest, 0, 0, 2, 2);
    EXPECT_EQ(dest.Pixel(0, 0), 0x123456u);

    ASSERT_TRUE(dib.Create(2, 2));
    dib.Draw(dest, 0, 0, 2, 2);
    EXPECT_EQ(dest.Pixel(1, 1), 0x000000u); // the empty picture's pixels are entry 0 of the grey ramp
}

} // namespace
