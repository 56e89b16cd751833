#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/ChildFrame.h"
#include "app/FileFolders.h"
#include "app/GameDetailsDlg.h"
#include "app/HelpGuide.h"
#include "app/HelpWindow.h"
#include "app/KesTextView.h"
#include "app/AppContext.h"
#include "app/KestraneView.h"
#include "app/TextConv.h"
#include "app/UiPrompts.h"
#include "mail/OrdersMail.h"
#include "model/KestraneDoc.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStatusBar>

// The commands that need the desktop around the game: file choices,
// clipboard, dialogs, printing, mail and help.

namespace {

constexpr const char* kReportFilter = "Text Files (*.txt);;Judge Files (*.jud);;All Files (*)";

} // namespace

void CMainFrame::OnImport()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    CFileFolders folders = m_context.FileFolders();
    const auto chosen = m_context.Prompts().ChooseOpenFile(this, QStringLiteral("Import"),
                                                       folders.StartFolder(FileKind::Report), kReportFilter);
    if (!chosen)
        return;
    folders.Remember(FileKind::Report, *chosen);
    doc->OnImport(ToPath(*chosen));
}

void CMainFrame::OnImportClipboard()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    std::optional<std::string> text;
    if (data && data->hasText() && !data->text().isEmpty()) {
        // Reports are plain 8-bit text; characters beyond Latin-1 have no
        // meaning to the parsers and become "?".
        text = data->text().toLatin1().toStdString();
    }
    doc->OnImportClipboard(text);
}

void CMainFrame::OnGameDetails()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    CGameDetailsDlg dialog(*doc, this);
    if (m_context.Prompts().RunDialog(dialog))
        dialog.Apply();
}

void CMainFrame::OnSendOrders()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    if (!m_context.Mail().IsAvailable()) {
        m_context.Services().ShowMessage(CMailSystem::kNoMailSystem, MessageIcon::None);
        return;
    }
    if (!ComposeOrdersMail(*doc))
        return;
    switch (m_context.Mail().Send(doc->m_strMail, this)) {
    case CMailSystem::Result::Sent: break;
    case CMailSystem::Result::ToolMissing: OfferOrdersMailCopy(CMailSystem::kNoMailSystem, *doc); break;
    case CMailSystem::Result::Failed: OfferOrdersMailCopy(CMailSystem::kSendFailed, *doc); break;
    }
}

void CMainFrame::OfferOrdersMailCopy(const char* failure, CKestraneDoc& doc)
{
    // A desktop without a working mail program is common; the player can
    // still paste the mail into web mail or any mail window.
    if (m_context.Prompts().AskToContinue(this, QString::fromLatin1(failure), QString::fromLatin1(kOfferCopyQuestion),
                                      QString::fromLatin1(kCopyButton)))
        PutOrdersMailOnClipboard(doc);
}

void CMainFrame::PutOrdersMailOnClipboard(const CKestraneDoc& doc)
{
    QApplication::clipboard()->setText(QString::fromLatin1(doc.m_strMail.data(), qsizetype(doc.m_strMail.size())));
    ShowNotice(QString::fromLatin1(kMailOnClipboard));
}

void CMainFrame::OnCopyOrdersMail()
{
    CKestraneDoc* doc = ActiveDocument();
    if (doc && ComposeOrdersMail(*doc))
        PutOrdersMailOnClipboard(*doc);
}

void CMainFrame::OnPrint(bool preview)
{
    CChildFrame* frame = ActiveFrame();
    if (!frame)
        return;
    QPrinter& printer = m_context.Printer();
    QWidget* view = frame->ActiveView();
    auto* textView = qobject_cast<CKesTextView*>(view);
    auto print = [frame, textView](QPrinter* target) {
        if (textView)
            textView->Print(*target);
        else
            frame->MapView()->Print(*target);
    };
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, print);
        m_context.Prompts().RunDialog(dialog);
        return;
    }
    QPrintDialog dialog(&printer, this);
    // The map always prints on one page; the orders as many as they need.
    const int pages = textView ? std::max(1, textView->PageCount(printer)) : 1;
    dialog.setMinMax(1, pages);
    printer.setFromTo(1, pages);
    if (m_context.Prompts().RunDialog(dialog))
        print(&printer);
}

void CMainFrame::OnPrintSetup()
{
    QPageSetupDialog dialog(&m_context.Printer(), this);
    m_context.Prompts().RunDialog(dialog);
}

void CMainFrame::OnHelpTopics()
{
    const QString guide = UserGuidePath();
    if (guide.isEmpty()) {
        m_context.Services().ShowMessage(MissingGuideMessage().toStdString(), MessageIcon::Exclamation);
        return;
    }
    if (!m_helpWindow)
        m_helpWindow = new CHelpWindow(this);
    m_helpWindow->ShowGuide(guide);
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dialog(this);
    m_context.Prompts().RunDialog(dialog);
}

void CMainFrame::OnArrangeIcons()
{
    // Minimised game windows are lined up along the bottom of the MDI area.
    int x = 0;
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        window->move(x, m_mdi->viewport()->height() - size.height());
        x += size.width();
    }
}
