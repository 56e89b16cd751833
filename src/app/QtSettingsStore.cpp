#include "app/QtSettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Key(const std::string& section, const std::string& entry)
{
    return QString::fromStdString(section) + '/' + QString::fromStdString(entry);
}

constexpr const char* kRecentSection = "Recent File List";

} // namespace

CQtSettingsStore::CQtSettingsStore() : m_settings(kOrganisation, kApplication) {}

int CQtSettingsStore::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const
{
    bool ok = false;
    const int value = m_settings.value(Key(section, entry)).toInt(&ok);
    return ok ? value : defaultValue;
}

void CQtSettingsStore::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    m_settings.setValue(Key(section, entry), value);
}

std::string CQtSettingsStore::GetProfileString(const std::string& section, const std::string& entry,
                                               const std::string& defaultValue) const
{
    const QVariant value = m_settings.value(Key(section, entry));
    return value.isValid() ? value.toString().toStdString() : defaultValue;
}

void CQtSettingsStore::WriteProfileString(const std::string& section, const std::string& entry,
                                          const std::string& value)
{
    m_settings.setValue(Key(section, entry), QString::fromStdString(value));
}

QStringList CQtSettingsStore::RecentFiles() const
{
    QStringList files;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString file = m_settings.value(QString("%1/File%2").arg(kRecentSection).arg(i)).toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

void CQtSettingsStore::SetRecentFiles(const QStringList& files)
{
    m_settings.remove(kRecentSection);
    for (int i = 0; i < files.size() && i < kRecentFileCount; ++i)
        m_settings.setValue(QString("%1/File%2").arg(kRecentSection).arg(i + 1), files[i]);
}

QString CQtSettingsStore::MarksFileBeside(const QString& settingsFile)
{
    return QFileInfo(settingsFile).dir().filePath(QStringLiteral("Kestrane-mailbox-marks.txt"));
}
