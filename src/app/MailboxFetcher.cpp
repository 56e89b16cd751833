#include "app/MailboxFetcher.h"

#include "app/AppContext.h"
#include "app/MailImportRunner.h"
#include "app/MailboxSettingsDlg.h"
#include "app/PendingFetchMark.h"
#include "app/WatchSettingsBox.h"
#include "app/WorkerProgress.h"
#include "mailaccess/FetchedMail.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"

#include <QInputDialog>
#include <QProgressBar>
#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace {

constexpr const char* kSaveFirst =
    "Save the game first: its mailbox settings and what was fetched are kept for the game file.";

} // namespace

/// One fetch on its way: what it fetches for, where its mark goes, and the
/// dialog that shows it and can cancel it.
struct CMailboxFetcher::CRun {
    CKestraneDoc* doc = nullptr;
    CMailAccount account;
    std::string marksFile;
    std::string key;
    CFetchMark mark;
    std::shared_ptr<std::atomic<bool>> cancelled = std::make_shared<std::atomic<bool>>(false);
    std::unique_ptr<QProgressDialog> progress;
};

CMailboxFetcher::CMailboxFetcher(CAppContext& context, QWidget& window, CMailImportRunner& importer)
    : CCommandGroup(context, window), m_importer(importer)
{
    connect(&m_watcher, &QFutureWatcher<CMailboxFetch>::finished, this, &CMailboxFetcher::OnFetched);
}

CMailboxFetcher::~CMailboxFetcher()
{
    // The worker reports to this object: a fetch still running is stopped
    // and waited for (a cancelled fetch ends at once).
    if (m_run)
        *m_run->cancelled = true;
    m_watcher.waitForFinished();
}

bool CMailboxFetcher::OnMailboxSettings(CKestraneDoc& doc)
{
    const std::string path = doc.GetPathName();
    if (path.empty()) {
        m_context.Services().ShowMessage(kSaveFirst, MessageIcon::Exclamation);
        return false;
    }
    const CMailAccount stored = CMailAccount::Load(m_context.Store(), path);
    QString password;
    if (!stored.m_strServer.empty() && !stored.m_strUser.empty())
        password = QString::fromStdString(KnownPassword(stored.KeyringKey()).value_or(std::string()));
    CMailboxSettingsDlg dialog(stored, DefaultMailFilter(doc.m_strJudge, doc.m_strGame), password, &m_window);
    dialog.WatchBox()->SetSettings(CWatchSettings::Load(m_context.Store(), path));
    const COutgoingAccount outgoing = COutgoingAccount::Load(m_context.Store(), path);
    const bool ownEntry = !outgoing.m_bSameAsIncoming && !outgoing.m_strServer.empty() && !outgoing.m_strUser.empty();
    const std::string outgoingKey = ownEntry ? outgoing.KeyringKey(stored) : std::string();
    QString outgoingPassword;
    if (ownEntry)
        outgoingPassword = QString::fromStdString(KnownPassword(outgoingKey).value_or(std::string()));
    std::string damaged;
    const std::string learntJudge = LoadOrdersState(m_context.OrdersStateFile(path), damaged).judgeAddress;
    if (!damaged.empty())
        m_context.Services().ShowMessage(damaged, MessageIcon::Exclamation);
    dialog.SetOutgoing(outgoing, outgoingPassword, learntJudge);
    if (!m_context.Prompts().RunDialog(dialog))
        return false;
    const CMailAccount account = dialog.Account();
    account.Save(m_context.Store(), path);
    dialog.WatchBox()->Settings().Save(m_context.Store(), path);
    // Emptied, the outgoing box forgets the account.
    SaveOutgoing(path, dialog.SendsMail() ? dialog.Outgoing() : COutgoingAccount{}, account,
                 dialog.OutgoingPassword().toStdString(), outgoingKey);
    m_context.Store().Flush();

    // The password follows the account into the keyring, or leaves it.
    std::string error;
    const std::string newPassword = dialog.Password().toStdString();
    bool kept = true;
    if (!newPassword.empty())
        kept = m_context.Keyring().Write(account.KeyringKey(), newPassword, error);
    else if (!password.isEmpty())
        kept = m_context.Keyring().Remove(account.KeyringKey(), error);
    m_sessionPasswords.erase(account.KeyringKey());
    if (!kept && !newPassword.empty() &&
        m_context.Prompts().AskToContinue(
            &m_window, QString::fromStdString("The password could not be kept in the desktop keyring: " + error + "."),
            QStringLiteral("Keep it until Kestrane ends? Otherwise Kestrane asks for it at the first fetch."),
            QStringLiteral("Keep for This Session")))
        m_sessionPasswords[account.KeyringKey()] = newPassword;
    emit settingsAccepted(&doc);
    return true;
}

void CMailboxFetcher::SaveOutgoing(const std::string& path, const COutgoingAccount& outgoing,
                                   const CMailAccount& incoming, const std::string& password,
                                   const std::string& oldKey)
{
    outgoing.Save(m_context.Store(), path);
    // With the same account (or no login) the outgoing account has no
    // entry of its own. Its password follows what was typed, as the
    // incoming one does: emptied, it leaves the keyring.
    if (outgoing.m_bSameAsIncoming || outgoing.m_strUser.empty())
        return;
    const std::string key = outgoing.KeyringKey(incoming);
    m_sessionPasswords.erase(key);
    std::string error;
    if (password.empty()) {
        if (key == oldKey)
            m_context.Keyring().Remove(key, error);
        return;
    }
    if (m_context.Keyring().Write(key, password, error))
        return;
    m_sessionPasswords[key] = password;
    m_context.Services().ShowMessage("The sending password could not be kept in the desktop keyring: " + error +
                                         ". Kestrane keeps it until it ends.",
                                     MessageIcon::Exclamation);
}

std::optional<std::string> CMailboxFetcher::KnownPassword(const std::string& key)
{
    std::string error;
    if (auto stored = m_context.Keyring().Read(key, error))
        return stored;
    if (const auto kept = m_sessionPasswords.find(key); kept != m_sessionPasswords.end())
        return kept->second;
    return std::nullopt;
}

std::optional<std::string> CMailboxFetcher::MailboxPassword(const CMailAccount& account)
{
    return Password(account.KeyringKey(), account.m_strUser, account.m_strServer, QStringLiteral("Mailbox Password"));
}

std::optional<std::string> CMailboxFetcher::Password(const std::string& key, const std::string& user,
                                                     const std::string& server, const QString& title)
{
    if (auto known = KnownPassword(key))
        return known;
    // Not in the keyring (or no keyring at all): asked for once.
    QInputDialog dialog(&m_window);
    dialog.setWindowTitle(title);
    dialog.setLabelText(QString::fromStdString("Password for " + user + " on " + server + ":"));
    dialog.setTextEchoMode(QLineEdit::Password);
    if (!m_context.Prompts().RunDialog(dialog))
        return std::nullopt;
    // Asked once: kept for the rest of the session.
    return m_sessionPasswords[key] = dialog.textValue().toStdString();
}

void CMailboxFetcher::OnFetchMailbox(CKestraneDoc& doc)
{
    // One fetch at a time: the first holds the mailbox's mark.
    if (IsBusy())
        return;
    const std::string path = doc.GetPathName();
    if (path.empty()) {
        m_context.Services().ShowMessage(kSaveFirst, MessageIcon::Exclamation);
        return;
    }
    auto run = std::make_unique<CRun>();
    run->doc = &doc;
    run->account = CMailAccount::Load(m_context.Store(), path);
    if (run->account.m_strServer.empty()) {
        if (!OnMailboxSettings(doc))
            return;
        run->account = CMailAccount::Load(m_context.Store(), path);
    }
    if (run->account.m_strFilter.empty())
        run->account.m_strFilter = DefaultMailFilter(doc.m_strJudge, doc.m_strGame);
    if (const std::string problem = run->account.Problem(); !problem.empty()) {
        m_context.Services().ShowMessage(problem, MessageIcon::Exclamation);
        return;
    }
    const auto password = MailboxPassword(run->account);
    if (!password)
        return;

    run->marksFile = m_context.MarksFile();
    run->key = CFetchMarks::Key(path, run->account);
    CFetchMarks marks;
    std::string error;
    if (!marks.Load(run->marksFile, error)) {
        m_context.Services().ShowMessage(error, MessageIcon::Exclamation);
        return;
    }
    run->mark = marks.Get(run->key);
    Start(std::move(run), *password);
}

void CMailboxFetcher::Start(std::unique_ptr<CRun> run, const std::string& password)
{
    run->progress = WorkerProgress(m_window, QStringLiteral("Fetch from Mailbox"),
                                   QString::fromStdString("Fetching from " + run->account.m_strServer + "..."),
                                   run->cancelled);
    QProgressDialog* progress = run->progress.get();
    // The fetch's progress goes to the bar itself: the dialog's own
    // setValue runs the event loop, which could end the fetch, and delete
    // the dialog, inside it.
    auto* bar = new QProgressBar(progress);
    bar->setRange(0, 0);
    progress->setBar(bar);
    const auto cancelled = run->cancelled;
    connect(this, &CMailboxFetcher::progressed, progress, [progress, bar](int done, int total) {
        bar->setRange(0, total);
        bar->setValue(done);
        progress->setLabelText(QStringLiteral("Fetching message %1 of %2...").arg(done + 1).arg(total));
    });

    CImapOptions options;
    options.cancelled = [cancelled] { return cancelled->load(); };
    const FetchProgress report = [this](size_t done, size_t total) { emit progressed(int(done), int(total)); };
    m_watcher.setFuture(QtConcurrent::run([account = run->account, password, mark = run->mark, options, report] {
        return FetchNewMail(account, password, mark, options, report);
    }));
    m_run = std::move(run);
}

void CMailboxFetcher::OnFetched()
{
    if (!m_run)
        return;
    m_run->progress.reset();
    Conclude(*m_run, m_watcher.result());
    m_run.reset();
    emit finished();
}

void CMailboxFetcher::Conclude(CRun& run, const CMailboxFetch& fetch)
{
    if (fetch.cancelled) {
        // The user asked for it: a word in the status bar, not a box to close.
        emit notice(QString::fromStdString(fetch.error));
        return;
    }
    if (!fetch.Ok()) {
        m_context.Services().ShowMessage(fetch.error, MessageIcon::Exclamation);
        return;
    }
    // The game may have been closed while its mail was on the way.
    if (!run.doc)
        return;
    const bool imported = ImportFetchedMail(*run.doc, fetch, run.account);
    // Or while the import's dialogs were up (a fatal error closes the program).
    if (!imported || !run.doc)
        return;
    CKestraneDoc& doc = *run.doc;
    const CFetchMark next = fetch.NextMark(run.mark);
    if (next == run.mark)
        return;
    m_pendingMarks.erase(&doc);
    if (!doc.IsModified()) {
        std::string error;
        CPendingFetchMark::Write(run.marksFile, run.key, next, error);
        return;
    }
    m_pendingMarks[&doc] = std::make_unique<CPendingFetchMark>(doc, run.marksFile, run.key, next);
}

bool CMailboxFetcher::ImportFetchedMail(CKestraneDoc& doc, const CMailboxFetch& fetch, const CMailAccount& account)
{
    if (fetch.mails.empty()) {
        m_context.Services().ShowMessage("No new mail for this game in " + account.m_strFolder + " on " +
                                             account.m_strServer + ".",
                                         MessageIcon::Information);
        return true;
    }
    // The same import, progress and summary as Import Mailbox.
    const CMailboxImport result =
        m_importer.Run(QStringLiteral("Fetch from Mailbox"), [&](const CMailImportRunner::Progress& progress) {
            return ::ImportFetchedMail(doc, fetch, account, progress);
        });
    return MarkMayAdvance(result);
}

void CMailboxFetcher::OnDocumentClosing(CKestraneDoc* doc)
{
    if (m_run && m_run->doc == doc)
        m_run->doc = nullptr;
    m_pendingMarks.erase(doc);
}
