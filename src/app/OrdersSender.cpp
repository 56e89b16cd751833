#include "app/OrdersSender.h"

#include "app/AppContext.h"
#include "app/MailboxFetcher.h"
#include "app/WorkerProgress.h"
#include "mail/OrdersMail.h"
#include "mailaccess/OutgoingAccount.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "orders/MailDrafts.h"

#include <QDateTime>
#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace {

constexpr const char* kSaveFirst = "Save the game first: what is sent is kept for the game file.";

} // namespace

/// One send on its way: the game it is for, what goes out, and the dialog
/// that shows it and can cancel it.
struct COrdersSender::CRun {
    CKestraneDoc* doc = nullptr;
    std::string stateFile;
    COutgoingMail mail;
    size_t orders = 0;
    std::string phase;
    std::shared_ptr<std::atomic<bool>> cancelled = std::make_shared<std::atomic<bool>>(false);
    std::unique_ptr<QProgressDialog> progress;
};

COrdersSender::COrdersSender(CAppContext& context, QWidget& window, CMailboxFetcher& fetcher)
    : CCommandGroup(context, window), m_fetcher(fetcher)
{
    connect(&m_watcher, &QFutureWatcher<CSmtpSend>::finished, this, &COrdersSender::OnSent);
}

COrdersSender::~COrdersSender()
{
    // The worker reports to this object: a send still on its way is
    // stopped and waited for.
    if (m_run)
        *m_run->cancelled = true;
    m_watcher.waitForFinished();
}

void COrdersSender::OnSendOrders(CKestraneDoc& doc)
{
    if (IsBusy())
        return;
    const std::string path = doc.GetPathName();
    if (path.empty()) {
        m_context.Services().ShowMessage(kSaveFirst, MessageIcon::Exclamation);
        return;
    }
    auto run = std::make_unique<CRun>();
    run->doc = &doc;
    run->stateFile = m_context.OrdersStateFile(path);
    std::string message;
    const CGameOrdersState state = LoadCurrentOrdersState(run->stateFile, doc, path, message);
    if (!message.empty())
        m_context.Services().ShowMessage(message, MessageIcon::Exclamation);
    const bool drafted = std::ranges::any_of(
        state.drafts, [](const std::string& line) { return line.find_first_not_of(" \t\r") != std::string::npos; });
    if (!drafted) {
        m_context.Services().ShowMessage("No orders are drafted for the phase due: there is nothing to send.",
                                         MessageIcon::Exclamation);
        return;
    }
    // The same check as File, Send: the player hears what the Judge will
    // refuse or hold, and may send all the same.
    const orders::MailDrafts checked =
        orders::CheckDraftsForMail(doc, m_context.Services().GetInstallDir(), state.drafts);
    if (!checked.warning.empty() &&
        !m_context.Prompts().AskToContinue(&m_window, QString::fromStdString(checked.warning),
                                           QString::fromLatin1(kSendAnywayQuestion), QString::fromLatin1(kSendAnyway)))
        return;
    COutgoingAccount account = COutgoingAccount::Load(m_context.Store(), path);
    // The address the game's Judge mail came from, when none is set.
    if (account.m_strJudgeAddress.empty())
        account.m_strJudgeAddress = state.judgeAddress;
    if (const std::string problem = account.Problem(); !problem.empty()) {
        m_context.Services().ShowMessage(problem, MessageIcon::Exclamation);
        return;
    }
    // The country and game password come first: without them there is no mail.
    if (!ComposeOrdersMail(doc, checked.lines))
        return;
    const auto password = AccountPassword(account, path);
    if (!password)
        return;
    run->phase = state.due ? state.due->phase : std::string();
    run->mail = {account.m_strFrom, account.m_strJudgeAddress, OrdersMailSubject(doc, run->phase), doc.m_strMail};
    run->orders = checked.lines.size();

    run->progress =
        WorkerProgress(m_window, QStringLiteral("Send Orders to Judge"),
                       QString::fromStdString("Sending the orders to " + account.m_strJudgeAddress + "..."),
                       run->cancelled);
    const auto cancelled = run->cancelled;

    CSmtpOptions options;
    options.cancelled = [cancelled] { return cancelled->load(); };
    // A server with an authority of its own (the tests' among them).
    if (const char* ca = std::getenv("KESTRANE_SMTP_CA_FILE"))
        options.caFile = ca;
    m_watcher.setFuture(QtConcurrent::run([account, password = *password, mail = run->mail, options] {
        return SendMail(account, password, mail, options);
    }));
    m_run = std::move(run);
}

std::optional<std::string> COrdersSender::AccountPassword(const COutgoingAccount& account, const std::string& path)
{
    if (account.m_strUser.empty())
        return std::string();
    // The same account's password is the fetcher's, however it got it.
    if (account.m_bSameAsIncoming)
        return m_fetcher.MailboxPassword(CMailAccount::Load(m_context.Store(), path));
    return m_fetcher.Password(account.KeyringKey(CMailAccount::Load(m_context.Store(), path)), account.m_strUser,
                              account.m_strServer, QStringLiteral("Sending Password"));
}

void COrdersSender::OnSent()
{
    if (!m_run)
        return;
    const std::unique_ptr<CRun> run = std::move(m_run);
    run->progress.reset();
    const CSmtpSend sent = m_watcher.result();
    if (sent.cancelled) {
        emit notice(QString::fromStdString(sent.error));
    } else if (!sent.Ok()) {
        m_context.Services().ShowMessage(sent.error, MessageIcon::Exclamation);
    } else {
        // Kept with the state as it is now: the drafts may have changed
        // while the mail was on its way, or the game been closed.
        std::string message;
        CGameOrdersState state = run->doc ? LoadCurrentOrdersState(run->stateFile, *run->doc,
                                                                   run->doc->GetPathName(), message)
                                          : LoadOrdersState(run->stateFile, message);
        state.RecordSent(run->mail.body, std::chrono::sys_seconds(std::chrono::seconds(sent.sentAt)));
        if (!SaveOrdersState(run->stateFile, state, message))
            m_context.Services().ShowMessage("The orders were sent, but what was sent could not be kept: " + message,
                                             MessageIcon::Exclamation);
        const QString clock = QDateTime::fromSecsSinceEpoch(sent.sentAt).toString(QStringLiteral("HH:mm"));
        emit notice(QStringLiteral("Sent %1 %2%3 to %4 at %5.")
                        .arg(run->orders)
                        .arg(run->orders == 1 ? QStringLiteral("order") : QStringLiteral("orders"))
                        .arg(run->phase.empty() ? QString() : QString::fromStdString(" for " + run->phase))
                        .arg(QString::fromStdString(run->mail.to), clock));
    }
    emit finished();
}

void COrdersSender::OnDocumentClosing(CKestraneDoc* doc)
{
    if (m_run && m_run->doc == doc)
        m_run->doc = nullptr;
}
