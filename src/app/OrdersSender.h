#pragma once

#include "app/CommandGroup.h"
#include "mailaccess/SmtpSend.h"

#include <QFutureWatcher>

#include <memory>
#include <optional>
#include <string>

class CKestraneDoc;
class CMailboxFetcher;

/// File, Send Orders to Judge for one game: the drafts of the phase due
/// checked as File, Send checks them, the orders mail composed and sent over
/// SMTP on a worker thread behind a progress dialog that cancels it, and
/// what was sent kept in the game's orders state with its time (the orders
/// pane shows it, then the Judge's verdict). The game is never changed.
class COrdersSender : public CCommandGroup {
    Q_OBJECT
public:
    /// Passwords come through fetcher, so a password given for fetching this
    /// session serves the same account's sending too.
    COrdersSender(CAppContext& context, QWidget& window, CMailboxFetcher& fetcher);
    ~COrdersSender() override;

    void OnSendOrders(CKestraneDoc& doc);
    /// True from the start of a send until its finished().
    bool IsBusy() const { return m_run != nullptr; }
    /// doc is closing: a send on its way still goes and is kept.
    void OnDocumentClosing(CKestraneDoc* doc);

    static constexpr const char* kSendAnywayQuestion = "Send these orders to the Judge all the same?";
    static constexpr const char* kSendAnyway = "Send Anyway";

signals:
    /// A send that started is over, sent or not.
    void finished();

private:
    struct CRun;

    std::optional<std::string> AccountPassword(const COutgoingAccount& account, const std::string& path);
    void OnSent();

    CMailboxFetcher& m_fetcher;
    std::unique_ptr<CRun> m_run;
    QFutureWatcher<CSmtpSend> m_watcher;
};
