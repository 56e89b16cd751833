#pragma once

#include "app/FileFolders.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class CAppContext;
class CChildFrame;
class CKestraneDoc;
class QMdiArea;

/// The open games and their windows: File New, Open, Close, Save and Save
/// As, the "Save changes to %1?" prompt, untitled names ("Kestrane1", ...),
/// further windows on one game, and the list of the four recent files.
/// Its dialogs belong to the window the MDI area is in; it decides whether
/// a game window may close by watching each window's close event.
class CDocManager : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kGameFilter = "Kestrane Files (*.kes)";
    static constexpr const char* kGameSuffix = "kes";
    static constexpr const char* kMapFilter = "Map Files (*.map);;All Files (*)";
    static constexpr int kRecentFiles = 4;

    CDocManager(CAppContext& context, QMdiArea& mdi);
    ~CDocManager() override;

    /// File New: asks for a map definition, then NewDocument.
    CKestraneDoc* OnFileNew();
    /// A new game from the chosen map definition, in a new window; nullptr
    /// when the game could not be made (the core has said why).
    CKestraneDoc* NewDocument(const QString& chosenMapPath);
    /// File Open: asks for a game file, then OpenDocumentFile.
    CKestraneDoc* OnFileOpen();
    /// Opens the game at path in a new window, or activates the window of a
    /// game already open from that file; nullptr on failure.
    CKestraneDoc* OpenDocumentFile(const QString& path);

    /// Save: to the game's file, or Save As for a game without one.
    bool OnFileSave(CKestraneDoc& doc);
    bool OnFileSaveAs(CKestraneDoc& doc);
    /// Writes the game to path (".kes" added when the name has no suffix).
    bool DoSave(CKestraneDoc& doc, const QString& path);
    /// "Save changes to %1?" for a modified game: false when the user
    /// cancelled or the save failed.
    bool SaveModified(CKestraneDoc& doc);
    /// File Close: closes every window of the game after SaveModified.
    void OnFileClose(CKestraneDoc& doc);
    /// Asks for every modified game; false when the user cancelled.
    bool SaveAllModified();
    /// Closes every window without asking again.
    void CloseAllDocuments();

    /// Window New Window: another window on the same game.
    CChildFrame* OnWindowNew(CKestraneDoc& doc);

    std::vector<CKestraneDoc*> Documents() const;
    std::vector<CChildFrame*> Frames(const CKestraneDoc& doc) const;
    CKestraneDoc* FindDocument(const CKestraneDoc* doc) const;

    const QStringList& RecentFiles() const { return m_recent; }
    void SetRecentFiles(const QStringList& files);
    /// The name suggested by Save As for a game without a file.
    static QString SuggestedFileName(const QString& title);

signals:
    /// A window was opened or closed.
    void framesChanged();
    /// The last window of doc closed; doc is deleted right after.
    void documentClosing(CKestraneDoc* doc);
    void recentFilesChanged();

protected:
    /// The close guard of every game window made here.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        std::unique_ptr<CKestraneDoc> doc;
        std::vector<CChildFrame*> frames;
    };

    CChildFrame* CreateFrame(CKestraneDoc& doc, bool firstWindow);
    /// A window asked to close: the last window of a modified game asks to
    /// save it first.
    bool CanCloseFrame(CChildFrame& frame);
    /// A window closes; the game goes with its last window.
    void FrameClosed(CChildFrame& frame);
    /// A file to open of kind, starting in its folder, which then remembers
    /// the choice; nullopt when the user cancelled.
    std::optional<QString> ChooseFile(FileKind kind, const QString& caption, const char* filter);
    QWidget* DialogParent() const;
    Entry* FindEntry(const CKestraneDoc& doc);
    void Renumber(Entry& entry);
    void AddRecent(const QString& path);
    void RemoveRecent(const QString& path);
    /// After the file name changed: the title is the file name, then the
    /// season title or ", " and the map name, as for a game just opened.
    void RetitleFromPath(CKestraneDoc& doc);

    CAppContext& m_context;
    QMdiArea& m_mdi;
    std::vector<std::unique_ptr<Entry>> m_entries;
    int m_nUntitledCount = 0;
    QStringList m_recent;
    bool m_bClosingAll = false;
    const CKestraneDoc* m_pClosingDoc = nullptr;
};
