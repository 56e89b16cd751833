#include "model/KestraneDoc.h"
#include "support/BitmapBuilder.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"
#include "support/TestGame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Message = CRecordingServices::Message;

const std::string kPicture = bmp::MakeBitmap8(4, 3, {0x112233, 0x445566}, [](int x, int) { return uint32_t(x % 2); });

TEST(NewGame, MapNameIsTheFileTitleOfTheChosenFile)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Games\\Kestrane\\Maps\\Standard.map", "Standard"},
        {"/home/me/maps/Board.old.map", "Board.old"},
        {"Board", "Board"},
        {"D:\\Elsewhere/Mixed\\Chaos.MAP", "Chaos"},
        {"dir.with.dots/NoExtension", "NoExtension"},
        {".map", ""},
    };
    for (const auto& [chosen, title] : cases) {
        SCOPED_TRACE(chosen);
        CTempDir dir;
        CRecordingServices services(dir.Str());
        CKestraneDoc doc(services);
        EXPECT_FALSE(doc.OnNewDocument(chosen));
        EXPECT_EQ(doc.m_strMapName, title);
        EXPECT_EQ(services.Texts(), (std::vector<std::string>{"Cannot Open File:Maps\\" + std::string(title) + ".map"}));
    }
}

TEST(NewGame, ReadsTheMapsFolderNotTheFolderTheUserChose)
{
    CTempDir dir;
    dir.Write("Maps/Board.map", "MAP: \"BOARD.BMP\"\nSCRADIUS: 6\n");
    dir.Write("Maps/BOARD.BMP", kPicture);
    const auto elsewhere = dir.Write("Elsewhere/Board.map", "MAP: \"OTHER.BMP\"\nSCRADIUS: 9\n");
    dir.Write("Elsewhere/OTHER.BMP", kPicture);
    CRecordingServices services(dir.Str());
    CKestraneDoc doc(services);
    ASSERT_TRUE(doc.OnNewDocument(elsewhere.string()));
    EXPECT_EQ(doc.m_nSCRadius, 6);
    EXPECT_EQ(doc.m_strImagePath, "Maps\\BOARD.BMP");
    EXPECT_TRUE(services.messages.empty());
}

TEST(NewGame, PictureIsFoundWithoutRegardToCase)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Maps/Std.map", "Maps/BOARD.BMP"},
        {"Maps/Std.map", "Maps/board.bmp"},
        {"maps/std.map", "maps/board.bmp"},
        {"MAPS/STD.MAP", "MAPS/Board.Bmp"},
    };
    for (const auto& [mapFile, pictureFile] : cases) {
        SCOPED_TRACE(pictureFile);
        CTempDir dir;
        dir.Write(mapFile, "map: \"board.bmp\"\n");
        dir.Write(pictureFile, kPicture);
        CRecordingServices services(dir.Str());
        CKestraneDoc doc(services);
        ASSERT_TRUE(doc.OnNewDocument("Std.map"));
        EXPECT_EQ(doc.m_strImagePath, "Maps\\BOARD.BMP");
        EXPECT_EQ(doc.m_dib.Width(), 4);
        EXPECT_EQ(doc.m_dib.Decode().Pixel(1, 0), 0x445566u);
    }
}

struct FailureCase {
    const char* name;
    std::string mapText;
    std::string pictureName; // empty: no picture written
    std::string pictureBytes;
    std::vector<Message> messages;
};

TEST(NewGame, FailuresGiveTheirMessagesAndNoGame)
{
    const FailureCase cases[] = {
        {"noMapLine", "SCRADIUS: 4\n", "BOARD.BMP", kPicture, {{"Cannot open image file", MessageIcon::None}}},
        {"pictureMissing", "MAP: \"BOARD.BMP\"\n", "", "", {{"Cannot open image file", MessageIcon::None}}},
        {"nameWithABlank", "MAP: \"MY BOARD.BMP\"\n", "MY BOARD.BMP", kPicture,
         {{"Cannot open image file", MessageIcon::None}}},
        {"notABitmap", "MAP: \"BOARD.BMP\"\n", "BOARD.BMP", "GIF89a", {{"Failed to load image", MessageIcon::None}}},
        {"damagedPixelSize", "MAP: \"BOARD.BMP\"\n", "BOARD.BMP",
         [] {
             bmp::BitmapSpec desc;
             desc.fileSizeField = 0xFFFFFF00u;
             desc.pixels = std::string(16, '\0');
             return bmp::Build(desc);
         }(),
         {{"Out of Memory, cannot allocate bitmap data", MessageIcon::Exclamation},
          {"Failed to load image", MessageIcon::None}}},
        {"countMismatchStopsBeforeThePicture", "MAP: \"BOARD.BMP\"\nCOUNTRYCOUNT: 2\n", "", "",
         {{"Error in Maps\\Std.map, countrycount must equal the number of countries.", MessageIcon::None}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTempDir dir;
        dir.Write("Maps/Std.map", c.mapText);
        if (!c.pictureName.empty())
            dir.Write("Maps/" + c.pictureName, c.pictureBytes);
        CRecordingServices services(dir.Str());
        CKestraneDoc doc(services);
        EXPECT_FALSE(doc.OnNewDocument("Std.map"));
        EXPECT_EQ(services.messages, c.messages);
        EXPECT_EQ(doc.m_dib.Width(), 16); // the default picture is still there
    }
}

TEST(NewGame, CancelledDialogMakesNoGameAndSaysNothing)
{
    CRecordingServices services;
    CKestraneDoc doc(services);
    EXPECT_FALSE(doc.OnNewDocument(""));
    EXPECT_TRUE(services.messages.empty());
}

struct PaletteCase {
    const char* name;
    bmp::BitmapSpec desc;
    bool made;
    std::vector<CPaletteEntry> expected;
};

bmp::BitmapSpec Desc(int bitsPerPixel, std::vector<uint32_t> palette, uint32_t coloursUsed)
{
    bmp::BitmapSpec desc;
    desc.width = 2;
    desc.height = 2;
    desc.bitsPerPixel = bitsPerPixel;
    desc.palette = std::move(palette);
    desc.coloursUsed = coloursUsed;
    desc.pixels = bmp::PackRows(2, 2, bitsPerPixel, [](int, int) { return 0u; });
    return desc;
}

TEST(NewGame, PaletteComesFromTheColourTableInRedGreenBlueOrder)
{
    const PaletteCase cases[] = {
        {"coloursUsed", Desc(8, {0x102030, 0x405060, 0x708090}, 3), true,
         {{0x10, 0x20, 0x30, 0}, {0x40, 0x50, 0x60, 0}, {0x70, 0x80, 0x90, 0}}},
        {"mono", Desc(1, {0xFF0000, 0x0000FF}, 0), true, {{0xFF, 0, 0, 0}, {0, 0, 0xFF, 0}}},
        {"trueColourHasNone", Desc(24, {}, 0), false, {}},
        {"trueColourWithColoursUsed", Desc(24, {0xABCDEF}, 1), true, {{0xAB, 0xCD, 0xEF, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTempDir dir;
        dir.Write("Maps/Std.map", "MAP: \"BOARD.BMP\"\n");
        dir.Write("Maps/BOARD.BMP", bmp::Build(c.desc));
        CRecordingServices services(dir.Str());
        CKestraneDoc doc(services);
        ASSERT_TRUE(doc.OnNewDocument("Std.map"));
        EXPECT_EQ(doc.BuildPalette(), c.made);
        EXPECT_EQ(doc.m_palette, c.expected);
    }

    // An eight-bit picture without colours-used gives all 256 entries.
    CTempDir dir;
    CRecordingServices services;
    auto doc = testgame::MakeTestGame(dir, services, testgame::StandardTestGame());
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->m_palette.size(), 256u);
    EXPECT_EQ(doc->m_palette[1], (CPaletteEntry{0xFF, 0xFF, 0xFF, 0}));
}

TEST(NewGame, TestGameHelperMakesAReadyGame)
{
    CTempDir dir;
    CRecordingServices services;
    auto doc = testgame::MakeTestGame(dir, services, testgame::StandardTestGame());
    ASSERT_TRUE(doc) << ::testing::PrintToString(services.Texts());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(doc->m_strMapName, "Test");
    ASSERT_EQ(doc->m_nCountries, 2);
    EXPECT_EQ(doc->m_countries[1].m_strName, "FRANCE");
    EXPECT_EQ(doc->m_provinces.GetCount(), 5u);
    EXPECT_EQ(doc->m_provinces.Lookup("STPSC"), std::optional<MapPos>(MapPos{52, 14}));
    EXPECT_EQ(doc->m_supplyCentres.Lookup("PAR"), std::optional<MapPos>(MapPos{32, 22}));
    EXPECT_TRUE(doc->m_bSupplyCentres);
    EXPECT_EQ(doc->m_nSCRadius, 4);
    EXPECT_EQ(doc->m_dib.Width(), 64);
    EXPECT_EQ(doc->m_dib.Height(), 48);
    EXPECT_FALSE(doc->HasCurrentSeason());
}

} // namespace
