#pragma once

#include "judge/OrdersStatusRecord.h"
#include "model/Services.h"

#include <QPointer>
#include <QWidget>

#include <functional>

struct CAppSettings;
class CUiPrompts;

/// What the core asks of the desktop program: message boxes, the
/// installation folder and the orderly close after a fatal error. The
/// window the boxes belong to, and the one a fatal error closes, is handed
/// in once it exists.
class CAppServices : public IAppServices, public IOrdersStateFiles {
public:
    CAppServices(CUiPrompts& prompts, const CAppSettings& settings) : m_prompts(prompts), m_settings(settings) {}

    /// The main window: parent of the message boxes, closed by CloseMainWindow.
    void SetWindow(QWidget* window) { m_window = window; }

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    std::string GetInstallDir() const override;
    /// Closes the main window through its normal close path (save prompts
    /// included) once the command in progress has returned.
    void CloseMainWindow() override;
    /// The import summary dialog, as after Import Mailbox.
    void ShowImportSummary(const CBatchSummary& summary) override;
    std::string OrdersStateFileOf(const std::string& gamePath) const override;
    /// Where the games' orders states are kept (CAppContext::OrdersStateFile).
    void SetOrdersStateFiles(std::function<std::string(const std::string&)> stateFiles)
    {
        m_stateFiles = std::move(stateFiles);
    }

private:
    CUiPrompts& m_prompts;
    const CAppSettings& m_settings;
    QPointer<QWidget> m_window;
    std::function<std::string(const std::string&)> m_stateFiles;
};
