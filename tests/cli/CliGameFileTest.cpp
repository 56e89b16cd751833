#include "CliFixture.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// --- new, seasons and usage --------------------------------------------------

TEST_F(CliBinary, NewGameIsTheCoresNewGameSaved)
{
    NewGame();
    CRecordingServices services;
    CTempDir other;
    auto doc = testgame::MakeTestGame(other, services, cligame::Desc());
    ASSERT_TRUE(doc);
    const auto expected = other.Path() / "expected.kes";
    ASSERT_TRUE(doc->OnSaveDocument(expected.string()));
    EXPECT_EQ(GameBytes(), CTempDir::Read(expected));

    const CCliRun seasons = Cli({"seasons", Game()});
    EXPECT_EQ(seasons.status, 0);
    EXPECT_EQ(seasons.out, "");
    EXPECT_EQ(seasons.err, "");
}

TEST_F(CliBinary, NewNeverWritesOverAFile)
{
    m_work.Write("game.kes", "precious");
    const CCliRun run = Cli({"new", "Test", Game()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("kestrane-cli: "), std::string::npos);
    EXPECT_EQ(GameBytes(), "precious");
}

TEST_F(CliBinary, NewWithAMissingMapShowsTheCoresMessage)
{
    const CCliRun run = Cli({"new", "Nowhere", Game()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: Cannot Open File:Maps\\Nowhere.map\n");
    EXPECT_FALSE(fs::exists(Game()));
}

TEST_F(CliBinary, InstallFolderDefaultsLikeTheDesktopProgram)
{
    // The stored "InstallDir" comes first.
    CTempDir config;
    config.Write("Morvellan/Kestrane.conf", "[Settings]\nInstallDir=" + m_install.Str() + "\n");
    const CCliRun stored = RunCliBinary({"new", "Test", "stored.kes"}, m_work.Path(), "", config.Path());
    EXPECT_EQ(stored.status, 0) << stored.err;

    // Without it, the current folder when it holds Maps.
    const CCliRun current = RunCliBinary({"new", "Test", (m_work.Path() / "current.kes").string()}, m_install.Path());
    EXPECT_EQ(current.status, 0) << current.err;

    const CCliRun elsewhere = RunCliBinary({"new", "Test", "elsewhere.kes"}, m_work.Path());
    EXPECT_EQ(elsewhere.status, 1);
    EXPECT_EQ(elsewhere.err, "kestrane: Cannot Open File:Maps\\Test.map\n");
    EXPECT_EQ(CTempDir::Read(m_work.Path() / "stored.kes"), CTempDir::Read(m_work.Path() / "current.kes"));
}

TEST_F(CliBinary, WrongUsageExitsWithTwo)
{
    const std::vector<std::vector<std::string>> lines = {
        {}, {"frobnicate"}, {"new", "Test"}, {"render", "g.kes"}, {"show", "g.kes", "--svg", "x"}};
    for (const auto& args : lines) {
        const CCliRun run = RunCliBinary(args, m_work.Path());
        EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args.front());
        EXPECT_EQ(run.err.rfind("kestrane-cli: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("usage: kestrane-cli"), std::string::npos);
    }
    const CCliRun help = RunCliBinary({"--help"}, m_work.Path());
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: kestrane-cli"), std::string::npos);
}

TEST_F(CliBinary, DamagedGameFileIsRefused)
{
    m_work.Write("game.kes", std::string("\xff\xff\x04\x00\x0c\x00" "CKest", 11));
    const CCliRun run = Cli({"seasons", Game()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: exclamation: Unexpected file format.\n");
    EXPECT_EQ(run.out, "");
}

} // namespace
