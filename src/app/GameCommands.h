#pragma once

#include "app/CommandGroup.h"

#include <QPointer>
#include <QString>

class CChildFrame;
class CHelpWindow;
class CKestraneDoc;

/// The game commands that need the desktop around the game: importing a
/// report file or the clipboard, the game details, the orders mail (sent or
/// copied), printing, and help. Each acts on the game (or game window) it
/// is given; its dialogs belong to window.
class CGameCommands : public CCommandGroup {
    Q_OBJECT
public:
    using CCommandGroup::CCommandGroup;

    /// Edit, Import: a report file chosen in the reports' folder.
    void OnImport(CKestraneDoc& doc);
    /// Edit, Import from Clipboard.
    void OnImportClipboard(CKestraneDoc& doc);
    void OnGameDetails(CKestraneDoc& doc);
    /// File, Send: the orders mail through the mail system, with the
    /// clipboard offered when it fails.
    void OnSendOrders(CKestraneDoc& doc);
    void OnCopyOrdersMail(CKestraneDoc& doc);
    /// Print or Print Preview of the pane last focused in frame.
    void OnPrint(CChildFrame& frame, bool preview);
    void OnPrintSetup();
    /// The user guide in the program's own help window.
    void OnHelpTopics();
    void OnAppAbout();

    /// The user guide's window once Help has opened it, else nullptr.
    CHelpWindow* HelpWindow() const;

    static constexpr const char* kOfferCopyQuestion =
        "Copy the orders mail to the clipboard instead, to paste it into your mail program?";
    static constexpr const char* kCopyButton = "Copy to Clipboard";
    static constexpr const char* kMailOnClipboard = "The orders mail is on the clipboard";

private:
    void OfferOrdersMailCopy(const char* failure, CKestraneDoc& doc);
    void PutOrdersMailOnClipboard(const CKestraneDoc& doc);

    QPointer<CHelpWindow> m_helpWindow;
};
