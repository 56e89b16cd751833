#pragma once

#include "app/Commands.h"
#include "mailbox/MailboxImport.h"

#include <QDeadlineTimer>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class CCentreChartWindow;
class CChildFrame;
class CPendingFetchMark;
struct CFetchMark;
struct CMailAccount;
struct CMailboxFetch;
class CDocManager;
class CAppContext;
class CKestraneDoc;
class CContextHelp;
class CHelpWindow;
class CLockIndicators;
class CSeasonsPanel;
class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

/// The main window: the game windows in an MDI area, the two menu sets (no
/// game open / game open), the accelerators, the toolbar and the status bar
/// with its lock indicators. Commands go to the active game or the
/// application; UpdateActions sets every action's state in one place.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CAppContext& context);
    ~CMainFrame() override;

    CDocManager& Docs() { return *m_docs; }
    QMdiArea* MdiArea() const { return m_mdi; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QAction* Action(Cmd id) const;
    CChildFrame* ActiveFrame() const;
    CKestraneDoc* ActiveDocument() const;
    /// The game window at pos (in this window's coordinates), if any.
    CChildFrame* FrameAt(const QPoint& pos) const;
    /// True while the menus are the game-open set.
    bool ShowsGameMenus() const { return m_bGameMenus; }
    /// The user guide's window once Help has opened it, else nullptr.
    CHelpWindow* HelpWindow() const { return m_helpWindow; }
    CContextHelp& ContextHelp() const { return *m_contextHelp; }
    /// The seasons list (hidden unless its setting is on and a game is open).
    CSeasonsPanel* SeasonsPanel() const { return m_seasonsPanel; }
    /// The chart window of doc, or nullptr when it has none open.
    CCentreChartWindow* ChartWindow(const CKestraneDoc& doc) const;

    /// Sets every action's enabled and checked state from the active game,
    /// the settings and the mail system, and picks the menu set.
    void UpdateActions();
    /// Runs the command as its menu item or button would.
    void Execute(Cmd id);

    /// Shows text in the status bar for a few seconds, kept there when the
    /// menu that ran the command closes and clears its prompt.
    void ShowNotice(const QString& text);

    static constexpr const char* kOfferCopyQuestion =
        "Copy the orders mail to the clipboard instead, to paste it into your mail program?";
    static constexpr const char* kCopyButton = "Copy to Clipboard";
    static constexpr const char* kMailOnClipboard = "The orders mail is on the clipboard";
    static constexpr int kNoticeMilliseconds = 5000;

    // The document commands that need the desktop around them.
    void OnImport();
    void OnImportClipboard();
    void OnImportMailbox();
    /// Imports every mail of paths (mail files, mbox files, Maildir folders)
    /// into doc: a progress dialog that can cancel between mails, then one
    /// summary of what was filed and skipped.
    void ImportMailSources(CKestraneDoc& doc, const QStringList& paths);
    /// How a mail import reports progress: mails done and the number in
    /// all; false cancels between mails.
    using MailImportProgress = std::function<bool(size_t done, size_t total)>;
    /// Runs one mail import (mail files or fetched mail) behind a progress
    /// dialog that can cancel between mails, then shows its one summary.
    CMailboxImport RunMailImport(const QString& title,
                                 const std::function<CMailboxImport(const MailImportProgress&)>& import);
    /// Edit, Mailbox Settings: true when the dialog was accepted.
    bool OnMailboxSettings();
    /// Edit, Fetch from Mailbox: the game's new Judge mail, imported in game order.
    void OnFetchMailbox();
    void OnGameDetails();
    void OnSendOrders();
    void OnCopyOrdersMail();
    void OnPrint(bool preview);
    void OnPrintSetup();
    void OnHelpTopics();
    void OnAppAbout();
    void OnArrangeIcons();
    /// Opens the active game's chart window, or brings it forward.
    void OnCentreChart();
    /// Shows the season named name of doc, as the four season commands do.
    void ShowSeason(CKestraneDoc& doc, const QByteArray& name);
    /// File, Export Map: the map on show as PNG or PDF, at the size chosen.
    void OnExportMap();
    /// File, Export Animation: every season as one animated GIF.
    void OnExportAnimation();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateToolBar();
    void CreateStatusBar();
    void BuildMenus(bool gameOpen);
    void FillRecentFiles(QMenu& menu);
    void FillFileMenu(QMenu& menu, bool gameOpen);
    void UpdateTitle();
    void OfferOrdersMailCopy(const char* failure, CKestraneDoc& doc);
    void PutOrdersMailOnClipboard(const CKestraneDoc& doc);
    void CreateSeasonsPanel();
    void CloseChart(const CKestraneDoc* doc);
    std::optional<std::string> MailboxPassword(const CMailAccount& account);
    CMailboxFetch RunFetch(const CMailAccount& account, const std::string& password, const CFetchMark& mark);
    /// Imports the fetched messages; false when the import did not run to
    /// its end (cancelled or stopped), so the mark stays where it was.
    bool ImportFetchedMail(CKestraneDoc& doc, const CMailboxFetch& fetch, const CMailAccount& account);

    CAppContext& m_context;
    QMdiArea* m_mdi = nullptr;
    CDocManager* m_docs = nullptr;
    QToolBar* m_toolBar = nullptr;
    CLockIndicators* m_indicators = nullptr;
    std::map<Cmd, QAction*> m_actions;
    CSeasonsPanel* m_seasonsPanel = nullptr;
    bool m_bPanelSized = false;
    std::map<const CKestraneDoc*, QPointer<CCentreChartWindow>> m_charts;
    bool m_bGameMenus = false;
    bool m_bMenusBuilt = false;
    CHelpWindow* m_helpWindow = nullptr;
    CContextHelp* m_contextHelp = nullptr;
    QString m_strNotice;
    QDeadlineTimer m_noticeDeadline;
    /// Marks of fetches waiting for their game to be saved.
    std::map<CKestraneDoc*, std::unique_ptr<CPendingFetchMark>> m_pendingMarks;
};
