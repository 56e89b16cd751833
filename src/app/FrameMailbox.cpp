#include "app/MainFrame.h"

#include "app/ImportSummaryDlg.h"
#include "app/KestraneApp.h"
#include "app/TextConv.h"
#include "app/UiPrompts.h"
#include "mailbox/MailboxImport.h"
#include "model/KestraneDoc.h"

#include <QCoreApplication>
#include <QProgressDialog>

// Import Mailbox: the mail files are read and imported by the mail reader
// and the core's batch import; this window only asks, shows progress and
// shows the one summary.

namespace {

// A mailbox takes long enough to need a progress dialog from this many mails.
constexpr int kShowProgressAfterMs = 400;

} // namespace

void CMainFrame::OnImportMailbox()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    if (const auto chosen = m_app.Prompts().ChooseMailSources(this))
        ImportMailSources(*doc, *chosen);
}

void CMainFrame::ImportMailSources(CKestraneDoc& doc, const QStringList& paths)
{
    std::vector<std::string> sources;
    for (const QString& path : paths)
        sources.push_back(ToPath(path));

    QProgressDialog progress(QStringLiteral("Importing mail..."), QStringLiteral("Cancel"), 0, 1, this);
    progress.setWindowTitle(QStringLiteral("Import Mailbox"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowProgressAfterMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    const CMailboxImport result = ::ImportMailSources(doc, sources, [&](size_t done, size_t total) {
        progress.setMaximum(int(total));
        progress.setLabelText(QStringLiteral("Importing mail %1 of %2...").arg(done + 1).arg(total));
        progress.setValue(int(done));
        // Lets a click on Cancel arrive between two mails.
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.close();

    CImportSummaryDlg summary(FromDocText(result.Headline()), FromDocText(result.Text()), this);
    m_app.Prompts().RunDialog(summary);
    UpdateActions();
}
