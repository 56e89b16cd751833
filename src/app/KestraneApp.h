#pragma once

#include "app/AppServices.h"
#include "app/FileFolders.h"
#include "app/MailSystem.h"
#include "app/QtSettingsStore.h"
#include "app/UiPrompts.h"
#include "mailaccess/PasswordKeyring.h"
#include "model/Settings.h"
#include "qtdraw/MapDrawing.h"
#include "views/MapPlacement.h"

#include <QObject>
#include <QPrinter>
#include <QStringList>

#include <memory>

class CMainFrame;

/// The application object: the settings that outlive a run, the services the
/// core calls, the shared printer and the main window.
class CKestraneApp : public QObject {
    Q_OBJECT
public:
    struct StartOptions {
        /// False with "-nosplash".
        bool showSplash = true;
        /// Files named on the command line, opened as the shell's open command.
        QStringList files;
    };

    /// prompts may be a scripted stand-in (tests); nullptr for the real dialogs.
    explicit CKestraneApp(std::unique_ptr<CUiPrompts> prompts = nullptr);
    ~CKestraneApp() override;

    /// Start-up: settings, main window, placement, show, files to open.
    /// False when the main window could not be made.
    bool InitInstance(const StartOptions& options);
    /// Writes the window rectangle, the display settings and the recent
    /// files back. Called once the main window has closed.
    void ExitInstance();

    CAppSettings& Settings() { return m_settings; }
    const CAppSettings& Settings() const { return m_settings; }
    CDisplaySettings Display() const;
    CQtSettingsStore& Store() { return m_store; }
    IAppServices& Services() { return m_services; }
    CUiPrompts& Prompts() { return *m_prompts; }
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    QPrinter& Printer() { return m_printer; }
    CMailSystem& Mail() { return m_mail; }
    /// The folders the file dialogs open in, kept in the settings.
    CFileFolders FileFolders();
    /// Where mailbox passwords are kept: the desktop keyring unless a test
    /// put its own in.
    IPasswordKeyring& Keyring() { return *m_keyring; }
    void SetKeyring(std::unique_ptr<IPasswordKeyring> keyring) { m_keyring = std::move(keyring); }
    /// The file of how far each game has read its mailbox, beside the
    /// settings file (the command line uses the same).
    std::string MarksFile() const;

    /// The three display toggles: a value of exactly 1 becomes 0, anything
    /// else 1; every game window is redrawn.
    void OnToggleZoom();
    void OnToggleInitials();
    void OnToggleSCDisplay();
    /// The seasons list: shown or hidden by the same toggle rule.
    void OnToggleSeasons();
    /// The orders overlay and smooth zoom, toggled by the same rule.
    void OnToggleOrders();
    void OnToggleSmoothZoom();
    /// The map's own drawing options from the settings (each on at exactly 1).
    CMapDrawOptions MapDraw() const;

    /// The toggle rule on its own: 1 becomes 0, every other value 1.
    static int Toggled(int value) { return value == 1 ? 0 : 1; }

private:
    void RedrawGameWindows();
    void SetLandscapeDefault();

    std::unique_ptr<CUiPrompts> m_prompts;
    CQtSettingsStore m_store;
    CAppSettings m_settings;
    CAppServices m_services;
    QPrinter m_printer;
    CMailSystem m_mail;
    std::unique_ptr<IPasswordKeyring> m_keyring;
    std::unique_ptr<CMainFrame> m_mainFrame;
};
