#include "model/KestraneDoc.h"
#include "support/BitmapBuilder.h"
#include "support/RecordingServices.h"
#include "support/SavedGameBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

// An installation folder with the board picture, and a game that names it.
class DocumentFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir.Write("Maps/BOARD.BMP", bmp::MakeBitmap8(8, 6, {0x112233, 0x445566}, [](int x, int) { return x % 2; }));
        m_services.SetInstallDir(m_dir.Str());
    }

    std::unique_ptr<CKestraneDoc> Game(int seasons = 3)
    {
        auto doc = std::make_unique<CKestraneDoc>(m_services);
        savedgame::FillFullGame(*doc, {.seasons = seasons, .units = 10});
        return doc;
    }

    std::string Kes(const std::string& name) const { return (m_dir.Path() / name).string(); }

    // Every name in the folder, to see that nothing is left behind.
    std::set<std::string> Listing(const fs::path& folder) const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    CTempDir m_dir;
    CRecordingServices m_services;
};

TEST_F(DocumentFileOnDisk, SavedGameOpensWithItsPictureOnTheLatestSeason)
{
    auto game = Game();
    game->SetModifiedFlag(true);
    ASSERT_TRUE(game->OnSaveDocument(Kes("game.kes")));
    EXPECT_FALSE(game->IsModified());
    EXPECT_EQ(CTempDir::Read(Kes("game.kes")), game->WriteDocument());
    EXPECT_EQ(Listing(m_dir.Path()), (std::set<std::string>{"Maps", "game.kes"}));

    CKestraneDoc opened(m_services);
    opened.SetModifiedFlag(true);
    ASSERT_TRUE(opened.OnOpenDocument(Kes("game.kes")));
    EXPECT_TRUE(m_services.messages.empty());
    EXPECT_FALSE(opened.IsModified());
    ASSERT_EQ(opened.m_seasons.size(), 3u);
    EXPECT_EQ(opened.GetCurrentSeason(), opened.m_seasons.back().get());
    EXPECT_EQ(opened.GetTitle(), "USTV kestrel Standard Gunboat  F1901R Sat Mar 14 2026 23:30:00 ");
    EXPECT_EQ(opened.m_dib.Width(), 8);
    EXPECT_EQ(opened.m_dib.Height(), 6);
    ASSERT_FALSE(opened.m_palette.empty());
    EXPECT_EQ(opened.m_palette[0], (CPaletteEntry{0x11, 0x22, 0x33, 0}));
    EXPECT_EQ(opened.m_palette[1], (CPaletteEntry{0x44, 0x55, 0x66, 0}));
}

struct OpenFailure {
    const char* name;
    // Prepares the folder and returns the path to open.
    std::function<std::string(const CTempDir&, CKestraneDoc&)> prepare;
    std::string message;
    MessageIcon icon;
};

std::string SaveAs(const CTempDir& dir, CKestraneDoc& game, const std::string& name)
{
    return dir.Write(name, game.WriteDocument()).string();
}

TEST_F(DocumentFileOnDisk, FailedOpensSayWhyAndLeaveNoGame)
{
    const OpenFailure cases[] = {
        {"MissingDocument", [](const CTempDir& dir, CKestraneDoc&) { return (dir.Path() / "gone.kes").string(); },
         "gone.kes\nCannot find this file.\nPlease verify that the correct path and file name are given.",
         MessageIcon::Exclamation},
        {"DocumentIsAFolder", [](const CTempDir& dir, CKestraneDoc&) { return (dir.Path() / "Maps").string(); },
         "An unexpected error occurred while reading Maps.", MessageIcon::Exclamation},
        {"DamagedDocument",
         [](const CTempDir& dir, CKestraneDoc& game) {
             const std::string bytes = game.WriteDocument();
             return dir.Write("cut.kes", bytes.substr(0, bytes.size() - 3)).string();
         },
         "Unexpected file format.", MessageIcon::Exclamation},
        {"MissingPicture",
         [](const CTempDir& dir, CKestraneDoc& game) {
             game.m_strImagePath = "Maps\\MISSING.BMP";
             return SaveAs(dir, game, "game.kes");
         },
         "Cannot Open File:Maps\\MISSING.BMP", MessageIcon::None},
        {"PicturePathIsAFolder",
         [](const CTempDir& dir, CKestraneDoc& game) {
             game.m_strImagePath = "Maps";
             return SaveAs(dir, game, "game.kes");
         },
         "Cannot Open File:Maps", MessageIcon::None},
        {"PictureIsNotABitmap",
         [](const CTempDir& dir, CKestraneDoc& game) {
             dir.Write("Maps/TEXT.BMP", "this is no picture at all, only some words of text");
             game.m_strImagePath = "Maps\\TEXT.BMP";
             return SaveAs(dir, game, "game.kes");
         },
         "Failed to load image", MessageIcon::None},
        {"UnknownDocumentSchemaHasNoPicturePath",
         [](const CTempDir& dir, CKestraneDoc& game) {
             std::string bytes = game.WriteDocument();
             bytes[2] = 5; // the document class record's schema
             return dir.Write("future.kes", bytes).string();
         },
         "Cannot Open File:", MessageIcon::None},
        {"DocumentSchemaZeroHasNoPicturePath",
         [](const CTempDir& dir, CKestraneDoc& game) {
             std::string bytes = game.WriteDocument();
             bytes[2] = 0;
             return dir.Write("ancient.kes", bytes).string();
         },
         "Cannot Open File:", MessageIcon::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_services.Clear();
        auto game = Game();
        const std::string path = c.prepare(m_dir, *game);
        CKestraneDoc doc(m_services);
        EXPECT_FALSE(doc.OnOpenDocument(path));
        EXPECT_EQ(m_services.messages, (std::vector<CRecordingServices::Message>{{c.message, c.icon}}));
        EXPECT_TRUE(doc.m_seasons.empty());
        EXPECT_FALSE(doc.HasCurrentSeason());
        EXPECT_TRUE(doc.m_countries.empty());
        EXPECT_TRUE(doc.m_provinces.IsEmpty());
        EXPECT_EQ(doc.m_strImagePath, "");
    }
}

TEST_F(DocumentFileOnDisk, EveryTruncatedSavedGameFailsToOpenAndTheWholeOneOpens)
{
    auto game = Game(2);
    ASSERT_TRUE(game->OnSaveDocument(Kes("whole.kes")));
    const std::string bytes = CTempDir::Read(Kes("whole.kes"));
    for (size_t length = 0; length <= bytes.size(); ++length) {
        const std::string path = m_dir.Write("part.kes", bytes.substr(0, length)).string();
        CRecordingServices services(m_dir.Str());
        CKestraneDoc doc(services);
        const bool opened = doc.OnOpenDocument(path);
        if (length == bytes.size()) {
            EXPECT_TRUE(opened);
            EXPECT_TRUE(services.messages.empty());
        } else {
            ASSERT_FALSE(opened) << length;
            ASSERT_EQ(services.Texts(), std::vector<std::string>{"Unexpected file format."}) << length;
            ASSERT_TRUE(doc.m_seasons.empty()) << length;
        }
    }
}

TEST_F(DocumentFileOnDisk, SaveReplacesTheOldFileAndKeepsItsPermissions)
{
    const fs::path path = m_dir.Write("game.kes", "an older game");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
                    fs::perm_options::replace);
    auto game = Game();
    ASSERT_TRUE(game->OnSaveDocument(path.string()));
    EXPECT_EQ(CTempDir::Read(path), game->WriteDocument());
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Listing(m_dir.Path()), (std::set<std::string>{"Maps", "game.kes"}));
}

TEST_F(DocumentFileOnDisk, SaveThroughALinkReplacesTheLinkedFile)
{
    const fs::path real = m_dir.Write("games/real.kes", "old");
    const fs::path link = m_dir.Path() / "link.kes";
    fs::create_symlink(real, link);
    auto game = Game();
    ASSERT_TRUE(game->OnSaveDocument(link.string()));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(CTempDir::Read(real), game->WriteDocument());
    EXPECT_EQ(Listing(real.parent_path()), (std::set<std::string>{"real.kes"}));
}

struct SaveFailure {
    const char* name;
    // Prepares the folder and returns the path to save to.
    std::function<fs::path(const CTempDir&)> prepare;
};

TEST_F(DocumentFileOnDisk, FailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    const SaveFailure cases[] = {
        // Renaming a file over a folder fails after the new file is complete.
        {"TargetIsAFolder",
         [](const CTempDir& dir) {
             dir.Write("busy.kes/inside.txt", "keep me");
             return dir.Path() / "busy.kes";
         }},
        {"FolderMissing", [](const CTempDir& dir) { return dir.Path() / "no-such-folder" / "game.kes"; }},
        {"NoFileName", [](const CTempDir& dir) { return dir.Path() / ""; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_services.Clear();
        const fs::path path = c.prepare(m_dir);
        const std::set<std::string> before = Listing(m_dir.Path());
        auto game = Game();
        game->SetModifiedFlag(true);
        EXPECT_FALSE(game->OnSaveDocument(path.string()));
        EXPECT_TRUE(game->IsModified());
        EXPECT_EQ(m_services.messages, (std::vector<CRecordingServices::Message>{
                                           {"Failed to save document.", MessageIcon::Exclamation}}));
        EXPECT_EQ(Listing(m_dir.Path()), before);
    }
    EXPECT_EQ(CTempDir::Read(m_dir.Path() / "busy.kes" / "inside.txt"), "keep me");
    EXPECT_EQ(Listing(m_dir.Path() / "busy.kes"), (std::set<std::string>{"inside.txt"}));
}

} // namespace
