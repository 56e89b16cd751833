#include "support/BitmapBuilder.h"
#include "support/RecordingServices.h"
#include "picture/Dib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <sstream>

namespace {

using bmp::BitmapSpec;

bool LoadBytes(CDIB& dib, const std::string& bytes, CRecordingServices& services)
{
    std::istringstream in(bytes);
    return dib.Load(in, &services);
}

std::vector<uint8_t> Bytes(const std::string& s)
{
    return std::vector<uint8_t>(s.begin(), s.end());
}

// The 40-byte Windows header a picture holds.
std::vector<uint8_t> HeaderOf(const CDIB& dib)
{
    return {dib.Info().begin(), dib.Info().begin() + 40};
}

// A 40-byte header of one plane with no compression and every later field zero.
std::vector<uint8_t> PlainHeader(uint32_t width, uint32_t height, uint16_t bitsPerPixel)
{
    std::string header;
    bmp::AppendU32(header, 40);
    bmp::AppendU32(header, width);
    bmp::AppendU32(header, height);
    bmp::AppendU16(header, 1);
    bmp::AppendU16(header, bitsPerPixel);
    header += std::string(24, '\0');
    return Bytes(header);
}

uint32_t U32At(const std::vector<uint8_t>& block, size_t at)
{
    return uint32_t(block[at]) | uint32_t(block[at + 1]) << 8 | uint32_t(block[at + 2]) << 16 |
           uint32_t(block[at + 3]) << 24;
}

uint32_t Index(int x, int y)
{
    return uint32_t(x + 3 * y);
}

BitmapSpec EightBit(int width, int height)
{
    BitmapSpec desc = bmp::Sized(width, height);
    desc.palette = {0x102030, 0x405060, 0x708090};
    desc.pixels = bmp::PackRows(width, height, 8, Index);
    return desc;
}

// A loaded picture that differs from the 16 x 16 default, to see that a
// failed load keeps it.
void LoadKnownPicture(CDIB& dib)
{
    CRecordingServices services;
    ASSERT_TRUE(LoadBytes(dib, bmp::Build(EightBit(3, 2)), services));
    ASSERT_EQ(dib.Width(), 3);
}

struct ColourCountCase {
    const char* name;
    bool coreHeader;
    int bitsPerPixel;
    uint32_t compression;
    uint32_t coloursUsed;
    int expected;
};

TEST(DibLoad, ColourCountFollowsDepthOrColoursUsed)
{
    const ColourCountCase cases[] = {
        {"mono", false, 1, bmp::kRgb, 0, 2},
        {"sixteen", false, 4, bmp::kRgb, 0, 16},
        {"eightBit", false, 8, bmp::kRgb, 0, 256},
        {"highColour", false, 16, bmp::kRgb, 0, 0},
        {"trueColour", false, 24, bmp::kRgb, 0, 0},
        {"thirtyTwo", false, 32, bmp::kRgb, 0, 0},
        {"eightBitColoursUsed", false, 8, bmp::kRgb, 5, 5},
        {"trueColourColoursUsed", false, 24, bmp::kRgb, 3, 3},
        {"coloursUsedAboveTable", false, 8, bmp::kRgb, 1000, 256},
        {"coreMono", true, 1, bmp::kRgb, 0, 2},
        {"coreEightBit", true, 8, bmp::kRgb, 0, 256},
        {"coreTrueColour", true, 24, bmp::kRgb, 0, 0},
        {"rle8", false, 8, bmp::kRle8, 0, 256},
        {"rle4", false, 4, bmp::kRle4, 0, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapSpec desc = bmp::Sized(3, 2, c.bitsPerPixel, c.compression);
        desc.coreHeader = c.coreHeader;
        desc.coloursUsed = c.coloursUsed;
        desc.pixels = std::string(64, '\0');
        CDIB dib;
        CRecordingServices services;
        ASSERT_TRUE(LoadBytes(dib, bmp::Build(desc), services));
        EXPECT_EQ(dib.ColourCount(), c.expected);
        EXPECT_TRUE(services.messages.empty());
    }
}

TEST(DibLoad, WindowsHeaderAndPixelsAreKeptAsStored)
{
    const BitmapSpec desc = EightBit(5, 2);
    const std::string file = bmp::Build(desc);
    CDIB dib;
    CRecordingServices services;
    ASSERT_TRUE(LoadBytes(dib, file, services));
    EXPECT_EQ(dib.Width(), 5);
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(dib.BitsPerPixel(), 8);
    // The 40 header bytes exactly as in the file.
    EXPECT_EQ(HeaderOf(dib), Bytes(file.substr(14, 40)));
    // The table is the 1024 bytes after the header: three entries, then the pixel bytes.
    EXPECT_EQ(std::vector<uint8_t>(dib.Info().begin() + 40, dib.Info().begin() + 52),
              (std::vector<uint8_t>{0x30, 0x20, 0x10, 0, 0x60, 0x50, 0x40, 0, 0x90, 0x80, 0x70, 0}));
    EXPECT_EQ(dib.Info()[52], uint8_t(Index(0, 1)));
    EXPECT_EQ(dib.Info().size(), 1064u);
    EXPECT_EQ(dib.Bits(), Bytes(desc.pixels));
}

TEST(DibLoad, CoreHeaderBecomesTheWindowsForm)
{
    // Wider than 32767: the 16-bit field is read without sign.
    BitmapSpec desc = bmp::Sized(40000, 1, 4);
    desc.coreHeader = true;
    desc.palette = std::vector<uint32_t>(16, 0);
    desc.palette[1] = 0xA1B2C3;
    desc.palette[15] = 0x010203;
    desc.pixels = bmp::PackRows(40000, 1, 4, [](int, int) { return 1u; });
    CDIB dib;
    CRecordingServices services;
    ASSERT_TRUE(LoadBytes(dib, bmp::Build(desc), services));

    EXPECT_EQ(HeaderOf(dib), PlainHeader(40000, 1, 4));
    EXPECT_EQ(std::vector<uint8_t>(dib.ColourEntry(1), dib.ColourEntry(1) + 4), (std::vector<uint8_t>{0xC3, 0xB2, 0xA1, 0}));
    EXPECT_EQ(std::vector<uint8_t>(dib.ColourEntry(15), dib.ColourEntry(15) + 4), (std::vector<uint8_t>{3, 2, 1, 0}));
    EXPECT_EQ(dib.ColourCount(), 16);
    EXPECT_EQ(dib.Width(), 40000);
    EXPECT_EQ(dib.Bits(), Bytes(desc.pixels));
}

TEST(DibLoad, ReadsFromTheStreamPositionAndSeeksToTheOffset)
{
    BitmapSpec desc = EightBit(3, 2);
    desc.gap = "GAPGAPGAP";
    std::istringstream in("JUNKJUNK" + bmp::Build(desc) + "TRAILER");
    in.seekg(8);
    CDIB dib;
    CRecordingServices services;
    ASSERT_TRUE(dib.Load(in, &services));
    // The pixel size is file size minus offset: the trailer is not part of it.
    EXPECT_EQ(dib.Bits(), Bytes(desc.pixels));
    EXPECT_EQ(dib.Decode().Pixel(2, 0), 0x708090u);
}

struct LongHeaderCase {
    const char* name;
    uint32_t headerSize;
    int bitsPerPixel;
    uint32_t compression;
    std::vector<uint32_t> palette;
    std::vector<uint32_t> masks;
    std::vector<uint32_t> raw; // two pixels
    std::vector<uint32_t> expected;
};

TEST(DibLoad, LongerHeadersAreReadAsWindowsHeaders)
{
    const LongHeaderCase cases[] = {
        {"v5BitFields", 124, 16, bmp::kBitFields, {}, {0xF800, 0x07E0, 0x001F, 0}, {0x001F, 0xF800}, {0x0000FF, 0xFF0000}},
        {"v4TrueColour", 108, 24, bmp::kRgb, {}, {0xFF0000, 0xFF00, 0xFF, 0}, {0x123456, 0x654321}, {0x123456, 0x654321}},
        {"v3AlphaBitFields", 56, 32, bmp::kBitFields, {}, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, {0x00332211, 0xFF0000FF},
         {0x112233, 0xFF0000}},
        {"v2EightBit", 52, 8, bmp::kRgb, {0x0A0B0C, 0x0D0E0F}, {0, 0, 0}, {1, 0}, {0x0D0E0F, 0x0A0B0C}},
        {"os2EightBit", 64, 8, bmp::kRgb, {0x0A0B0C, 0x0D0E0F}, {}, {1, 0}, {0x0D0E0F, 0x0A0B0C}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapSpec desc = bmp::Sized(2, 1, c.bitsPerPixel, c.compression);
        desc.headerSize = c.headerSize;
        desc.palette = c.palette;
        desc.coloursUsed = uint32_t(c.palette.size());
        desc.masks = c.masks;
        desc.pixels = bmp::PackRows(2, 1, c.bitsPerPixel, [&](int x, int) { return c.raw[size_t(x)]; });
        CDIB dib;
        CRecordingServices services;
        ASSERT_TRUE(LoadBytes(dib, bmp::Build(desc), services));
        EXPECT_EQ(dib.Width(), 2);
        EXPECT_EQ(dib.Height(), 1);
        EXPECT_EQ(U32At(dib.Info(), 0), 40u); // held in the 40-byte form
        EXPECT_EQ(dib.ColourCount(), int(c.palette.size()));
        const CRgbImage image = dib.Decode();
        EXPECT_EQ(image.Pixel(0, 0), c.expected[0]);
        EXPECT_EQ(image.Pixel(1, 0), c.expected[1]);
    }
}

TEST(DibLoad, ShortFileFillsWhatIsMissingWithZeros)
{
    // Cut inside the colour table: the rest of the table and the pixels are zeros.
    BitmapSpec desc = EightBit(3, 2);
    const std::string full = bmp::Build(desc);
    CDIB dib;
    CRecordingServices services;
    ASSERT_TRUE(LoadBytes(dib, full.substr(0, 14 + 40 + 6), services));
    std::vector<uint8_t> table(1024, 0);
    const uint8_t delivered[] = {0x30, 0x20, 0x10, 0, 0x60, 0x50};
    std::copy(std::begin(delivered), std::end(delivered), table.begin());
    EXPECT_EQ(std::vector<uint8_t>(dib.Info().begin() + 40, dib.Info().end()), table);
    EXPECT_TRUE(dib.Bits().empty());
    EXPECT_TRUE(services.messages.empty());
}

TEST(DibLoad, NeverAllocatesMoreThanTheFileHolds)
{
    BitmapSpec desc = EightBit(3, 2);
    const std::string full = bmp::Build(desc);
    CDIB dib;
    CRecordingServices services;
    ASSERT_TRUE(LoadBytes(dib, full.substr(0, full.size() - 3), services));
    EXPECT_EQ(dib.Bits(), Bytes(desc.pixels.substr(0, desc.pixels.size() - 3)));
}

struct RefusalCase {
    const char* name;
    BitmapSpec desc;
    const char* message; // nullptr: refused silently
};

BitmapSpec With(BitmapSpec desc, const std::function<void(BitmapSpec&)>& change)
{
    change(desc);
    return desc;
}

TEST(DibLoad, RefusesDamagedOrUndrawableFilesAndKeepsThePicture)
{
    const BitmapSpec base = EightBit(3, 2);
    const RefusalCase cases[] = {
        {"absurdPixelSize", With(base, [](BitmapSpec& s) { s.fileSizeField = 0xFFFFFFF0u; }),
         "Out of Memory, cannot allocate bitmap data"},
        {"negativePixelSize", With(base, [](BitmapSpec& s) { s.fileSizeField = 20u; }),
         "Out of Memory, cannot allocate bitmap data"},
        {"jpegCompression", With(base, [](BitmapSpec& s) { s.compression = 4; }), nullptr},
        {"rle8AtFourBits", With(base, [](BitmapSpec& s) { s.compression = bmp::kRle8; s.bitsPerPixel = 4; }), nullptr},
        {"rle4AtEightBits", With(base, [](BitmapSpec& s) { s.compression = bmp::kRle4; }), nullptr},
        {"bitFieldsAtEightBits", With(base, [](BitmapSpec& s) { s.compression = bmp::kBitFields; }), nullptr},
        {"topDownRunLength", With(base, [](BitmapSpec& s) { s.compression = bmp::kRle8; s.height = -2; }), nullptr},
        {"twoBitsPerPixel", With(base, [](BitmapSpec& s) { s.bitsPerPixel = 2; }), nullptr},
        {"zeroWidth", With(base, [](BitmapSpec& s) { s.width = 0; }), nullptr},
        {"zeroHeight", With(base, [](BitmapSpec& s) { s.height = 0; }), nullptr},
        {"negativeWidth", With(base, [](BitmapSpec& s) { s.width = -3; }), nullptr},
        {"hugeDimensions", With(base, [](BitmapSpec& s) { s.width = 60000; s.height = 60000; }), nullptr},
        {"mostNegativeHeight", With(base, [](BitmapSpec& s) { s.height = INT32_MIN; }), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CDIB dib;
        LoadKnownPicture(dib);
        const auto infoBefore = dib.Info();
        const auto bitsBefore = dib.Bits();
        CRecordingServices services;
        EXPECT_FALSE(LoadBytes(dib, bmp::Build(c.desc), services));
        EXPECT_EQ(dib.Info(), infoBefore);
        EXPECT_EQ(dib.Bits(), bitsBefore);
        if (c.message)
            EXPECT_EQ(services.messages,
                      (std::vector<CRecordingServices::Message>{{c.message, MessageIcon::Exclamation}}));
        else
            EXPECT_TRUE(services.messages.empty());
    }
}

TEST(DibLoad, RefusesWhatIsNotABitmapSilently)
{
    const std::string file = bmp::Build(EightBit(3, 2));
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"oneByte", "B"},
        {"reversedSignature", "MB" + file.substr(2)},
        {"lowerCaseSignature", "bm" + file.substr(2)},
        {"text", "This is not a picture at all"},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        CDIB dib;
        LoadKnownPicture(dib);
        CRecordingServices services;
        EXPECT_FALSE(LoadBytes(dib, bytes, services));
        EXPECT_EQ(dib.Width(), 3);
        EXPECT_TRUE(services.messages.empty());
    }
}

TEST(DibCreate, MakesAGreyRampEightBitPicture)
{
    CDIB dib;
    EXPECT_EQ(dib.Width(), 16);
    EXPECT_EQ(dib.Height(), 16);
    ASSERT_TRUE(dib.Create(5, 3));
    EXPECT_EQ(HeaderOf(dib), PlainHeader(5, 3, 8));
    for (int i : {0, 1, 127, 255})
        EXPECT_EQ(std::vector<uint8_t>(dib.ColourEntry(i), dib.ColourEntry(i) + 4),
                  (std::vector<uint8_t>{uint8_t(i), uint8_t(i), uint8_t(i), 0}));
    // Rows of (width + 3) rounded down to a multiple of 4 bytes.
    EXPECT_EQ(dib.Bits().size(), 8u * 3u);
    EXPECT_EQ(dib.ColourCount(), 256);
}

} // namespace
