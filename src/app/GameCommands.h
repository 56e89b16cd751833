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
    /// clipboard offered when it fails. The mail and Copy Orders Mail carry
    /// the orders drafted for the phase due, checked first.
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
    static constexpr const char* kSendAnywayQuestion = "Put these orders in the mail all the same?";
    static constexpr const char* kSendAnyway = "Use These Orders";

private:
    /// The orders mail into doc.m_strMail with the drafts for the phase due
    /// (the unit lines without them); false when there is no country or the
    /// player would rather mend the orders the Judge would refuse or miss.
    bool ComposeMail(CKestraneDoc& doc);
    void OfferOrdersMailCopy(const char* failure, CKestraneDoc& doc);
    void PutOrdersMailOnClipboard(const CKestraneDoc& doc);

    QPointer<CHelpWindow> m_helpWindow;
};
