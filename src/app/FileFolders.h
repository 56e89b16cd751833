#pragma once

#include <QString>

class ISettingsStore;

/// The kinds of file the program asks for, each remembering its own folder.
enum class FileKind {
    Map,    ///< map definitions (File New)
    Game,   ///< saved games (Open, Save As)
    Report, ///< Judge mails saved as text (Import)
};

/// Where the file dialogs open: the folder the user last chose a file of that
/// kind in, kept in the settings (section "Folders"). The first time, maps
/// open in the installation's Maps folder and everything else in the home
/// folder; a remembered folder that is gone counts as none.
class CFileFolders {
public:
    CFileFolders(ISettingsStore& store, QString mapsFolder);

    /// The folder to open the dialog for kind in.
    QString StartFolder(FileKind kind) const;
    /// Remembers the folder of chosenFile for kind.
    void Remember(FileKind kind, const QString& chosenFile);

    /// The settings entry of kind in section "Folders".
    static const char* Entry(FileKind kind);
    static constexpr const char* kSection = "Folders";

private:
    ISettingsStore& m_store;
    QString m_mapsFolder;
};
