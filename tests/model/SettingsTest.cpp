#include "model/InstallPath.h"
#include "model/Settings.h"
#include "support/MemorySettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>

namespace {

/// The six display settings in the order they are declared: zoom to fit,
/// initials, supply centres, seasons panel, orders on the map, smooth zoom.
using DisplayValues = std::array<int, 6>;

DisplayValues Display(const CAppSettings& s)
{
    return {s.m_bZoomToFit, s.m_bInitials, s.m_bSCDisplay, s.m_bSeasonsPanel, s.m_bOrdersOnMap, s.m_bSmoothZoom};
}

// Loads settings from store with installDir as the folder found at start.
void ExpectLoads(CMemorySettingsStore& store, const std::string& installDir, DisplayValues display, CWindowRect rect)
{
    CAppSettings settings;
    settings.Load(store, installDir);
    EXPECT_EQ(Display(settings), display);
    EXPECT_EQ(settings.m_rectStored, rect);
    EXPECT_EQ(settings.m_strInstallDir, installDir);
}

TEST(Settings, FirstStartGivesTheDefaults)
{
    CMemorySettingsStore store;
    ExpectLoads(store, "/home/player", {0, 0, 0, 0, 0, 0}, {100, 100, 400, 400});
}

TEST(Settings, SaveWritesElevenValuesAndNeverTheInstallDir)
{
    CMemorySettingsStore store;
    CAppSettings settings;
    settings.Load(store, "/x");
    settings.m_bInitials = 2;
    settings.m_bSeasonsPanel = 1;
    settings.m_rectWindow = {10, 20, 300, 400};
    settings.m_bSmoothZoom = 1;
    settings.Save(store);
    // The window's four sides, six display settings and the phase summary.
    EXPECT_EQ(store.values.size(), 11u);
    EXPECT_EQ(store.values.count("Settings/PhaseSummary"), 1u);
    EXPECT_EQ(store.values.count("Settings/InstallDir"), 0u);

    ExpectLoads(store, "/y", {0, 2, 0, 1, 0, 1}, {10, 20, 300, 400});
}

TEST(Settings, StoredInstallDirWins)
{
    CMemorySettingsStore store;
    store.WriteProfileString("Settings", "InstallDir", "/opt/kestrane");
    CAppSettings settings;
    settings.Load(store, "/x");
    EXPECT_EQ(settings.m_strInstallDir, "/opt/kestrane");
}

TEST(Settings, DefaultInstallDirPrefersACurrentFolderWithMaps)
{
    CTempDir current, data;
    EXPECT_EQ(DefaultInstallDir(current.Str(), data.Str()), data.Str());
    std::filesystem::create_directory(current.Path() / "Maps");
    EXPECT_EQ(DefaultInstallDir(current.Str(), data.Str()), current.Str());
}

TEST(InstallPath, MatchesComponentsWithoutRegardToCase)
{
    CTempDir dir;
    const auto board = dir.Write("maps/board.bmp", "BM");
    EXPECT_EQ(ResolveInstallPath(dir.Str(), "Maps\\BOARD.BMP"), board);
    EXPECT_EQ(ResolveInstallPath(dir.Str(), "MAPS/Board.bmp"), board);
    EXPECT_EQ(ResolveInstallPath(dir.Str(), "maps\\board.bmp"), board);
    EXPECT_FALSE(ResolveInstallPath(dir.Str(), "Maps\\OTHER.BMP"));
    EXPECT_FALSE(ResolveInstallPath(dir.Str(), ""));
}

TEST(InstallPath, ExactNameWinsOverACaseVariant)
{
    CTempDir dir;
    dir.Write("Maps/A.map", "upper");
    const auto lower = dir.Write("Maps/a.map", "lower");
    EXPECT_EQ(ResolveInstallPath(dir.Str(), "Maps\\a.map"), lower);
}

TEST(InstallPath, JoinFallsBackToSlashes)
{
    EXPECT_EQ(InstallPathOrJoin("/nowhere", "Maps\\X.BMP"), std::filesystem::path("/nowhere/Maps/X.BMP"));
}

} // namespace
