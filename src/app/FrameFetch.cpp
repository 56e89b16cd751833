#include "app/MainFrame.h"

#include "app/DocManager.h"
#include "app/ImportSummaryDlg.h"
#include "app/AppContext.h"
#include "app/MailboxSettingsDlg.h"
#include "app/PendingFetchMark.h"
#include "app/TextConv.h"
#include "app/UiPrompts.h"
#include "mailaccess/FetchedMail.h"
#include "mailaccess/MailboxFetch.h"
#include "model/KestraneDoc.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QInputDialog>
#include <QPointer>
#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

// The mailbox commands: the account of the game, and fetching its new Judge
// mail on a worker thread. Only the fetch runs there; the game is changed
// here, on the user-interface thread.

namespace {

constexpr const char* kSaveFirst =
    "Save the game first: its mailbox settings and what was fetched are kept for the game file.";

} // namespace

bool CMainFrame::OnMailboxSettings()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return false;
    const std::string path = doc->GetPathName();
    if (path.empty()) {
        m_context.Services().ShowMessage(kSaveFirst, MessageIcon::Exclamation);
        return false;
    }
    const CMailAccount stored = CMailAccount::Load(m_context.Store(), path);
    QString password;
    if (!stored.m_strServer.empty() && !stored.m_strUser.empty()) {
        std::string ignored;
        if (const auto known = m_context.Keyring().Read(stored.KeyringKey(), ignored))
            password = QString::fromStdString(*known);
    }
    CMailboxSettingsDlg dialog(stored, DefaultMailFilter(doc->m_strJudge, doc->m_strGame), password, this);
    if (!m_context.Prompts().RunDialog(dialog))
        return false;
    const CMailAccount account = dialog.Account();
    account.Save(m_context.Store(), path);
    m_context.Store().Flush();

    // The password follows the account into the keyring, or leaves it.
    std::string error;
    const std::string newPassword = dialog.Password().toStdString();
    bool kept = true;
    if (!newPassword.empty())
        kept = m_context.Keyring().Write(account.KeyringKey(), newPassword, error);
    else if (!password.isEmpty())
        kept = m_context.Keyring().Remove(account.KeyringKey(), error);
    if (!kept)
        m_context.Services().ShowMessage("The password could not be kept in the desktop keyring (" + error +
                                         "). Kestrane will ask for it at each fetch.",
                                     MessageIcon::Exclamation);
    return true;
}

std::optional<std::string> CMainFrame::MailboxPassword(const CMailAccount& account)
{
    std::string error;
    if (auto stored = m_context.Keyring().Read(account.KeyringKey(), error))
        return stored;
    // Not in the keyring (or no keyring at all): asked for this fetch only.
    QInputDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Mailbox Password"));
    dialog.setLabelText(QString::fromStdString("Password for " + account.m_strUser + " on " + account.m_strServer +
                                               ":"));
    dialog.setTextEchoMode(QLineEdit::Password);
    if (!m_context.Prompts().RunDialog(dialog))
        return std::nullopt;
    return dialog.textValue().toStdString();
}

void CMainFrame::OnFetchMailbox()
{
    CKestraneDoc* doc = ActiveDocument();
    if (!doc)
        return;
    const std::string path = doc->GetPathName();
    if (path.empty()) {
        m_context.Services().ShowMessage(kSaveFirst, MessageIcon::Exclamation);
        return;
    }
    CMailAccount account = CMailAccount::Load(m_context.Store(), path);
    if (account.m_strServer.empty()) {
        if (!OnMailboxSettings())
            return;
        account = CMailAccount::Load(m_context.Store(), path);
    }
    if (account.m_strFilter.empty())
        account.m_strFilter = DefaultMailFilter(doc->m_strJudge, doc->m_strGame);
    if (const std::string problem = account.Problem(); !problem.empty()) {
        m_context.Services().ShowMessage(problem, MessageIcon::Exclamation);
        return;
    }
    const auto password = MailboxPassword(account);
    if (!password)
        return;

    const std::string marksFile = m_context.MarksFile();
    const std::string key = CFetchMarks::Key(path, account);
    CFetchMarks marks;
    std::string error;
    if (!marks.Load(marksFile, error)) {
        m_context.Services().ShowMessage(error, MessageIcon::Exclamation);
        return;
    }
    const CFetchMark mark = marks.Get(key);

    const CMailboxFetch fetch = RunFetch(account, *password, mark);
    if (fetch.cancelled) {
        // The user asked for it: a word in the status bar, not a box to close.
        ShowNotice(QString::fromStdString(fetch.error));
        return;
    }
    if (!fetch.Ok()) {
        m_context.Services().ShowMessage(fetch.error, MessageIcon::Exclamation);
        return;
    }
    // The game may have been closed meanwhile through the window manager.
    if (!m_docs->FindDocument(doc))
        return;
    const bool finished = ImportFetchedMail(*doc, fetch, account);
    if (!finished)
        return;
    const CFetchMark next = fetch.NextMark(mark);
    if (next == mark)
        return;
    m_pendingMarks.erase(doc);
    if (!doc->IsModified()) {
        CPendingFetchMark::Write(marksFile, key, next, error);
        return;
    }
    m_pendingMarks[doc] = std::make_unique<CPendingFetchMark>(*doc, marksFile, key, next);
}

CMailboxFetch CMainFrame::RunFetch(const CMailAccount& account, const std::string& password, const CFetchMark& mark)
{
    QProgressDialog progress(QString::fromStdString("Fetching from " + account.m_strServer + "..."),
                             QStringLiteral("Cancel"), 0, 0, this);
    progress.setWindowTitle(QStringLiteral("Fetch from Mailbox"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(300);
    progress.setValue(0);

    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    // The Cancel button, closing the dialog and Escape all stop the fetch.
    connect(&progress, &QProgressDialog::canceled, this, [cancelled] { *cancelled = true; });
    connect(&progress, &QDialog::rejected, this, [cancelled] { *cancelled = true; });
    CImapOptions options;
    options.cancelled = [cancelled] { return cancelled->load(); };
    QPointer<QProgressDialog> shown(&progress);
    const FetchProgress report = [shown](size_t done, size_t total) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [shown, done, total] {
                if (!shown)
                    return;
                shown->setMaximum(int(total));
                shown->setValue(int(done));
                shown->setLabelText(QStringLiteral("Fetching message %1 of %2...").arg(done + 1).arg(total));
            },
            Qt::QueuedConnection);
    };

    QFutureWatcher<CMailboxFetch> watcher;
    QEventLoop loop;
    connect(&watcher, &QFutureWatcher<CMailboxFetch>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([account, password, mark, options, report] {
        return FetchNewMail(account, password, mark, options, report);
    }));
    if (!watcher.isFinished())
        loop.exec();
    return watcher.result();
}

bool CMainFrame::ImportFetchedMail(CKestraneDoc& doc, const CMailboxFetch& fetch, const CMailAccount& account)
{
    if (fetch.mails.empty()) {
        m_context.Services().ShowMessage("No new mail for this game in " + account.m_strFolder + " on " +
                                         account.m_strServer + ".",
                                     MessageIcon::Information);
        return true;
    }
    // The same import, progress and summary as Import Mailbox.
    const CMailboxImport result =
        RunMailImport(QStringLiteral("Fetch from Mailbox"),
                      [&](const MailImportProgress& progress) {
                          return ::ImportFetchedMail(doc, fetch, account, progress);
                      });
    return MarkMayAdvance(result);
}
