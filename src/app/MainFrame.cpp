#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/ActionTable.h"
#include "app/ChildFrame.h"
#include "app/DocManager.h"
#include "app/GameDetailsDlg.h"
#include "app/HelpGuide.h"
#include "app/KesTextView.h"
#include "app/KestraneApp.h"
#include "app/KestraneView.h"
#include "app/LockIndicators.h"
#include "app/MenuRules.h"
#include "app/TextConv.h"
#include "app/ToolbarIcons.h"
#include "app/UiPrompts.h"
#include "mail/OrdersMail.h"
#include "model/KestraneDoc.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

namespace {

// The commands that need a game window.
constexpr Cmd kGameCommands[] = {
    Cmd::FileClose,  Cmd::FileSave,        Cmd::FileSaveAs,     Cmd::Print,        Cmd::PrintPreview,
    Cmd::Import,     Cmd::ImportClipboard, Cmd::GameDetails,    Cmd::WindowNew,    Cmd::WindowCascade,
    Cmd::WindowTile, Cmd::WindowArrange,   Cmd::CopyOrdersMail, Cmd::NextPane,     Cmd::PreviousPane,
};

constexpr const char* kReportFilter = "Text Files (*.txt);;Judge Files (*.jud);;All Files (*)";

} // namespace

CMainFrame::CMainFrame(CKestraneApp& app) : m_app(app)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QStringLiteral("Kestrane"));
    setAcceptDrops(true);

    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    m_docs = new CDocManager(app, *m_mdi);
    m_docs->setParent(this);

    CreateActions();
    CreateToolBar();
    CreateStatusBar();

    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] { UpdateActions(); });
    connect(m_docs, &CDocManager::framesChanged, this, [this] { UpdateActions(); });
    connect(m_docs, &CDocManager::recentFilesChanged, this, [this] { BuildMenus(m_bGameMenus); });
    UpdateActions();
}

CMainFrame::~CMainFrame()
{
    // The game windows go first (they let go of their games as they go),
    // then the document manager that owns the games.
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

CKestraneDoc* CMainFrame::ActiveDocument() const
{
    CChildFrame* frame = ActiveFrame();
    return frame ? frame->Document() : nullptr;
}

void CMainFrame::CreateActions()
{
    for (const CActionSpec& spec : ActionTable()) {
        auto* action = new QAction(this);
        const QString prompt = QString::fromLatin1(spec.prompt);
        const qsizetype newline = prompt.indexOf('\n');
        action->setText(spec.text[0] ? QString::fromLatin1(spec.text) : prompt.mid(newline + 1));
        action->setStatusTip(prompt.left(newline));
        action->setToolTip(prompt.mid(newline + 1));
        action->setWhatsThis(prompt.left(newline));
        if (spec.shortcut[0])
            action->setShortcut(QKeySequence(QString::fromLatin1(spec.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(spec.checkable);
        action->setIcon(ToolbarIcon(spec.id));
        action->setIconVisibleInMenu(false);
        action->setData(int(spec.id));
        const Cmd id = spec.id;
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        // Added to the window as well, so the accelerators work whichever
        // menu set is shown.
        addAction(action);
        m_actions[spec.id] = action;
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
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& text) {
        if (text.isEmpty())
            bar->showMessage(QStringLiteral("For Help, press F1"));
    });
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
        menu.addAction(Action(Cmd::SendMail));
        menu.addAction(Action(Cmd::CopyOrdersMail));
        menu.addSeparator();
    }
    FillRecentFiles(menu);
    menu.addSeparator();
    menu.addAction(Action(Cmd::AppExit));
    if (gameOpen && !m_app.Mail().IsAvailable())
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
        for (Cmd id : {Cmd::Import, Cmd::ImportClipboard, Cmd::RemoveSeason})
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
        for (Cmd id : {Cmd::ToggleZoom, Cmd::ToggleInitials, Cmd::ToggleSCDisplay})
            view->addAction(Action(id));
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
    Action(Cmd::SendMail)->setEnabled(game && m_app.Mail().IsAvailable());

    // Check marks show only the value 1; a stored 2 stays unchecked.
    Action(Cmd::ToggleZoom)->setChecked(m_app.Settings().m_bZoomToFit == 1);
    Action(Cmd::ToggleInitials)->setChecked(m_app.Settings().m_bInitials == 1);
    Action(Cmd::ToggleSCDisplay)->setChecked(m_app.Settings().m_bSCDisplay == 1);
    Action(Cmd::ViewToolbar)->setChecked(!m_toolBar->isHidden());
    Action(Cmd::ViewStatusBar)->setChecked(!statusBar()->isHidden());
    UpdateTitle();
}

void CMainFrame::UpdateTitle()
{
    CKestraneDoc* doc = ActiveDocument();
    setWindowTitle(doc ? QStringLiteral("Kestrane - ") + FromDocText(doc->GetTitle()) : QStringLiteral("Kestrane"));
}

void CMainFrame::RedrawGameWindows()
{
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(window)) {
            frame->MapView()->viewport()->update();
            frame->TextView()->viewport()->update();
        }
    }
}

void CMainFrame::Execute(Cmd id)
{
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
    case Cmd::RemoveSeason: if (doc) doc->OnRemoveSeason(); break;
    case Cmd::FirstSeason: if (doc) doc->OnFirstSeason(); break;
    case Cmd::PreviousSeason: if (doc) doc->OnPreviousSeason(); break;
    case Cmd::NextSeason: if (doc) doc->OnNextSeason(); break;
    case Cmd::LatestSeason: if (doc) doc->OnLatestSeason(); break;
    case Cmd::GameDetails: OnGameDetails(); break;
    case Cmd::ViewToolbar: m_toolBar->setVisible(m_toolBar->isHidden()); break;
    case Cmd::ViewStatusBar: statusBar()->setVisible(statusBar()->isHidden()); break;
    case Cmd::ToggleZoom: m_app.OnToggleZoom(); break;
    case Cmd::ToggleInitials: m_app.OnToggleInitials(); break;
    case Cmd::ToggleSCDisplay: m_app.OnToggleSCDisplay(); break;
    case Cmd::WindowNew: if (doc) m_docs->OnWindowNew(*doc); break;
    case Cmd::WindowCascade: m_mdi->cascadeSubWindows(); break;
    case Cmd::WindowTile: m_mdi->tileSubWindows(); break;
    case Cmd::WindowArrange: OnArrangeIcons(); break;
    case Cmd::HelpTopics:
    case Cmd::Help: OnHelpTopics(); break;
    case Cmd::ContextHelp: QWhatsThis::enterWhatsThisMode(); break;
    case Cmd::AppAbout: OnAppAbout(); break;
    case Cmd::NextPane:
    case Cmd::PreviousPane: if (frame) frame->NextPane(); break;
    }
    // The window may be closing (Exit); it then has nothing left to update.
    if (isVisible() || !m_mdi->subWindowList().isEmpty())
        UpdateActions();
}

void CMainFrame::OnImport()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    const auto chosen = m_app.Prompts().ChooseOpenFile(this, QStringLiteral("Import"), QString(), kReportFilter);
    if (chosen)
        doc->OnImport(ToPath(*chosen));
}

void CMainFrame::OnImportClipboard()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    std::optional<std::string> text;
    if (data && data->hasText() && !data->text().isEmpty()) {
        // Reports are plain 8-bit text; characters beyond Latin-1 have no
        // meaning to the parsers and become "?".
        text = data->text().toLatin1().toStdString();
    }
    doc->OnImportClipboard(text);
}

void CMainFrame::OnGameDetails()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    CGameDetailsDlg dialog(*doc, this);
    if (m_app.Prompts().RunDialog(dialog))
        dialog.Apply();
}

void CMainFrame::OnSendOrders()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    if (!m_app.Mail().IsAvailable()) {
        m_app.Services().ShowMessage(CMailSystem::kNoMailSystem, MessageIcon::None);
        return;
    }
    if (!ComposeOrdersMail(*doc))
        return;
    switch (m_app.Mail().Send(doc->m_strMail, this)) {
    case CMailSystem::Result::Sent: break;
    case CMailSystem::Result::ToolMissing:
        m_app.Services().ShowMessage(CMailSystem::kNoMailSystem, MessageIcon::None);
        break;
    case CMailSystem::Result::Failed:
        m_app.Services().ShowMessage(CMailSystem::kSendFailed, MessageIcon::None);
        break;
    }
}

void CMainFrame::OnCopyOrdersMail()
{
    CKestraneDoc* doc = ActiveDocument();
    if (doc && ComposeOrdersMail(*doc)) {
        QApplication::clipboard()->setText(QString::fromLatin1(doc->m_strMail.data(), qsizetype(doc->m_strMail.size())));
        statusBar()->showMessage(QStringLiteral("The orders mail is on the clipboard"), 4000);
    }
}

void CMainFrame::OnPrint(bool preview)
{
    CChildFrame* frame = ActiveFrame();
    if (!frame)
        return;
    QPrinter& printer = m_app.Printer();
    QWidget* view = frame->ActiveView();
    auto* textView = qobject_cast<CKesTextView*>(view);
    auto print = [frame, textView](QPrinter* target) {
        if (textView)
            textView->Print(*target);
        else
            frame->MapView()->Print(*target);
    };
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, print);
        m_app.Prompts().RunDialog(dialog);
        return;
    }
    QPrintDialog dialog(&printer, this);
    // The map always prints on one page; the orders as many as they need.
    const int pages = textView ? std::max(1, textView->PageCount(printer)) : 1;
    dialog.setMinMax(1, pages);
    printer.setFromTo(1, pages);
    if (m_app.Prompts().RunDialog(dialog))
        print(&printer);
}

void CMainFrame::OnPrintSetup()
{
    QPageSetupDialog dialog(&m_app.Printer(), this);
    m_app.Prompts().RunDialog(dialog);
}

void CMainFrame::OnHelpTopics()
{
    if (!OpenUserGuide())
        m_app.Services().ShowMessage("Failed to launch help.", MessageIcon::None);
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dialog(this);
    m_app.Prompts().RunDialog(dialog);
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

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The rectangle is kept whatever the window's state; the next start
    // shows a normal window with it.
    CWindowRect& rect = m_app.Settings().m_rectWindow;
    rect.left = x();
    rect.top = y();
    rect.right = x() + width();
    rect.bottom = y() + height();

    if (!m_docs->SaveAllModified()) {
        event->ignore();
        return;
    }
    m_docs->CloseAllDocuments();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            m_docs->OpenDocumentFile(url.toLocalFile());
    event->acceptProposedAction();
    activateWindow();
    UpdateActions();
}
