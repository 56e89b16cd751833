#include "app/FileFolders.h"

#include "model/Settings.h"

#include <QDir>
#include <QFileInfo>

CFileFolders::CFileFolders(ISettingsStore& store, QString mapsFolder)
    : m_store(store), m_mapsFolder(std::move(mapsFolder))
{
}

const char* CFileFolders::Entry(FileKind kind)
{
    switch (kind) {
    case FileKind::Map: return "Maps";
    case FileKind::Game: return "Games";
    case FileKind::Report: return "Reports";
    }
    return "Other";
}

QString CFileFolders::StartFolder(FileKind kind) const
{
    const QString remembered = QString::fromStdString(m_store.GetProfileString(kSection, Entry(kind), std::string()));
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    if (kind == FileKind::Map && !m_mapsFolder.isEmpty())
        return m_mapsFolder;
    // Given no folder, some platforms' dialogs open wherever the user last
    // was in any program; home is the same place every time.
    return QDir::homePath();
}

void CFileFolders::Remember(FileKind kind, const QString& chosenFile)
{
    const QString folder = QFileInfo(chosenFile).absolutePath();
    if (!folder.isEmpty())
        m_store.WriteProfileString(kSection, Entry(kind), folder.toStdString());
}
