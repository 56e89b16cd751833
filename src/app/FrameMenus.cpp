#include "app/MainFrame.h"

#include "app/ActionTable.h"
#include "app/DocManager.h"
#include "app/AppContext.h"
#include "app/LockIndicators.h"
#include "app/MenuRules.h"
#include "app/ToolbarIcons.h"

#include <QDir>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

// The main window's actions, toolbar, status bar and the two menu sets.

void CMainFrame::CreateActions()
{
    for (const CActionSpec& entry : ActionTable()) {
        auto* action = new QAction(this);
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
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        // Added to the window as well, so the accelerators work whichever
        // menu set is shown.
        addAction(action);
        m_actions[entry.id] = action;
    }
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
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
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
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

void CMainFrame::ShowNotice(const QString& text)
{
    m_strNotice = text;
    m_noticeDeadline.setRemainingTime(kNoticeMilliseconds);
    statusBar()->showMessage(text, kNoticeMilliseconds);
}

void CMainFrame::FillRecentFiles(QMenu& menu)
{
    const QStringList& files = m_docs->RecentFiles();
    if (files.isEmpty()) {
        QAction* none = menu.addAction(QStringLiteral("Recent File"));
        none->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])));
        item->setStatusTip(QStringLiteral("Open this document"));
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] {
            m_docs->OpenDocumentFile(path);
            UpdateActions();
        });
    }
}

void CMainFrame::FillFileMenu(QMenu& menu, bool gameOpen)
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
        menu.addAction(Action(Cmd::SendMail));
        menu.addAction(Action(Cmd::CopyOrdersMail));
        menu.addSeparator();
    }
    FillRecentFiles(menu);
    menu.addSeparator();
    menu.addAction(Action(Cmd::AppExit));
    if (gameOpen && !m_context.Mail().IsAvailable())
        RemoveMenuItem(menu, Action(Cmd::SendMail));
}

void CMainFrame::BuildMenus(bool gameOpen)
{
    QMenuBar* bar = menuBar();
    bar->clear();
    m_bGameMenus = gameOpen;
    m_bMenusBuilt = true;

    FillFileMenu(*bar->addMenu(QStringLiteral("&File")), gameOpen);
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
    }
    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->addAction(Action(Cmd::ViewToolbar));
    view->addAction(Action(Cmd::ViewStatusBar));
    if (gameOpen) {
        for (Cmd id : {Cmd::ToggleZoom, Cmd::ToggleInitials, Cmd::ToggleSCDisplay, Cmd::ToggleOrders,
                       Cmd::ToggleSmoothZoom})
            view->addAction(Action(id));
        view->addSeparator();
        view->addAction(Action(Cmd::ToggleSeasons));
        view->addAction(Action(Cmd::CentreChart));
        QMenu* window = bar->addMenu(QStringLiteral("&Window"));
        for (Cmd id : {Cmd::WindowNew, Cmd::WindowCascade, Cmd::WindowTile, Cmd::WindowArrange})
            window->addAction(Action(id));
    }
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(Action(Cmd::HelpTopics));
    if (gameOpen)
        help->addSeparator();
    help->addAction(Action(Cmd::AppAbout));
}
