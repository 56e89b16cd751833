#pragma once

#include "app/CommandGroup.h"
#include "mailaccess/MailboxFetch.h"

#include <QFutureWatcher>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <string>

class CKestraneDoc;
class CMailImportRunner;
class CPendingFetchMark;
struct CMailAccount;
struct COutgoingAccount;

/// Edit, Mailbox Settings and Fetch from Mailbox for one game: its account
/// and password, the fetch of its new Judge mail on a worker thread behind
/// a progress dialog that cancels it, the import of what came (through the
/// mail import's progress and summary), and the mark of how far the mailbox
/// was read, written once the game is saved. Only the fetch runs on the
/// worker; the game is changed on the user-interface thread.
class CMailboxFetcher : public CCommandGroup {
    Q_OBJECT
public:
    CMailboxFetcher(CAppContext& context, QWidget& window, CMailImportRunner& importer);
    ~CMailboxFetcher() override;

    /// Edit, Mailbox Settings: true when the dialog was accepted.
    bool OnMailboxSettings(CKestraneDoc& doc);
    /// Edit, Fetch from Mailbox: asks for what is missing, starts the fetch
    /// and returns; the import and finished() follow when the mails are in.
    void OnFetchMailbox(CKestraneDoc& doc);
    /// The account's password: from the keyring, else as given earlier this
    /// session, else asked for; nullopt when the user cancelled.
    std::optional<std::string> MailboxPassword(const CMailAccount& account);
    /// The password of keyring entry key (a mail account's, incoming or
    /// outgoing), found as MailboxPassword finds it, else asked for in a
    /// dialog titled title naming user and server.
    std::optional<std::string> Password(const std::string& key, const std::string& user, const std::string& server,
                                        const QString& title);
    /// True from the start of a fetch until its finished().
    bool IsBusy() const { return m_run != nullptr; }

    /// doc is closing: a fetch for it imports nothing, and the mark waiting
    /// for it to be saved is dropped.
    void OnDocumentClosing(CKestraneDoc* doc);

signals:
    /// How far the fetch is (sent from the worker thread).
    void progressed(int done, int total);
    /// A fetch that started is over, imported or not.
    void finished();
    /// Mailbox Settings of doc were accepted (the password may be new).
    void settingsAccepted(CKestraneDoc* doc);

private:
    struct CRun;

    /// From the keyring, else as given earlier this session.
    std::optional<std::string> KnownPassword(const std::string& key);
    /// Stores the outgoing account entered for the game at path, and its
    /// password in the keyring; oldKey is the keyring entry of the account
    /// stored before (empty for none).
    void SaveOutgoing(const std::string& path, const COutgoingAccount& outgoing, const CMailAccount& incoming,
                      const std::string& password, const std::string& oldKey);
    void Start(std::unique_ptr<CRun> run, const std::string& password);
    void OnFetched();
    void Conclude(CRun& run, const CMailboxFetch& fetch);
    /// Imports the fetched messages; false when the import did not run to
    /// its end (cancelled or stopped), so the mark stays where it was.
    bool ImportFetchedMail(CKestraneDoc& doc, const CMailboxFetch& fetch, const CMailAccount& account);

    CMailImportRunner& m_importer;
    std::unique_ptr<CRun> m_run;
    QFutureWatcher<CMailboxFetch> m_watcher;
    /// Passwords the keyring could not keep, by keyring key, until the
    /// program ends: asked once a session, not at every fetch.
    std::map<std::string, std::string> m_sessionPasswords;
    /// Marks of fetches waiting for their game to be saved.
    std::map<const CKestraneDoc*, std::unique_ptr<CPendingFetchMark>> m_pendingMarks;
};
