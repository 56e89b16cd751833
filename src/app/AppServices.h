#pragma once

#include "model/Services.h"

#include <functional>

class CKestraneApp;

/// What the core asks of the desktop program: message boxes, the
/// installation folder and the orderly close after a fatal error.
class CAppServices : public IAppServices {
public:
    explicit CAppServices(CKestraneApp& app) : m_app(app) {}

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    std::string GetInstallDir() const override;
    /// Closes the main window through its normal close path (save prompts
    /// included) once the command in progress has returned.
    void CloseMainWindow() override;

private:
    CKestraneApp& m_app;
};
