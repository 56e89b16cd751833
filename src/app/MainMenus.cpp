#include "app/MainMenus.h"

#include "app/ActionTable.h"
#include "app/LockIndicators.h"
#include "app/MenuRules.h"
#include "app/ToolbarIcons.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

CMainMenus::CMainMenus(QMainWindow& window, QMdiArea& mdi) : QObject(&window), m_window(window), m_mdi(mdi)
{
    CreateActions();
    CreateToolBar();
    CreateStatusBar();
}

QAction* CMainMenus::Action(Cmd id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainMenus::CreateActions()
{
    for (const CActionSpec& entry : ActionTable()) {
        auto* action = new QAction(&m_window);
        const QString prompt = QString::fromLatin1(entry.prompt);
        const qsizetype newline = prompt.indexOf('\n');
        action->setText(entry.text[0] ? QString::fromLatin1(entry.text) : prompt.mid(newline + 1));
        action->setStatusTip(prompt.left(newline));
        action->setToolTip(prompt.mid(newline + 1));
        action->setWhatsThis(prompt.left(newline));
        if (entry.shortcut[0])
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(entry.checkable);
        action->setIcon(ToolbarIcon(entry.id));
        action->setIconVisibleInMenu(false);
        action->setData(int(entry.id));
        const Cmd id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { emit commandChosen(id); });
        // Added to the window as well, so the accelerators work whichever
        // menu set is shown.
        m_window.addAction(action);
        m_actions[entry.id] = action;
    }
}

void CMainMenus::CreateToolBar()
{
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), &m_window);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (Cmd id : {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave})
        m_toolBar->addAction(Action(id));
    m_toolBar->addSeparator();
    for (Cmd id : {Cmd::FirstSeason, Cmd::PreviousSeason, Cmd::NextSeason, Cmd::LatestSeason})
        m_toolBar->addAction(Action(id));
    m_toolBar->addSeparator();
    for (Cmd id : {Cmd::Print, Cmd::AppAbout, Cmd::ContextHelp})
        m_toolBar->addAction(Action(id));
    m_toolBar->addSeparator();
    m_toolBar->addAction(Action(Cmd::OrdersMode));
    // A button of its own, shown in Orders mode only, where the menu item
    // stays.
    const QAction* send = Action(Cmd::SendToJudge);
    m_sendButton = m_toolBar->addAction(send->icon(), send->toolTip(), this,
                                        [this] { emit commandChosen(Cmd::SendToJudge); });
    m_sendButton->setObjectName(QStringLiteral("SendToJudgeButton"));
    m_sendButton->setData(int(Cmd::SendToJudge));
    m_sendButton->setStatusTip(send->statusTip());
    m_sendButton->setVisible(false);
    m_window.addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainMenus::CreateStatusBar()
{
    QStatusBar* bar = m_window.statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    m_indicators = new CLockIndicators(*bar);
    bar->showMessage(QStringLiteral("For Help, press F1"));
    connect(bar, &QStatusBar::messageChanged, bar, [this, bar](const QString& text) {
        if (!text.isEmpty())
            return;
        // A menu clears the bar as it closes, right after its command ran;
        // the command's notice stays until its time is up.
        if (!m_strNotice.isEmpty() && !m_noticeDeadline.hasExpired())
            bar->showMessage(m_strNotice, int(std::max<qint64>(1, m_noticeDeadline.remainingTime())));
        else
            bar->showMessage(QStringLiteral("For Help, press F1"));
    });
}

void CMainMenus::ShowNotice(const QString& text)
{
    m_strNotice = text;
    m_noticeDeadline.setRemainingTime(kNoticeMilliseconds);
    m_window.statusBar()->showMessage(text, kNoticeMilliseconds);
}

void CMainMenus::FillRecentFiles(QMenu& menu, const QStringList& files)
{
    if (files.isEmpty()) {
        QAction* none = menu.addAction(QStringLiteral("Recent File"));
        none->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])));
        item->setStatusTip(QStringLiteral("Open this document"));
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] { emit recentFileChosen(path); });
    }
}

void CMainMenus::FillWindowList(QMenu& menu)
{
    // The list is everything but the menu's own commands (which carry
    // their command in their data).
    for (QAction* item : menu.actions())
        if (!item->data().isValid()) {
            menu.removeAction(item);
            item->deleteLater();
        }
    const QList<QMdiSubWindow*> windows = m_mdi.subWindowList();
    if (windows.isEmpty())
        return;
    menu.addSeparator();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        // Numbered as accelerators up to 9; the later ones by title only.
        QString title = window->windowTitle();
        title.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* item = menu.addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title);
        item->setCheckable(true);
        item->setChecked(window == m_mdi.activeSubWindow());
        item->setStatusTip(QStringLiteral("Activate this window"));
        connect(item, &QAction::triggered, &m_mdi, [this, window = QPointer<QMdiSubWindow>(window)] {
            if (window)
                m_mdi.setActiveSubWindow(window);
        });
    }
}

void CMainMenus::FillFileMenu(QMenu& menu, bool gameOpen, const QStringList& recentFiles, bool mailAvailable)
{
    menu.addAction(Action(Cmd::FileNew));
    menu.addAction(Action(Cmd::FileOpen));
    if (gameOpen) {
        menu.addAction(Action(Cmd::FileClose));
        menu.addAction(Action(Cmd::FileSave));
        menu.addAction(Action(Cmd::FileSaveAs));
        menu.addSeparator();
        menu.addAction(Action(Cmd::Print));
        menu.addAction(Action(Cmd::PrintPreview));
    } else {
        menu.addSeparator();
    }
    menu.addAction(Action(Cmd::PrintSetup));
    menu.addSeparator();
    if (gameOpen) {
        menu.addAction(Action(Cmd::ExportMap));
        menu.addAction(Action(Cmd::ExportAnimation));
        menu.addSeparator();
        menu.addAction(Action(Cmd::SendToJudge));
        menu.addAction(Action(Cmd::SendMail));
        menu.addAction(Action(Cmd::CopyOrdersMail));
        menu.addSeparator();
    }
    FillRecentFiles(menu, recentFiles);
    menu.addSeparator();
    menu.addAction(Action(Cmd::AppExit));
    if (gameOpen && !mailAvailable)
        RemoveMenuItem(menu, Action(Cmd::SendMail));
}

void CMainMenus::BuildMenus(bool gameOpen, const QStringList& recentFiles, bool mailAvailable)
{
    QMenuBar* bar = m_window.menuBar();
    bar->clear();
    m_bGameMenus = gameOpen;
    m_bBuilt = true;

    FillFileMenu(*bar->addMenu(QStringLiteral("&File")), gameOpen, recentFiles, mailAvailable);
    if (gameOpen) {
        QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
        for (Cmd id : {Cmd::Import, Cmd::ImportClipboard, Cmd::ImportMailbox, Cmd::FetchMailbox, Cmd::MailboxSettings,
                       Cmd::RemoveSeason})
            edit->addAction(Action(id));
        edit->addSeparator();
        for (Cmd id : {Cmd::FirstSeason, Cmd::PreviousSeason, Cmd::NextSeason, Cmd::LatestSeason})
            edit->addAction(Action(id));
        edit->addSeparator();
        edit->addAction(Action(Cmd::GameDetails));
        edit->addAction(Action(Cmd::OrdersMode));
    }
    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->addAction(Action(Cmd::ViewToolbar));
    view->addAction(Action(Cmd::ViewStatusBar));
    if (gameOpen) {
        for (Cmd id : {Cmd::ToggleZoom, Cmd::ZoomIn, Cmd::ZoomOut, Cmd::ActualSize, Cmd::ToggleInitials, Cmd::ToggleSCDisplay, Cmd::ToggleOrders,
                       Cmd::ToggleSmoothZoom})
            view->addAction(Action(id));
        view->addSeparator();
        view->addAction(Action(Cmd::ToggleSeasons));
        view->addAction(Action(Cmd::TogglePhaseSummary));
        view->addAction(Action(Cmd::CentreChart));
        QMenu* window = bar->addMenu(QStringLiteral("&Window"));
        for (Cmd id : {Cmd::WindowNew, Cmd::WindowCascade, Cmd::WindowTile, Cmd::WindowArrange})
            window->addAction(Action(id));
        // The open game windows follow, listed afresh each time the menu opens.
        connect(window, &QMenu::aboutToShow, this, [this, window] { FillWindowList(*window); });
    }
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(Action(Cmd::HelpTopics));
    if (gameOpen)
        help->addSeparator();
    help->addAction(Action(Cmd::AppAbout));
}
