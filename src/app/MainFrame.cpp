#include "app/MainFrame.h"

#include "app/ActionTable.h"
#include "app/AppContext.h"
#include "app/ChartWindows.h"
#include "app/ChildFrame.h"
#include "app/KestraneView.h"
#include "app/ContextHelp.h"
#include "app/DocManager.h"
#include "app/ExportCommands.h"
#include "app/GameCommands.h"
#include "app/GameWatchers.h"
#include "app/MailImportRunner.h"
#include "app/MailboxFetcher.h"
#include "app/MainMenus.h"
#include "app/OrdersPane.h"
#include "app/OrdersSender.h"
#include "app/SeasonsPanel.h"
#include "app/SplashWnd.h"
#include "app/TextConv.h"
#include "mailbox/MailSources.h"
#include "model/KestraneDoc.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {

// The commands that need a game window.
constexpr Cmd kGameCommands[] = {
    Cmd::FileClose,  Cmd::FileSave,        Cmd::FileSaveAs,     Cmd::Print,        Cmd::PrintPreview,
    Cmd::Import,     Cmd::ImportClipboard, Cmd::GameDetails,    Cmd::WindowNew,    Cmd::WindowCascade,
    Cmd::WindowTile, Cmd::WindowArrange,   Cmd::CopyOrdersMail, Cmd::NextPane,     Cmd::PreviousPane,
    Cmd::ToggleSeasons, Cmd::CentreChart, Cmd::ImportMailbox,
    Cmd::ExportMap,  Cmd::ExportAnimation,
    Cmd::FetchMailbox, Cmd::MailboxSettings, Cmd::SendToJudge, Cmd::ZoomIn, Cmd::ZoomOut, Cmd::ActualSize,
};

// Those, and the commands enabled by the game's own state.
bool NeedsGame(Cmd id)
{
    constexpr Cmd kAlsoNeedGame[] = {Cmd::FirstSeason, Cmd::PreviousSeason, Cmd::NextSeason,
                                     Cmd::LatestSeason, Cmd::RemoveSeason,   Cmd::SendMail,
                                     Cmd::OrdersMode};
    return std::find(std::begin(kGameCommands), std::end(kGameCommands), id) != std::end(kGameCommands) ||
           std::find(std::begin(kAlsoNeedGame), std::end(kAlsoNeedGame), id) != std::end(kAlsoNeedGame);
}

} // namespace

CMainFrame::CMainFrame(CAppContext& context) : m_context(context)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QStringLiteral("Kestrane"));
    setAcceptDrops(true);

    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    m_docs = std::make_unique<CDocManager>(context, *m_mdi);

    m_contextHelp = new CContextHelp(*this);
    m_menus = new CMainMenus(*this, *m_mdi);
    m_gameCommands = std::make_unique<CGameCommands>(context, *this);
    m_exportCommands = std::make_unique<CExportCommands>(context, *this);
    m_mailImport = std::make_unique<CMailImportRunner>(context, *this);
    m_fetcher = std::make_unique<CMailboxFetcher>(context, *this, *m_mailImport);
    m_watchers = std::make_unique<CGameWatchers>(context, *this, *m_fetcher);
    m_sender = std::make_unique<COrdersSender>(context, *this, *m_fetcher);
    m_charts = std::make_unique<CChartWindows>(*this, context.Prompts());
    CreateSeasonsPanel();
    ConnectCommands();
    UpdateActions();
}

CMainFrame::~CMainFrame()
{
    // A fetch still running stops, and marks waiting for their games let
    // go of them while these still live. Then the chart windows and the
    // game windows go (they let go of their games as they go), and last the
    // document manager that owns the games.
    m_watchers.reset();
    m_sender.reset();
    m_fetcher.reset();
    m_charts.reset();
    m_mdi->disconnect(this);
    m_docs->disconnect(this);
    delete m_mdi;
    m_mdi = nullptr;
    m_docs.reset();
}

void CMainFrame::ConnectCommands()
{
    connect(m_menus, &CMainMenus::commandChosen, this, &CMainFrame::Execute);
    connect(m_menus, &CMainMenus::recentFileChosen, this, [this](const QString& path) {
        m_docs->OpenDocumentFile(path);
        UpdateActions();
    });
    for (CCommandGroup* group : std::initializer_list<CCommandGroup*>{m_gameCommands.get(), m_exportCommands.get(),
                                                                      m_mailImport.get(), m_fetcher.get(),
                                                                      m_watchers.get(), m_sender.get()})
        connect(group, &CCommandGroup::notice, this, &CMainFrame::ShowNotice);
    connect(m_contextHelp, &CContextHelp::notice, this, &CMainFrame::ShowNotice);
    connect(m_mailImport.get(), &CMailImportRunner::finished, this, &CMainFrame::UpdateActions);
    connect(m_sender.get(), &COrdersSender::finished, this, &CMainFrame::UpdateActions);
    // The game windows redraw themselves; the menus re-check once.
    connect(&m_context, &CAppContext::displayChanged, this, &CMainFrame::UpdateActions);

    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] { UpdateActions(); });
    connect(m_docs.get(), &CDocManager::framesChanged, this, [this] {
        m_watchers->Follow(m_docs->Documents());
        UpdateActions();
    });
    connect(m_docs.get(), &CDocManager::recentFilesChanged, this, [this] { BuildMenus(m_menus->ShowsGameMenus()); });
    connect(m_docs.get(), &CDocManager::documentClosing, this, [this](CKestraneDoc* doc) {
        m_fetcher->OnDocumentClosing(doc);
        m_watchers->OnDocumentClosing(doc);
        m_sender->OnDocumentClosing(doc);
        m_charts->Close(doc);
    });
    connect(m_charts.get(), &CChartWindows::seasonChosen, this, &CMainFrame::ShowSeason);
    connect(m_watchers.get(), &CGameWatchers::changed, this, &CMainFrame::UpdateActions);
    connect(m_fetcher.get(), &CMailboxFetcher::settingsAccepted, m_watchers.get(), &CGameWatchers::OnSettingsAccepted);
    connect(m_watchers.get(), &CGameWatchers::showGame, this, &CMainFrame::BringForward);
}

QAction* CMainFrame::Action(Cmd id) const
{
    return m_menus->Action(id);
}

QToolBar* CMainFrame::ToolBar() const
{
    return m_menus->ToolBar();
}

bool CMainFrame::ShowsGameMenus() const
{
    return m_menus->ShowsGameMenus();
}

CHelpWindow* CMainFrame::HelpWindow() const
{
    return m_gameCommands->HelpWindow();
}

void CMainFrame::ShowNotice(const QString& text)
{
    m_menus->ShowNotice(text);
}

CChildFrame* CMainFrame::ActiveFrame() const
{
    auto* frame = qobject_cast<CChildFrame*>(m_mdi->activeSubWindow());
    if (!frame) {
        // The MDI area forgets its active window while the main window is
        // inactive; the topmost game window is the active one then.
        const auto windows = m_mdi->subWindowList(QMdiArea::StackingOrder);
        if (!windows.isEmpty())
            frame = qobject_cast<CChildFrame*>(windows.back());
    }
    return frame && frame->Document() ? frame : nullptr;
}

CChildFrame* CMainFrame::FrameAt(const QPoint& pos) const
{
    for (QWidget* widget = childAt(pos); widget; widget = widget->parentWidget())
        if (auto* frame = qobject_cast<CChildFrame*>(widget))
            return frame->Document() ? frame : nullptr;
    return nullptr;
}

CKestraneDoc* CMainFrame::ActiveDocument() const
{
    CChildFrame* frame = ActiveFrame();
    return frame ? frame->Document() : nullptr;
}

void CMainFrame::BuildMenus(bool gameOpen)
{
    // The mail system is looked for once a game is open, and only once a run.
    m_menus->BuildMenus(gameOpen, m_docs->RecentFiles(), gameOpen && m_context.Mail().IsAvailable());
}

void CMainFrame::UpdateActions()
{
    CKestraneDoc* doc = ActiveDocument();
    const bool game = doc != nullptr;
    if (!m_menus->Built() || game != m_menus->ShowsGameMenus())
        BuildMenus(game);

    for (Cmd id : kGameCommands)
        Action(id)->setEnabled(game);
    Action(Cmd::FirstSeason)->setEnabled(game && doc->OnUpdateFirstSeason());
    Action(Cmd::PreviousSeason)->setEnabled(game && doc->OnUpdatePreviousSeason());
    Action(Cmd::NextSeason)->setEnabled(game && doc->OnUpdateNextSeason());
    Action(Cmd::LatestSeason)->setEnabled(game && doc->OnUpdateLatestSeason());
    Action(Cmd::RemoveSeason)->setEnabled(game && doc->OnUpdateRemoveSeason());
    Action(Cmd::SendMail)->setEnabled(game && m_context.Mail().IsAvailable());
    UpdateOrdersModeAction();

    // Check marks show only the value 1; a stored 2 stays unchecked.
    const CAppSettings& settings = m_context.Settings();
    Action(Cmd::ToggleZoom)->setChecked(settings.m_bZoomToFit == 1);
    Action(Cmd::ToggleInitials)->setChecked(settings.m_bInitials == 1);
    Action(Cmd::ToggleSCDisplay)->setChecked(settings.m_bSCDisplay == 1);
    Action(Cmd::ToggleOrders)->setChecked(settings.m_bOrdersOnMap == 1);
    Action(Cmd::ToggleSmoothZoom)->setChecked(settings.m_bSmoothZoom == 1);
    Action(Cmd::TogglePhaseSummary)->setChecked(settings.m_bPhaseSummary == 1);
    Action(Cmd::ViewToolbar)->setChecked(!ToolBar()->isHidden());
    Action(Cmd::ViewStatusBar)->setChecked(!statusBar()->isHidden());
    Action(Cmd::ToggleSeasons)->setChecked(settings.m_bSeasonsPanel == 1);
    // The list follows the active game; without a game there is nothing to list.
    m_seasonsPanel->ShowGame(doc);
    const bool showPanel = game && settings.m_bSeasonsPanel == 1;
    if (showPanel && m_seasonsPanel->isHidden() && !m_bPanelSized) {
        // Wide enough at first for the longest season and its deadline.
        m_seasonsPanel->show();
        resizeDocks({m_seasonsPanel}, {m_seasonsPanel->PreferredWidth()}, Qt::Horizontal);
        m_bPanelSized = true;
    }
    m_seasonsPanel->setVisible(showPanel);
    UpdateTitle();
}

void CMainFrame::UpdateOrdersModeAction()
{
    // Disabled with the reason as its prompt: the board has no geography,
    // no country is set, or the game has no position to order from.
    CChildFrame* frame = ActiveFrame();
    const QString why = frame ? frame->OrdersPane()->Unavailable() : QString();
    QAction* action = Action(Cmd::OrdersMode);
    const QString prompt = QString::fromLatin1(ActionSpec(Cmd::OrdersMode).prompt);
    // A mode left on stays there to be turned off.
    action->setEnabled(frame && (why.isEmpty() || frame->OrdersPane()->IsOn()));
    action->setChecked(frame && frame->OrdersPane()->IsOn());
    action->setStatusTip(why.isEmpty() ? prompt.left(prompt.indexOf(QLatin1Char('\n'))) : why);
    action->setToolTip(why.isEmpty() ? prompt.mid(prompt.indexOf(QLatin1Char('\n')) + 1) : why);
    // In the mode the toolbar offers the send, and the pane shows what
    // became of the last one (an import or a send may have changed it).
    const bool on = frame && frame->OrdersPane()->IsOn();
    m_menus->SendButton()->setVisible(on);
    if (on)
        frame->OrdersPane()->ShowJudgeAnswer();
}

void CMainFrame::UpdateTitle()
{
    CChildFrame* frame = ActiveFrame();
    if (frame && frame->isMaximized()) {
        // A maximised game window adds " - [title]" to the main window's
        // own title itself.
        setWindowTitle(QStringLiteral("Kestrane"));
        return;
    }
    // A notice no desktop service took stays in the title until looked at.
    const QString words = m_watchers->TitleWords();
    setWindowTitle((frame ? QStringLiteral("Kestrane - ") + FromDocText(frame->Document()->GetTitle())
                          : QStringLiteral("Kestrane")) +
                   (words.isEmpty() ? QString() : QStringLiteral(" - ") + words));
}

void CMainFrame::Execute(Cmd id)
{
    if (m_contextHelp->IsActive()) {
        // The command chosen in context help is explained, not run.
        const QString prompt = QString::fromLatin1(ActionSpec(id).prompt);
        m_contextHelp->Answer(prompt.left(prompt.indexOf(QLatin1Char('\n'))));
        return;
    }
    CChildFrame* frame = ActiveFrame();
    if (!frame && NeedsGame(id))
        return;
    CKestraneDoc* doc = frame ? frame->Document() : nullptr;
    using Toggle = CAppContext::Toggle;
    switch (id) {
    case Cmd::FileNew: m_docs->OnFileNew(); break;
    case Cmd::FileOpen: m_docs->OnFileOpen(); break;
    case Cmd::FileClose: m_docs->OnFileClose(*doc); break;
    case Cmd::FileSave: m_docs->OnFileSave(*doc); break;
    case Cmd::FileSaveAs: m_docs->OnFileSaveAs(*doc); break;
    case Cmd::Print: m_gameCommands->OnPrint(*frame, false); break;
    case Cmd::PrintPreview: m_gameCommands->OnPrint(*frame, true); break;
    case Cmd::PrintSetup: m_gameCommands->OnPrintSetup(); break;
    case Cmd::SendMail: m_gameCommands->OnSendOrders(*doc); break;
    case Cmd::CopyOrdersMail: m_gameCommands->OnCopyOrdersMail(*doc); break;
    case Cmd::AppExit: close(); break;
    case Cmd::Import: m_gameCommands->OnImport(*doc); break;
    case Cmd::ImportClipboard: m_gameCommands->OnImportClipboard(*doc); break;
    case Cmd::ImportMailbox: m_mailImport->OnImportMailbox(*doc); break;
    case Cmd::RemoveSeason: doc->OnRemoveSeason(); break;
    case Cmd::FirstSeason: doc->OnFirstSeason(); break;
    case Cmd::PreviousSeason: doc->OnPreviousSeason(); break;
    case Cmd::NextSeason: doc->OnNextSeason(); break;
    case Cmd::LatestSeason: doc->OnLatestSeason(); break;
    case Cmd::GameDetails: m_gameCommands->OnGameDetails(*doc); break;
    case Cmd::OrdersMode: frame->ToggleOrdersMode(); break;
    case Cmd::FetchMailbox: m_fetcher->OnFetchMailbox(*doc); break;
    case Cmd::MailboxSettings: m_fetcher->OnMailboxSettings(*doc); break;
    case Cmd::SendToJudge: m_sender->OnSendOrders(*doc); break;
    case Cmd::ViewToolbar: ToolBar()->setVisible(ToolBar()->isHidden()); break;
    case Cmd::ViewStatusBar: statusBar()->setVisible(statusBar()->isHidden()); break;
    // A toggle's displayChanged() redraws the game windows and updates the
    // actions; nothing is left to do here.
    case Cmd::ToggleZoom: m_context.OnToggle(Toggle::ZoomToFit); return;
    case Cmd::ToggleInitials: m_context.OnToggle(Toggle::Initials); return;
    case Cmd::ToggleSCDisplay: m_context.OnToggle(Toggle::SCDisplay); return;
    case Cmd::ToggleSeasons: m_context.OnToggle(Toggle::SeasonsPanel); return;
    case Cmd::ToggleOrders: m_context.OnToggle(Toggle::OrdersOnMap); return;
    case Cmd::ToggleSmoothZoom: m_context.OnToggle(Toggle::SmoothZoom); return;
    case Cmd::TogglePhaseSummary: m_context.OnToggle(Toggle::PhaseSummary); return;
    // The zoom commands change the display too: the same redraw follows.
    case Cmd::ZoomIn: frame->MapView()->ZoomIn(); return;
    case Cmd::ZoomOut: frame->MapView()->ZoomOut(); return;
    case Cmd::ActualSize: frame->MapView()->ActualSize(); return;
    case Cmd::CentreChart: m_charts->Show(*doc); break;
    case Cmd::ExportMap: m_exportCommands->OnExportMap(*doc); break;
    case Cmd::ExportAnimation: m_exportCommands->OnExportAnimation(*doc); break;
    case Cmd::WindowNew: m_docs->OnWindowNew(*doc); break;
    case Cmd::WindowCascade: m_mdi->cascadeSubWindows(); break;
    case Cmd::WindowTile: m_mdi->tileSubWindows(); break;
    case Cmd::WindowArrange: OnArrangeIcons(); break;
    case Cmd::HelpTopics:
    case Cmd::Help: m_gameCommands->OnHelpTopics(); break;
    case Cmd::ContextHelp: m_contextHelp->Enter(); break;
    case Cmd::AppAbout: m_gameCommands->OnAppAbout(); break;
    case Cmd::NextPane:
    case Cmd::PreviousPane: frame->NextPane(); break;
    }
    // A command may have saved a game under a name, changed its watch or
    // sent its orders: the watches and reminders follow.
    m_watchers->Follow(m_docs->Documents());
    // The window may be closing (Exit); it then has nothing left to update.
    if (isVisible() || !m_mdi->subWindowList().isEmpty())
        UpdateActions();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The rectangle is kept whatever the window's state; the next start
    // shows a normal window with it.
    CWindowRect& rect = m_context.Settings().m_rectWindow;
    rect.left = x();
    rect.top = y();
    rect.right = x() + width();
    rect.bottom = y() + height();

    if (!m_docs->SaveAllModified()) {
        event->ignore();
        return;
    }
    m_docs->CloseAllDocuments();
    // The start-up picture must not keep the program alive on its own.
    CSplashWnd::HideSplashScreen();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    // Mail dropped on a game window goes into that game; everything else is
    // opened as a game, as before.
    CChildFrame* target = FrameAt(event->position().toPoint());
    QStringList mail;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile())
            continue;
        if (target && IsMailSource(ToPath(url.toLocalFile())))
            mail << url.toLocalFile();
        else
            m_docs->OpenDocumentFile(url.toLocalFile());
    }
    if (!mail.isEmpty())
        m_mailImport->ImportMailSources(*target->Document(), mail);
    event->acceptProposedAction();
    activateWindow();
    UpdateActions();
}

void CMainFrame::CreateSeasonsPanel()
{
    m_seasonsPanel = new CSeasonsPanel(this);
    m_seasonsPanel->hide();
    addDockWidget(Qt::LeftDockWidgetArea, m_seasonsPanel);
    connect(m_seasonsPanel, &CSeasonsPanel::seasonChosen, this, [this](const QByteArray& name) {
        if (CKestraneDoc* doc = ActiveDocument())
            ShowSeason(*doc, name);
    });
    connect(m_seasonsPanel, &CSeasonsPanel::closedByUser, this, [this] {
        // Closing the panel itself is the same as unchecking its menu item.
        if (m_context.Settings().m_bSeasonsPanel == 1)
            m_context.OnToggle(CAppContext::Toggle::SeasonsPanel);
    });
}

void CMainFrame::ShowSeason(CKestraneDoc& doc, const QByteArray& name)
{
    doc.ShowSeason(name.toStdString());
    UpdateActions();
}

CCentreChartWindow* CMainFrame::ChartWindow(const CKestraneDoc& doc) const
{
    return m_charts->Find(doc);
}

void CMainFrame::BringForward(CKestraneDoc* doc, const QByteArray& season)
{
    const auto frames = m_docs->Frames(*doc);
    if (frames.empty())
        return;
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    m_mdi->setActiveSubWindow(frames.front());
    if (season.isEmpty())
        UpdateActions();
    else
        ShowSeason(*doc, season);
}

void CMainFrame::OnArrangeIcons()
{
    // Minimised game windows are lined up along the bottom of the MDI area.
    int x = 0;
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, m_mdi->viewport()->height() - size.height());
        x += size.width();
    }
}
