#pragma once

#include "app/Commands.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <map>

class CLockIndicators;
class QAction;
class QMainWindow;
class QMdiArea;
class QMenu;
class QToolBar;

/// The main window's commands as the user meets them: one action a command
/// from the action table (text, shortcut, prompts, icon), the two menu sets
/// (no game open / game open), the toolbar, and the status bar with its
/// prompt, its notices and the lock indicators. Choosing an action or a
/// recent file is passed on as a signal; running it is the window's affair.
class CMainMenus : public QObject {
    Q_OBJECT
public:
    /// mdi: the game windows that the Window menu lists.
    CMainMenus(QMainWindow& window, QMdiArea& mdi);

    QAction* Action(Cmd id) const;
    QToolBar* ToolBar() const { return m_toolBar; }
    /// The toolbar's Send Orders to Judge, shown in Orders mode only.
    QAction* SendButton() const { return m_sendButton; }
    /// True while the menus are the game-open set.
    bool ShowsGameMenus() const { return m_bGameMenus; }
    /// True once BuildMenus has run.
    bool Built() const { return m_bBuilt; }

    /// Fills the menu bar with the set for gameOpen: recentFiles at the
    /// foot of File, and Send only when the mail system is there.
    void BuildMenus(bool gameOpen, const QStringList& recentFiles, bool mailAvailable);

    /// Shows text in the status bar for a few seconds, kept there when the
    /// menu that ran the command closes and clears its prompt.
    void ShowNotice(const QString& text);
    static constexpr int kNoticeMilliseconds = 5000;

signals:
    /// The user chose the command's menu item, button or key.
    void commandChosen(Cmd id);
    /// The user chose a file from File's recent files.
    void recentFileChosen(const QString& path);

private:
    void CreateActions();
    void CreateToolBar();
    void CreateStatusBar();
    void FillFileMenu(QMenu& menu, bool gameOpen, const QStringList& recentFiles, bool mailAvailable);
    void FillRecentFiles(QMenu& menu, const QStringList& recentFiles);
    void FillWindowList(QMenu& menu);

    QMainWindow& m_window;
    QMdiArea& m_mdi;
    std::map<Cmd, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    QAction* m_sendButton = nullptr;
    CLockIndicators* m_indicators = nullptr;
    bool m_bGameMenus = false;
    bool m_bBuilt = false;
    QString m_strNotice;
    QDeadlineTimer m_noticeDeadline;
};
