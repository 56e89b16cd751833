#include "model/Settings.h"

#include <filesystem>
#include <system_error>

#ifndef KESTRANE_DATA_DIR
#define KESTRANE_DATA_DIR "/usr/local/share/kestrane"
#endif
#ifndef KESTRANE_RELATIVE_DATA_DIR
#define KESTRANE_RELATIVE_DATA_DIR "../share/kestrane"
#endif
#ifndef KESTRANE_SOURCE_DATA_DIR
#define KESTRANE_SOURCE_DATA_DIR ""
#endif

void CAppSettings::Load(const ISettingsStore& store, const std::string& defaultInstallDir)
{
    m_bZoomToFit = store.GetProfileInt(kSection, "ZoomToFit", 0);
    m_bInitials = store.GetProfileInt(kSection, "Initials", 0);
    m_bSCDisplay = store.GetProfileInt(kSection, "SCDisplay", 0);
    m_bSeasonsPanel = store.GetProfileInt(kSection, "SeasonsPanel", 0);
    m_bOrdersOnMap = store.GetProfileInt(kSection, "OrdersOnMap", 0);
    m_bSmoothZoom = store.GetProfileInt(kSection, "SmoothZoom", 0);
    m_bPhaseSummary = store.GetProfileInt(kSection, "PhaseSummary", 0);
    m_rectStored.left = store.GetProfileInt(kSection, "WinLeft", 100);
    m_rectStored.right = store.GetProfileInt(kSection, "WinRight", 400);
    m_rectStored.top = store.GetProfileInt(kSection, "WinTop", 100);
    m_rectStored.bottom = store.GetProfileInt(kSection, "WinBottom", 400);
    m_strInstallDir = store.GetProfileString(kSection, "InstallDir", defaultInstallDir);
}

void CAppSettings::Save(ISettingsStore& store) const
{
    store.WriteProfileInt(kSection, "WinLeft", m_rectWindow.left);
    store.WriteProfileInt(kSection, "WinRight", m_rectWindow.right);
    store.WriteProfileInt(kSection, "WinTop", m_rectWindow.top);
    store.WriteProfileInt(kSection, "WinBottom", m_rectWindow.bottom);
    store.WriteProfileInt(kSection, "ZoomToFit", m_bZoomToFit);
    store.WriteProfileInt(kSection, "Initials", m_bInitials);
    store.WriteProfileInt(kSection, "SCDisplay", m_bSCDisplay);
    store.WriteProfileInt(kSection, "SeasonsPanel", m_bSeasonsPanel);
    store.WriteProfileInt(kSection, "OrdersOnMap", m_bOrdersOnMap);
    store.WriteProfileInt(kSection, "SmoothZoom", m_bSmoothZoom);
    store.WriteProfileInt(kSection, "PhaseSummary", m_bPhaseSummary);
}

std::string DefaultInstallDir(const std::string& currentDir, const std::string& installedDataDir)
{
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::path(currentDir) / "Maps", ec))
        return currentDir;
    return installedDataDir;
}

std::string InstalledDataDir()
{
    // Linux names the running program's file here; elsewhere the configured
    // folder is all there is.
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return InstalledDataDir(ec ? std::string() : program.parent_path().string());
}

std::string InstalledDataDir(const std::string& programDir)
{
    std::error_code ec;
    if (!programDir.empty()) {
        const std::filesystem::path beside =
            (std::filesystem::path(programDir) / KESTRANE_RELATIVE_DATA_DIR).lexically_normal();
        if (std::filesystem::is_directory(beside / "Maps", ec))
            return beside.string();
    }
    const std::filesystem::path installed(KESTRANE_DATA_DIR);
    if (std::filesystem::is_directory(installed / "Maps", ec))
        return installed.string();
    const std::filesystem::path source(KESTRANE_SOURCE_DATA_DIR);
    if (!source.empty() && std::filesystem::is_directory(source / "Maps", ec))
        return source.string();
    return installed.string();
}
