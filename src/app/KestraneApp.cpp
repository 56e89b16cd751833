#include "app/KestraneApp.h"

#include "app/AboutDlg.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/SplashWnd.h"
#include "app/UiPrompts.h"
#include "model/InstallPath.h"
#include "keyring/QtKeyring.h"

#include <QApplication>
#include <QDir>
#include <QPageLayout>

CKestraneApp::CKestraneApp(std::unique_ptr<CUiPrompts> prompts)
    : m_prompts(prompts ? std::move(prompts) : std::make_unique<CUiPrompts>()), m_services(*this),
      m_printer(QPrinter::HighResolution), m_keyring(std::make_unique<CQtKeyring>())
{
}

std::string CKestraneApp::MarksFile() const
{
    return CQtSettingsStore::MarksFileBeside(m_store.FileName()).toStdString();
}

CKestraneApp::~CKestraneApp()
{
    CSplashWnd::HideSplashScreen();
    m_mainFrame.reset();
}

CDisplaySettings CKestraneApp::Display() const
{
    CDisplaySettings display;
    display.m_bZoomToFit = m_settings.m_bZoomToFit;
    display.m_bInitials = m_settings.m_bInitials;
    display.m_bSCDisplay = m_settings.m_bSCDisplay;
    return display;
}

bool CKestraneApp::InitInstance(const StartOptions& options)
{
    CSplashWnd::EnableSplashScreen(options.showSplash);

    // The installation folder defaults to the folder current at start-up
    // when it holds the maps, else to the installed data.
    m_settings.Load(m_store, DefaultInstallDir(QDir::currentPath().toStdString(), InstalledDataDir()));

    // Every window, game windows and dialogs included, shows the program's icon.
    QApplication::setWindowIcon(ProgramIcon());
    m_mainFrame = std::make_unique<CMainFrame>(*this);
    m_mainFrame->setWindowIcon(ProgramIcon());
    m_mainFrame->Docs().SetRecentFiles(m_store.RecentFiles());
    CSplashWnd::ShowSplashScreen(m_mainFrame.get());

    const CWindowRect& rect = m_settings.m_rectStored;
    m_mainFrame->move(rect.left, rect.top);
    m_mainFrame->resize(std::max(1, rect.right - rect.left), std::max(1, rect.bottom - rect.top));
    m_mainFrame->show();

    SetLandscapeDefault();

    // A file named on the command line is how the desktop asks to open it.
    for (const QString& file : options.files)
        m_mainFrame->Docs().OpenDocumentFile(file);
    m_mainFrame->UpdateActions();
    return true;
}

void CKestraneApp::ExitInstance()
{
    m_settings.Save(m_store);
    if (m_mainFrame)
        m_store.SetRecentFiles(m_mainFrame->Docs().RecentFiles());
    m_store.Flush();
}

CFileFolders CKestraneApp::FileFolders()
{
    const auto maps = ResolveInstallPath(m_settings.m_strInstallDir, "Maps");
    return CFileFolders(m_store, maps ? QString::fromStdString(maps->string())
                                      : QString::fromStdString(m_settings.m_strInstallDir));
}

void CKestraneApp::SetLandscapeDefault()
{
    m_printer.setPageOrientation(QPageLayout::Landscape);
}

void CKestraneApp::RedrawGameWindows()
{
    if (m_mainFrame) {
        m_mainFrame->RedrawGameWindows();
        m_mainFrame->UpdateActions();
    }
}

void CKestraneApp::OnToggleZoom()
{
    m_settings.m_bZoomToFit = Toggled(m_settings.m_bZoomToFit);
    RedrawGameWindows();
}

void CKestraneApp::OnToggleInitials()
{
    m_settings.m_bInitials = Toggled(m_settings.m_bInitials);
    RedrawGameWindows();
}

void CKestraneApp::OnToggleSeasons()
{
    m_settings.m_bSeasonsPanel = Toggled(m_settings.m_bSeasonsPanel);
    if (m_mainFrame)
        m_mainFrame->UpdateActions();
}

void CKestraneApp::OnToggleOrders()
{
    m_settings.m_bOrdersOnMap = Toggled(m_settings.m_bOrdersOnMap);
    RedrawGameWindows();
}

void CKestraneApp::OnToggleSmoothZoom()
{
    m_settings.m_bSmoothZoom = Toggled(m_settings.m_bSmoothZoom);
    RedrawGameWindows();
}

CMapDrawOptions CKestraneApp::MapDraw() const
{
    CMapDrawOptions options;
    options.smooth = m_settings.m_bSmoothZoom == 1;
    options.orders = m_settings.m_bOrdersOnMap == 1;
    return options;
}

void CKestraneApp::OnToggleSCDisplay()
{
    m_settings.m_bSCDisplay = Toggled(m_settings.m_bSCDisplay);
    RedrawGameWindows();
}
