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

#include <memory>
#include <string>

/// What the windows and commands of the desktop program share, knowing no
/// window: the settings and where they are kept, the services the core
/// calls, the prompts, the printer, the mail system, the keyring, the file
/// folders and the display toggles. A toggle says so once, through
/// displayChanged(), to every window that shows the settings.
class CAppContext : public QObject {
    Q_OBJECT
public:
    /// The View menu's toggles, each kept as a number in the settings.
    enum class Toggle { ZoomToFit, Initials, SCDisplay, SeasonsPanel, OrdersOnMap, SmoothZoom, PhaseSummary };

    /// prompts may be a scripted stand-in (tests); nullptr for the real dialogs.
    explicit CAppContext(std::unique_ptr<CUiPrompts> prompts = nullptr);
    ~CAppContext() override;

    /// Reads the settings; the installation folder defaults to the folder
    /// current at start-up when it holds the maps, else to the installed data.
    void LoadSettings();
    /// Writes the settings back and flushes the store.
    void SaveSettings();

    CAppSettings& Settings() { return m_settings; }
    const CAppSettings& Settings() const { return m_settings; }
    /// Zoom, initials and supply centres as the map drawing takes them.
    CDisplaySettings Display() const;
    /// The map's own drawing options from the settings (each on at exactly 1).
    CMapDrawOptions MapDraw() const;
    CQtSettingsStore& Store() { return m_store; }
    CAppServices& Services() { return m_services; }
    CUiPrompts& Prompts() { return *m_prompts; }
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
    /// The file that keeps the phase due and the drafted orders of the game
    /// file at gamePath, beside the settings file (the command line finds it
    /// through the same OrdersStateFile).
    std::string OrdersStateFile(const std::string& gamePath) const;

    /// Flips one toggle by the toggle rule and emits displayChanged().
    void OnToggle(Toggle which);
    /// Shows the map at percent of its own size: Zoom to Fit goes off, and
    /// displayChanged() is emitted.
    void SetZoomPercent(int percent);

    /// The toggle rule on its own: 1 becomes 0, every other value 1.
    static int Toggled(int value) { return value == 1 ? 0 : 1; }

signals:
    /// A display toggle changed: game windows redraw, the menus re-check.
    void displayChanged();

private:
    int& Value(Toggle which);

    std::unique_ptr<CUiPrompts> m_prompts;
    CQtSettingsStore m_store;
    CAppSettings m_settings;
    CAppServices m_services;
    QPrinter m_printer;
    CMailSystem m_mail;
    std::unique_ptr<IPasswordKeyring> m_keyring;
};
