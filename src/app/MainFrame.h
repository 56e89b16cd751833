#pragma once

#include "app/Commands.h"

#include <QMainWindow>
#include <memory>

class CAppContext;
class CCentreChartWindow;
class CChartWindows;
class CChildFrame;
class CContextHelp;
class CDocManager;
class CExportCommands;
class CGameCommands;
class CGameWatchers;
class CHelpWindow;
class CKestraneDoc;
class CMailboxFetcher;
class COrdersSender;
class CMailImportRunner;
class CMainMenus;
class CSeasonsPanel;
class QAction;
class QMdiArea;
class QToolBar;

/// The main window: the game windows in an MDI area, the seasons list and
/// the chart windows. It runs every command (Execute) on the active game
/// through the object that holds that group of commands, and sets every
/// action's state in one place (UpdateActions). Files dropped on it open as
/// games, or import as mail into the game window they land on.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CAppContext& context);
    ~CMainFrame() override;

    CDocManager& Docs() { return *m_docs; }
    QMdiArea* MdiArea() const { return m_mdi; }
    QToolBar* ToolBar() const;
    QAction* Action(Cmd id) const;
    CChildFrame* ActiveFrame() const;
    CKestraneDoc* ActiveDocument() const;
    /// The game window at pos (in this window's coordinates), if any.
    CChildFrame* FrameAt(const QPoint& pos) const;
    /// True while the menus are the game-open set.
    bool ShowsGameMenus() const;
    /// The user guide's window once Help has opened it, else nullptr.
    CHelpWindow* HelpWindow() const;
    CContextHelp& ContextHelp() const { return *m_contextHelp; }
    /// Fetch from Mailbox, which goes on after its command has returned.
    CMailboxFetcher& Fetcher() const { return *m_fetcher; }
    /// The watches over the games set to be watched.
    CGameWatchers& Watchers() const { return *m_watchers; }
    COrdersSender& Sender() const { return *m_sender; }
    /// The seasons list (hidden unless its setting is on and a game is open).
    CSeasonsPanel* SeasonsPanel() const { return m_seasonsPanel; }
    /// The chart window of doc, or nullptr when it has none open.
    CCentreChartWindow* ChartWindow(const CKestraneDoc& doc) const;

    /// Sets every action's enabled and checked state from the active game,
    /// the settings and the mail system, and picks the menu set.
    void UpdateActions();
    /// Runs the command as its menu item or button would.
    void Execute(Cmd id);
    /// Shows text in the status bar for a few seconds.
    void ShowNotice(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ConnectCommands();
    void CreateSeasonsPanel();
    void BuildMenus(bool gameOpen);
    void UpdateTitle();
    void UpdateOrdersModeAction();
    void ShowSeason(CKestraneDoc& doc, const QByteArray& name);
    /// Brings doc's window forward, on season when it is given.
    void BringForward(CKestraneDoc* doc, const QByteArray& season);
    void OnArrangeIcons();

    CAppContext& m_context;
    QMdiArea* m_mdi = nullptr;
    std::unique_ptr<CDocManager> m_docs;
    CMainMenus* m_menus = nullptr;
    CContextHelp* m_contextHelp = nullptr;
    std::unique_ptr<CGameCommands> m_gameCommands;
    std::unique_ptr<CExportCommands> m_exportCommands;
    std::unique_ptr<CMailImportRunner> m_mailImport;
    std::unique_ptr<CMailboxFetcher> m_fetcher;
    std::unique_ptr<CGameWatchers> m_watchers;
    std::unique_ptr<COrdersSender> m_sender;
    CSeasonsPanel* m_seasonsPanel = nullptr;
    bool m_bPanelSized = false;
    std::unique_ptr<CChartWindows> m_charts;
};
