#pragma once

#include "model/Services.h"

#include <ostream>
#include <string>
#include <string_view>

/// The application services of the command line: every message the desktop
/// program would show in a box becomes one line on the error stream,
/// "kestrane: " + the kind + the text with its line breaks as blanks.
/// A request to close the main window marks the command as failed.
class CCliServices : public IAppServices {
public:
    CCliServices(std::ostream& err, std::string installDir);

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    std::string GetInstallDir() const override { return m_strInstallDir; }
    void CloseMainWindow() override { m_bCloseRequested = true; }

    /// The line ShowMessage writes for text and icon, without its line end.
    static std::string FormatMessage(std::string_view text, MessageIcon icon);

    bool CloseRequested() const { return m_bCloseRequested; }
    /// Messages shown so far with the exclamation icon (rejections, mistakes).
    int ExclamationCount() const { return m_nExclamations; }
    /// Messages shown so far, of any kind.
    int MessageCount() const { return m_nMessages; }

private:
    std::ostream& m_err;
    std::string m_strInstallDir;
    bool m_bCloseRequested = false;
    int m_nExclamations = 0;
    int m_nMessages = 0;
};
