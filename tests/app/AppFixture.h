#pragma once

#include "ScriptedPrompts.h"
#include "app/AppContext.h"
#include "app/DocManager.h"
#include "app/KestraneApp.h"
#include "app/MainFrame.h"
#include "support/TempDir.h"
#include "support/TestGame.h"

#include <QStringList>

#include <memory>

class CKestraneDoc;
class QMenu;

/// A started program for one test: settings kept below a fresh folder, a
/// test installation with Maps/<map name>.map, scripted prompts, and the real main
/// window, shown without the splash picture.
class CAppFixture {
public:
    /// Settings to store before start-up, as "group/name" = value.
    using Presets = QList<QPair<QString, QVariant>>;

    /// showSplash: start with the start-up picture, as the program does.
    explicit CAppFixture(const Presets& presets = {}, const testgame::TestGameSpec& game = testgame::StandardTestGame(),
                         bool showSplash = false);
    ~CAppFixture();

    /// What the windows share: settings, printer, mail system, keyring.
    CAppContext& App() { return m_app->Context(); }
    CMainFrame& Frame() { return *m_app->MainFrame(); }
    CScriptedPrompts& Prompts() { return *m_prompts; }
    const CTempDir& Dir() const { return m_dir; }
    QString Path(const QString& relative) const;
    /// Maps/<map name>.map of the test installation.
    QString MapPath() const { return Path("Maps/" + m_mapName + ".map"); }

    /// File New on Maps/Test.map through the menu command.
    CKestraneDoc* NewGame();
    /// File New on a copy of the shipped standard board (data/Maps), with its geography.
    CKestraneDoc* NewStandardGame();
    /// Edit Import of a copy of the report file, as the menu command does.
    void ImportReport(const QString& report);
    /// Runs a command as its menu item does, and waits for what goes on
    /// after the command returned (a fetch) to be over.
    void Run(Cmd id);

    /// Closes the main window and writes the settings, as the program's exit.
    void Exit();

    /// A value stored in the settings (read afresh from storage).
    QVariant Stored(const QString& key) const;

    /// Folder of the fake mail tool; PATH is pointed at it.
    void InstallMailTool(int exitStatus);
    void RemoveMailTool();
    QString MailOutputPath() const { return Path("mail-body.txt"); }

private:
    CTempDir m_dir;
    QString m_mapName;
    CScriptedPrompts* m_prompts = nullptr;
    std::unique_ptr<CKestraneApp> m_app;
    QByteArray m_oldPath;
};

/// The menu bar's menu titles, in order.
QStringList MenuTitles(const CMainFrame& frame);
/// The menu titled title.
QMenu* FindMenu(const CMainFrame& frame, const QString& title);
/// A menu's items as texts, "-" for a separator.
QStringList MenuItems(const QMenu& menu);

/// A game-start report for the test board, as the Judge mails it.
std::string StartingReport();
/// A spring movement report following it.
std::string SpringMovementReport();
