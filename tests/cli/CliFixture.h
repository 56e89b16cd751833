#pragma once

#include "CliGame.h"
#include "CliRunner.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Every test starts from an installation folder holding Maps/Test.map and
// its picture, and a work folder for the game and the reports.
class CliBinary : public testing::Test {
protected:
    void SetUp() override { testgame::WriteTestInstall(m_install, cligame::Desc()); }

    /// Runs kestrane-cli in the work folder with --install-dir added.
    CCliRun Cli(std::vector<std::string> args, const std::string& stdinText = "");

    std::string Game() const { return (m_work.Path() / "game.kes").string(); }
    std::string GameBytes() const { return CTempDir::Read(Game()); }
    std::string Report(const std::string& name, const std::string& text) const
    {
        return m_work.Write(name, text).string();
    }

    /// game.kes made by "new".
    void NewGame();
    /// A new game and the five reports of the first year, imported in one run.
    void ImportYear();
    /// The game as the core opens it, for comparisons with the command's output.
    std::unique_ptr<CKestraneDoc> OpenInCore(CRecordingServices& services) const;

    CTempDir m_install;
    CTempDir m_work;
};

/// What "seasons" prints after ImportYear.
extern const std::string kYearSeasons;
