#pragma once

#include <string>

/// Stored key-value settings, by section and entry name. The desktop program
/// backs it with QSettings; tests back it with a map.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& entry, int value) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& entry,
                                         const std::string& defaultValue) const = 0;
    virtual void WriteProfileString(const std::string& section, const std::string& entry,
                                    const std::string& value) = 0;
};

struct CWindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const CWindowRect&, const CWindowRect&) = default;
};

/// The settings that outlive a run: the display toggles, the main
/// window's rectangle and the installation folder.
struct CAppSettings {
    static constexpr const char* kSection = "Settings";

    int m_bZoomToFit = 0;
    int m_bInitials = 0;
    int m_bSCDisplay = 0;
    /// The seasons list beside the game windows; off at first.
    int m_bSeasonsPanel = 0;
    /// The season's orders drawn over the map; "OrdersOnMap".
    int m_bOrdersOnMap = 0;
    /// Zoom to fit and printing scale the map with filtering; "SmoothZoom".
    int m_bSmoothZoom = 0;
    /// The centres and units of each power under the orders, on screen and
    /// in print; "PhaseSummary", off at first.
    int m_bPhaseSummary = 0;
    /// The map's size when not zoomed to fit, in percent of the board's own
    /// (View, Zoom In, Zoom Out, Actual Size); kept for the run only.
    int m_nZoomPercent = 100;
    /// Recorded when the main window closes; written at exit.
    CWindowRect m_rectWindow;
    /// Where the main window is placed at start-up, as stored.
    CWindowRect m_rectStored;
    std::string m_strInstallDir;

    /// Reads the display settings, the stored window placement and the
    /// installation folder (defaultInstallDir when "InstallDir" is absent).
    void Load(const ISettingsStore& store, const std::string& defaultInstallDir);
    /// Writes the window rectangle and the display settings, in that order.
    /// "InstallDir" is never written.
    void Save(ISettingsStore& store) const;
};

/// The installation folder to use when "InstallDir" is not stored: the
/// current folder when it holds a "Maps" folder, else the installed data.
std::string DefaultInstallDir(const std::string& currentDir, const std::string& installedDataDir);

/// The folder the program's data was installed to (share/kestrane), or the
/// source tree's data folder when running from a build tree. The running
/// program's own folder decides, so an installation moved elsewhere as a
/// whole still finds its data.
std::string InstalledDataDir();

/// The data folder for programs in programDir: programDir/../share/kestrane
/// (as installed) when it holds Maps, else the folder the build configured
/// when that does, else the source tree's data folder when that does, else
/// the configured folder.
std::string InstalledDataDir(const std::string& programDir);
