#pragma once

#include "app/UiPrompts.h"

#include <QStringList>

#include <memory>

class CAppContext;
class CMainFrame;

/// The application object: the context every window shares and the main
/// window, made at start-up and written back at exit.
class CKestraneApp {
public:
    struct StartOptions {
        /// False with "-nosplash".
        bool showSplash = true;
        /// Files named on the command line, opened as the shell's open command.
        QStringList files;
    };

    /// prompts may be a scripted stand-in (tests); nullptr for the real dialogs.
    explicit CKestraneApp(std::unique_ptr<CUiPrompts> prompts = nullptr);
    ~CKestraneApp();
    CKestraneApp(const CKestraneApp&) = delete;
    CKestraneApp& operator=(const CKestraneApp&) = delete;

    /// Start-up: settings, main window, placement, show, files to open.
    /// False when the main window could not be made.
    bool InitInstance(const StartOptions& options);
    /// Writes the window rectangle, the display settings and the recent
    /// files back. Called once the main window has closed.
    void ExitInstance();

    CAppContext& Context() { return *m_context; }
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

private:
    std::unique_ptr<CAppContext> m_context;
    std::unique_ptr<CMainFrame> m_mainFrame;
};
