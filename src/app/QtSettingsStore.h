#pragma once

#include "model/Settings.h"

#include <QSettings>
#include <QStringList>

/// The stored settings in QSettings: organisation "Morvellan", application
/// "Kestrane"; sections become groups ("Settings", "Recent File List").
class CQtSettingsStore : public ISettingsStore {
public:
    static constexpr const char* kOrganisation = "Morvellan";
    static constexpr const char* kApplication = "Kestrane";
    static constexpr int kRecentFileCount = 4;

    CQtSettingsStore();

    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const override;
    void WriteProfileInt(const std::string& section, const std::string& entry, int value) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue) const override;
    void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;

    /// The recent-file list, "File1" to "File4" of "Recent File List".
    QStringList RecentFiles() const;
    void SetRecentFiles(const QStringList& files);

    /// The file the settings live in.
    QString FileName() const { return m_settings.fileName(); }
    /// The marks file of mailbox fetches beside the settings file at settingsFile.
    static QString MarksFileBeside(const QString& settingsFile);

    /// Writes pending changes to storage.
    void Flush() { m_settings.sync(); }

private:
    mutable QSettings m_settings;
};
