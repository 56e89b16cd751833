#include "app/MailImportRunner.h"

#include "app/AppContext.h"
#include "app/ImportSummaryDlg.h"
#include "app/TextConv.h"
#include "app/WindowPlacement.h"
#include "model/KestraneDoc.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include <algorithm>

namespace {

// The progress dialog shows only for a mailbox that takes longer than this.
constexpr int kShowProgressAfterMs = 400;
// How often the progress dialog is brought up to date.
constexpr qint64 kRefreshMs = 100;

} // namespace

void CMailImportRunner::OnImportMailbox(CKestraneDoc& doc)
{
    // Mail files are Judge mails too: they share the Import command's folder.
    CFileFolders folders = m_context.FileFolders();
    const auto chosen = m_context.Prompts().ChooseMailSources(&m_window, folders.StartFolder(FileKind::Report));
    if (!chosen)
        return;
    folders.Remember(FileKind::Report, chosen->front());
    ImportMailSources(doc, *chosen);
}

void CMailImportRunner::ImportMailSources(CKestraneDoc& doc, const QStringList& paths)
{
    std::vector<std::string> sources;
    for (const QString& path : paths)
        sources.push_back(ToPath(path));
    Run(QStringLiteral("Import Mailbox"),
        [&](const Progress& progress) { return ::ImportMailSources(doc, sources, progress); });
}

CMailboxImport CMailImportRunner::Run(const QString& title,
                                      const std::function<CMailboxImport(const Progress&)>& import)
{
    // The import changes the game, so it runs here on the user-interface
    // thread; the window-modal progress dialog keeps the game's windows
    // from being used meanwhile.
    QProgressDialog progress(QStringLiteral("Importing mail..."), QStringLiteral("Cancel"), 0, 1, &m_window);
    progress.setWindowTitle(title);
    KeepTitleWhole(progress);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowProgressAfterMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    // Redrawing the dialog (and the game window behind it) for every mail
    // would cost more than the import; a few times a second is enough to
    // show progress and take a click on Cancel.
    QElapsedTimer sinceShown;
    sinceShown.start();
    qint64 lastShown = -kRefreshMs;
    const CMailboxImport result = import([&](size_t done, size_t total) {
        if (sinceShown.elapsed() - lastShown < kRefreshMs && done < total)
            return true;
        lastShown = sinceShown.elapsed();
        progress.setMaximum(int(total));
        progress.setLabelText(QStringLiteral("Importing mail %1 of %2...").arg(std::min(done + 1, total)).arg(total));
        progress.setValue(int(done));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.close();

    CImportSummaryDlg summary(FromDocText(result.Headline()), FromDocText(result.Text()),
                              FromDocText(result.Text(SummaryDetail::Full)), &m_window);
    summary.setWindowTitle(title);
    m_context.Prompts().RunDialog(summary);
    emit finished();
    return result;
}
