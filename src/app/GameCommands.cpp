#include "app/GameCommands.h"

#include "app/AboutDlg.h"
#include "app/AppContext.h"
#include "app/ChildFrame.h"
#include "app/GameDetailsDlg.h"
#include "app/HelpGuide.h"
#include "app/HelpWindow.h"
#include "app/KesTextView.h"
#include "app/KestraneView.h"
#include "app/TextConv.h"
#include "model/DocText.h"
#include "mail/OrdersMail.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "orders/MailDrafts.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace {

constexpr const char* kReportFilter = "Text Files (*.txt);;Judge Files (*.jud);;All Files (*)";

} // namespace

CHelpWindow* CGameCommands::HelpWindow() const
{
    return m_helpWindow;
}

void CGameCommands::OnImport(CKestraneDoc& doc)
{
    CFileFolders folders = m_context.FileFolders();
    const auto chosen = m_context.Prompts().ChooseOpenFile(&m_window, QStringLiteral("Import"),
                                                           folders.StartFolder(FileKind::Report), kReportFilter);
    if (!chosen)
        return;
    folders.Remember(FileKind::Report, *chosen);
    doc.OnImport(ToPath(*chosen));
}

void CGameCommands::OnImportClipboard(CKestraneDoc& doc)
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    std::optional<std::string> text;
    if (data && data->hasText() && !data->text().isEmpty()) {
        // Reports are 8-bit Windows-1252 text like the game file; a
        // character that code page lacks becomes "?".
        text = Utf8ToDocText(data->text().toStdString());
    }
    doc.OnImportClipboard(text);
}

void CGameCommands::OnGameDetails(CKestraneDoc& doc)
{
    CGameDetailsDlg dialog(doc, &m_window);
    if (m_context.Prompts().RunDialog(dialog))
        dialog.Apply();
}

void CGameCommands::OnSendOrders(CKestraneDoc& doc)
{
    if (!m_context.Mail().IsAvailable()) {
        m_context.Services().ShowMessage(CMailSystem::kNoMailSystem, MessageIcon::None);
        return;
    }
    if (!ComposeMail(doc))
        return;
    switch (m_context.Mail().Send(doc.m_strMail, &m_window)) {
    case CMailSystem::Result::Sent: break;
    case CMailSystem::Result::ToolMissing: OfferOrdersMailCopy(CMailSystem::kNoMailSystem, doc); break;
    case CMailSystem::Result::Failed: OfferOrdersMailCopy(CMailSystem::kSendFailed, doc); break;
    }
}

void CGameCommands::OfferOrdersMailCopy(const char* failure, CKestraneDoc& doc)
{
    // A desktop without a working mail program is common; the player can
    // still paste the mail into web mail or any mail window.
    if (m_context.Prompts().AskToContinue(&m_window, QString::fromLatin1(failure),
                                          QString::fromLatin1(kOfferCopyQuestion), QString::fromLatin1(kCopyButton)))
        PutOrdersMailOnClipboard(doc);
}

void CGameCommands::PutOrdersMailOnClipboard(const CKestraneDoc& doc)
{
    QApplication::clipboard()->setText(QString::fromStdString(DocTextToUtf8(doc.m_strMail)));
    emit notice(QString::fromLatin1(kMailOnClipboard));
}

void CGameCommands::OnCopyOrdersMail(CKestraneDoc& doc)
{
    if (ComposeMail(doc))
        PutOrdersMailOnClipboard(doc);
}

bool CGameCommands::ComposeMail(CKestraneDoc& doc)
{
    // The orders drafted for the phase due go in the mail in the Judge's own
    // form, once the player has heard what the Judge will refuse or hold.
    std::vector<std::string> drafts;
    if (!doc.GetPathName().empty()) {
        std::string message;
        drafts = LoadCurrentOrdersState(m_context.OrdersStateFile(doc.GetPathName()), doc, doc.GetPathName(), message)
                     .drafts;
        if (!message.empty())
            m_context.Services().ShowMessage(message, MessageIcon::Exclamation);
    }
    const orders::MailDrafts mail = orders::CheckDraftsForMail(doc, m_context.Services().GetInstallDir(), drafts);
    if (!mail.warning.empty() &&
        !m_context.Prompts().AskToContinue(&m_window, QString::fromLatin1(mail.warning),
                                           QString::fromLatin1(kSendAnywayQuestion), QString::fromLatin1(kSendAnyway)))
        return false;
    return ComposeOrdersMail(doc, mail.lines);
}

void CGameCommands::OnPrint(CChildFrame& frame, bool preview)
{
    QPrinter& printer = m_context.Printer();
    auto* textView = qobject_cast<CKesTextView*>(frame.ActiveView());
    CKestraneView* mapView = frame.MapView();
    auto print = [mapView, textView](QPrinter* target) {
        if (textView)
            textView->Print(*target);
        else
            mapView->Print(*target);
    };
    if (preview) {
        QPrintPreviewDialog dialog(&printer, &m_window);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, print);
        m_context.Prompts().RunDialog(dialog);
        return;
    }
    QPrintDialog dialog(&printer, &m_window);
    // The map always prints on one page; the orders as many as they need.
    const int pages = textView ? std::max(1, textView->PageCount(printer)) : 1;
    dialog.setMinMax(1, pages);
    printer.setFromTo(1, pages);
    if (m_context.Prompts().RunDialog(dialog))
        print(&printer);
}

void CGameCommands::OnPrintSetup()
{
    QPageSetupDialog dialog(&m_context.Printer(), &m_window);
    m_context.Prompts().RunDialog(dialog);
}

void CGameCommands::OnHelpTopics()
{
    const QString guide = UserGuidePath();
    if (guide.isEmpty()) {
        m_context.Services().ShowMessage(MissingGuideMessage().toStdString(), MessageIcon::Exclamation);
        return;
    }
    if (!m_helpWindow)
        m_helpWindow = new CHelpWindow(&m_window);
    m_helpWindow->ShowGuide(guide);
}

void CGameCommands::OnAppAbout()
{
    CAboutDlg dialog(&m_window);
    m_context.Prompts().RunDialog(dialog);
}
