#include "app/KestraneApp.h"

#include "app/AboutDlg.h"
#include "app/AppContext.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/SplashWnd.h"

#include <QApplication>
#include <QPageLayout>

CKestraneApp::CKestraneApp(std::unique_ptr<CUiPrompts> prompts)
    : m_context(std::make_unique<CAppContext>(std::move(prompts)))
{
}

CKestraneApp::~CKestraneApp()
{
    CSplashWnd::HideSplashScreen();
    // The window goes before the context its games and commands use.
    m_mainFrame.reset();
}

bool CKestraneApp::InitInstance(const StartOptions& options)
{
    CSplashWnd::EnableSplashScreen(options.showSplash);
    m_context->LoadSettings();

    // Every window, game windows and dialogs included, shows the program's icon.
    QApplication::setWindowIcon(ProgramIcon());
    m_mainFrame = std::make_unique<CMainFrame>(*m_context);
    m_mainFrame->setWindowIcon(ProgramIcon());
    m_context->Services().SetWindow(m_mainFrame.get());
    m_mainFrame->Docs().SetRecentFiles(m_context->Store().RecentFiles());

    // Placed before the start-up picture: the picture is owned by the window
    // and gives it a native window, and a window placed after that has its
    // client area put at the stored corner, where close stores the frame's.
    // Under a window manager it then crept up by the title bar every start.
    const CWindowRect& rect = m_context->Settings().m_rectStored;
    m_mainFrame->move(rect.left, rect.top);
    m_mainFrame->resize(std::max(1, rect.right - rect.left), std::max(1, rect.bottom - rect.top));
    CSplashWnd::ShowSplashScreen(m_mainFrame.get());
    m_mainFrame->show();

    m_context->Printer().setPageOrientation(QPageLayout::Landscape);

    // A file named on the command line is how the desktop asks to open it.
    for (const QString& file : options.files)
        m_mainFrame->Docs().OpenDocumentFile(file);
    m_mainFrame->UpdateActions();
    return true;
}

void CKestraneApp::ExitInstance()
{
    if (m_mainFrame)
        m_context->Store().SetRecentFiles(m_mainFrame->Docs().RecentFiles());
    m_context->SaveSettings();
}
