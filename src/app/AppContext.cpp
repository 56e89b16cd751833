#include "app/AppContext.h"

#include "app/TextConv.h"
#include "keyring/QtKeyring.h"
#include "model/InstallPath.h"
#include "model/OrdersStateFile.h"

#include <QDir>

CAppContext::CAppContext(std::unique_ptr<CUiPrompts> prompts)
    : m_prompts(prompts ? std::move(prompts) : std::make_unique<CUiPrompts>()), m_services(*m_prompts, m_settings),
      m_printer(QPrinter::HighResolution), m_keyring(std::make_unique<CQtKeyring>())
{
    m_services.SetOrdersStateFiles([this](const std::string& gamePath) { return OrdersStateFile(gamePath); });
}

CAppContext::~CAppContext() = default;

void CAppContext::LoadSettings()
{
    m_settings.Load(m_store, DefaultInstallDir(QDir::currentPath().toStdString(), InstalledDataDir()));
}

void CAppContext::SaveSettings()
{
    m_settings.Save(m_store);
    m_store.Flush();
}

CDisplaySettings CAppContext::Display() const
{
    CDisplaySettings display;
    display.m_bZoomToFit = m_settings.m_bZoomToFit;
    display.m_bInitials = m_settings.m_bInitials;
    display.m_bSCDisplay = m_settings.m_bSCDisplay;
    display.m_nZoomPercent = m_settings.m_nZoomPercent;
    return display;
}

CMapDrawOptions CAppContext::MapDraw() const
{
    CMapDrawOptions options;
    options.smooth = m_settings.m_bSmoothZoom == 1;
    options.orders = m_settings.m_bOrdersOnMap == 1;
    return options;
}

CFileFolders CAppContext::FileFolders()
{
    const auto maps = ResolveInstallPath(m_settings.m_strInstallDir, "Maps");
    return CFileFolders(m_store, maps ? QString::fromStdString(maps->string())
                                      : QString::fromStdString(m_settings.m_strInstallDir));
}

std::string CAppContext::MarksFile() const
{
    return CQtSettingsStore::MarksFileBeside(m_store.FileName()).toStdString();
}

std::string CAppContext::OrdersStateFile(const std::string& gamePath) const
{
    return ::OrdersStateFile(ToPath(m_store.FileName()), gamePath);
}

int& CAppContext::Value(Toggle which)
{
    switch (which) {
    case Toggle::ZoomToFit: return m_settings.m_bZoomToFit;
    case Toggle::Initials: return m_settings.m_bInitials;
    case Toggle::SCDisplay: return m_settings.m_bSCDisplay;
    case Toggle::SeasonsPanel: return m_settings.m_bSeasonsPanel;
    case Toggle::OrdersOnMap: return m_settings.m_bOrdersOnMap;
    case Toggle::PhaseSummary: return m_settings.m_bPhaseSummary;
    case Toggle::SmoothZoom: break;
    }
    return m_settings.m_bSmoothZoom;
}

void CAppContext::SetZoomPercent(int percent)
{
    m_settings.m_bZoomToFit = 0;
    m_settings.m_nZoomPercent = percent;
    emit displayChanged();
}

void CAppContext::OnToggle(Toggle which)
{
    int& value = Value(which);
    value = Toggled(value);
    emit displayChanged();
}
