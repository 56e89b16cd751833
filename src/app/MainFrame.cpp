#include "app/MainFrame.h"

#include "app/ActionTable.h"
#include "app/CentreChartWindow.h"
#include "app/ChildFrame.h"
#include "app/ContextHelp.h"
#include "app/DocManager.h"
#include "app/KesTextView.h"
#include "app/AppContext.h"
#include "app/KestraneView.h"
#include "app/SeasonsPanel.h"
#include "app/PendingFetchMark.h"
#include "app/SplashWnd.h"
#include "app/TextConv.h"
#include "mailbox/MailSources.h"
#include "model/KestraneDoc.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStringList>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The commands that need a game window.
constexpr Cmd kGameCommands[] = {
    Cmd::FileClose,  Cmd::FileSave,        Cmd::FileSaveAs,     Cmd::Print,        Cmd::PrintPreview,
    Cmd::Import,     Cmd::ImportClipboard, Cmd::GameDetails,    Cmd::WindowNew,    Cmd::WindowCascade,
    Cmd::WindowTile, Cmd::WindowArrange,   Cmd::CopyOrdersMail, Cmd::NextPane,     Cmd::PreviousPane,
    Cmd::ToggleSeasons, Cmd::CentreChart, Cmd::ImportMailbox,
    Cmd::ExportMap,  Cmd::ExportAnimation,
    Cmd::FetchMailbox, Cmd::MailboxSettings,
};

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
    m_docs = new CDocManager(context, *m_mdi);
    m_docs->setParent(this);

    m_contextHelp = new CContextHelp(*this);
    connect(m_contextHelp, &CContextHelp::notice, this, &CMainFrame::ShowNotice);
    CreateActions();
    CreateToolBar();
    CreateStatusBar();
    CreateSeasonsPanel();

    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] { UpdateActions(); });
    // The game windows redraw themselves; the menus re-check once.
    connect(&m_context, &CAppContext::displayChanged, this, &CMainFrame::UpdateActions);
    connect(m_docs, &CDocManager::framesChanged, this, &CMainFrame::UpdateActions);
    connect(m_docs, &CDocManager::recentFilesChanged, this, [this] { BuildMenus(m_bGameMenus); });
    connect(m_docs, &CDocManager::documentClosing, this, [this](CKestraneDoc* doc) {
        // A fetch mark waiting for a game that is closed unsaved is dropped.
        m_pendingMarks.erase(doc);
        CloseChart(doc);
    });
    UpdateActions();
}

CMainFrame::~CMainFrame()
{
    // Waiting fetch marks let go of their games while these still live.
    m_pendingMarks.clear();
    // The game windows go first (they let go of their games as they go),
    // then the document manager that owns the games. The chart windows let
    // go of their games before either.
    for (auto& [doc, chart] : m_charts)
        delete chart.data();
    m_charts.clear();
    m_mdi->disconnect(this);
    m_docs->disconnect(this);
    delete m_mdi;
    m_mdi = nullptr;
    delete m_docs;
    m_docs = nullptr;
}

QAction* CMainFrame::Action(Cmd id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
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

void CMainFrame::UpdateActions()
{
    CKestraneDoc* doc = ActiveDocument();
    const bool game = doc != nullptr;
    if (!m_bMenusBuilt || game != m_bGameMenus)
        BuildMenus(game);

    for (Cmd id : kGameCommands)
        Action(id)->setEnabled(game);
    Action(Cmd::FirstSeason)->setEnabled(game && doc->OnUpdateFirstSeason());
    Action(Cmd::PreviousSeason)->setEnabled(game && doc->OnUpdatePreviousSeason());
    Action(Cmd::NextSeason)->setEnabled(game && doc->OnUpdateNextSeason());
    Action(Cmd::LatestSeason)->setEnabled(game && doc->OnUpdateLatestSeason());
    Action(Cmd::RemoveSeason)->setEnabled(game && doc->OnUpdateRemoveSeason());
    Action(Cmd::SendMail)->setEnabled(game && m_context.Mail().IsAvailable());

    // Check marks show only the value 1; a stored 2 stays unchecked.
    Action(Cmd::ToggleZoom)->setChecked(m_context.Settings().m_bZoomToFit == 1);
    Action(Cmd::ToggleInitials)->setChecked(m_context.Settings().m_bInitials == 1);
    Action(Cmd::ToggleSCDisplay)->setChecked(m_context.Settings().m_bSCDisplay == 1);
    Action(Cmd::ToggleOrders)->setChecked(m_context.Settings().m_bOrdersOnMap == 1);
    Action(Cmd::ToggleSmoothZoom)->setChecked(m_context.Settings().m_bSmoothZoom == 1);
    Action(Cmd::ViewToolbar)->setChecked(!m_toolBar->isHidden());
    Action(Cmd::ViewStatusBar)->setChecked(!statusBar()->isHidden());
    Action(Cmd::ToggleSeasons)->setChecked(m_context.Settings().m_bSeasonsPanel == 1);
    // The list follows the active game; without a game there is nothing to list.
    m_seasonsPanel->ShowGame(doc);
    const bool showPanel = game && m_context.Settings().m_bSeasonsPanel == 1;
    if (showPanel && m_seasonsPanel->isHidden() && !m_bPanelSized) {
        // Wide enough at first for the longest season and its deadline.
        m_seasonsPanel->show();
        resizeDocks({m_seasonsPanel}, {m_seasonsPanel->PreferredWidth()}, Qt::Horizontal);
        m_bPanelSized = true;
    }
    m_seasonsPanel->setVisible(showPanel);
    UpdateTitle();
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
    setWindowTitle(frame ? QStringLiteral("Kestrane - ") + FromDocText(frame->Document()->GetTitle())
                         : QStringLiteral("Kestrane"));
}

void CMainFrame::Execute(Cmd id)
{
    if (m_contextHelp->IsActive()) {
        // The command chosen in context help is explained, not run.
        const QString prompt = QString::fromLatin1(ActionSpec(id).prompt);
        m_contextHelp->Answer(prompt.left(prompt.indexOf(QLatin1Char('\n'))));
        return;
    }
    CKestraneDoc* doc = ActiveDocument();
    CChildFrame* frame = ActiveFrame();
    switch (id) {
    case Cmd::FileNew: m_docs->OnFileNew(); break;
    case Cmd::FileOpen: m_docs->OnFileOpen(); break;
    case Cmd::FileClose: if (doc) m_docs->OnFileClose(*doc); break;
    case Cmd::FileSave: if (doc) m_docs->OnFileSave(*doc); break;
    case Cmd::FileSaveAs: if (doc) m_docs->OnFileSaveAs(*doc); break;
    case Cmd::Print: OnPrint(false); break;
    case Cmd::PrintPreview: OnPrint(true); break;
    case Cmd::PrintSetup: OnPrintSetup(); break;
    case Cmd::SendMail: OnSendOrders(); break;
    case Cmd::CopyOrdersMail: OnCopyOrdersMail(); break;
    case Cmd::AppExit: close(); break;
    case Cmd::Import: OnImport(); break;
    case Cmd::ImportClipboard: OnImportClipboard(); break;
    case Cmd::ImportMailbox: OnImportMailbox(); break;
    case Cmd::RemoveSeason: if (doc) doc->OnRemoveSeason(); break;
    case Cmd::FirstSeason: if (doc) doc->OnFirstSeason(); break;
    case Cmd::PreviousSeason: if (doc) doc->OnPreviousSeason(); break;
    case Cmd::NextSeason: if (doc) doc->OnNextSeason(); break;
    case Cmd::LatestSeason: if (doc) doc->OnLatestSeason(); break;
    case Cmd::GameDetails: OnGameDetails(); break;
    case Cmd::FetchMailbox: OnFetchMailbox(); break;
    case Cmd::MailboxSettings: OnMailboxSettings(); break;
    case Cmd::ViewToolbar: m_toolBar->setVisible(m_toolBar->isHidden()); break;
    case Cmd::ViewStatusBar: statusBar()->setVisible(statusBar()->isHidden()); break;
    // A toggle's displayChanged() has brought the actions up to date.
    case Cmd::ToggleZoom: return m_context.OnToggle(CAppContext::Toggle::ZoomToFit);
    case Cmd::ToggleInitials: return m_context.OnToggle(CAppContext::Toggle::Initials);
    case Cmd::ToggleSCDisplay: return m_context.OnToggle(CAppContext::Toggle::SCDisplay);
    case Cmd::ToggleSeasons: return m_context.OnToggle(CAppContext::Toggle::SeasonsPanel);
    case Cmd::ToggleOrders: return m_context.OnToggle(CAppContext::Toggle::OrdersOnMap);
    case Cmd::ToggleSmoothZoom: return m_context.OnToggle(CAppContext::Toggle::SmoothZoom);
    case Cmd::CentreChart: OnCentreChart(); break;
    case Cmd::ExportMap: OnExportMap(); break;
    case Cmd::ExportAnimation: OnExportAnimation(); break;
    case Cmd::WindowNew: if (doc) m_docs->OnWindowNew(*doc); break;
    case Cmd::WindowCascade: m_mdi->cascadeSubWindows(); break;
    case Cmd::WindowTile: m_mdi->tileSubWindows(); break;
    case Cmd::WindowArrange: OnArrangeIcons(); break;
    case Cmd::HelpTopics:
    case Cmd::Help: OnHelpTopics(); break;
    case Cmd::ContextHelp: m_contextHelp->Enter(); break;
    case Cmd::AppAbout: OnAppAbout(); break;
    case Cmd::NextPane:
    case Cmd::PreviousPane: if (frame) frame->NextPane(); break;
    }
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
        ImportMailSources(*target->Document(), mail);
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
    const auto it = m_charts.find(&doc);
    return it == m_charts.end() ? nullptr : it->second.data();
}

void CMainFrame::OnCentreChart()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    CCentreChartWindow* chart = ChartWindow(*doc);
    if (!chart) {
        chart = new CCentreChartWindow(*doc, m_context.Prompts(), this);
        m_charts[doc] = chart;
        connect(chart, &CCentreChartWindow::seasonChosen, this, [this, chart](const QByteArray& name) {
            if (CKestraneDoc* shown = chart->Document())
                ShowSeason(*shown, name);
        });
    }
    chart->show();
    chart->raise();
    chart->activateWindow();
}

void CMainFrame::CloseChart(const CKestraneDoc* doc)
{
    const auto it = m_charts.find(doc);
    if (it == m_charts.end())
        return;
    if (CCentreChartWindow* chart = it->second.data()) {
        chart->Detach();
        chart->close();
    }
    m_charts.erase(it);
}
