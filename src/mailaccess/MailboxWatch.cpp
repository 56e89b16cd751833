#include "mailaccess/MailboxWatch.h"

#include "mailaccess/ImapIdle.h"

#include <algorithm>

CMailboxWatch::CMailboxWatch(CMailAccount account, std::string password, CFetchMark mark, CWatchOptions options,
                             CWatchEvents events)
    : m_account(std::move(account)), m_password(std::move(password)), m_mark(mark), m_options(std::move(options)),
      m_events(std::move(events))
{
}

CMailboxWatch::~CMailboxWatch()
{
    Stop();
}

void CMailboxWatch::Start()
{
    m_thread = std::thread([this] { Run(); });
}

void CMailboxWatch::RequestStop()
{
    {
        // Under the lock, so a Pause between its test and its wait still wakes.
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
}

void CMailboxWatch::Stop()
{
    RequestStop();
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

std::chrono::seconds CMailboxWatch::RetryPause(const CWatchOptions& options, int failures)
{
    std::chrono::seconds pause = std::max(options.minRetryPause, std::chrono::seconds(1));
    for (int i = 1; i < failures && pause < options.maxRetryPause; ++i)
        pause *= 2;
    return std::max(std::min(pause, options.maxRetryPause), options.minRetryPause);
}

bool CMailboxWatch::Pause(std::chrono::seconds pause)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return !m_wake.wait_for(lock, pause, [this] { return Stopping(); });
}

void CMailboxWatch::Run()
{
    int failures = 0;
    std::string reason;
    while (!Stopping()) {
        const CSessionEnd end = Session();
        if (Stopping() || end.failure == ImapFailure::Cancelled)
            break;
        if (end.failure == ImapFailure::Refused || end.failure == ImapFailure::Fatal) {
            reason = end.error;
            break;
        }
        // A connection that was up starts the pauses afresh.
        failures = end.opened ? 1 : failures + 1;
        const std::chrono::seconds pause = RetryPause(m_options, failures);
        if (m_events.reconnecting)
            m_events.reconnecting(int(pause.count()), end.error);
        if (!Pause(pause))
            break;
    }
    if (m_events.stopped)
        m_events.stopped(reason);
}

namespace {

// A failed step's kind: what the connection met, else (the server said NO
// to a folder or a filter) something the user must mend.
ImapFailure KindOf(const CImapConnection& connection)
{
    return connection.Failure() == ImapFailure::None ? ImapFailure::Fatal : connection.Failure();
}

} // namespace

CMailboxWatch::CSessionEnd CMailboxWatch::Session()
{
    CSessionEnd end;
    CImapOptions imap = m_options.imap;
    imap.cancelled = [this] { return Stopping(); };
    CImapConnection connection;
    end.error = connection.Open(m_account, m_password, imap);
    if (!end.error.empty()) {
        end.failure = connection.Failure();
        return end;
    }
    bool idle = false;
    if (m_options.useIdle) {
        const auto capability = connection.Command("CAPABILITY");
        if (!capability.error.empty()) {
            end.error = capability.error;
            end.failure = KindOf(connection);
            return end;
        }
        idle = OffersIdle(capability.text);
    }
    CMailboxFetch examined = ExamineFolder(connection, m_account, m_mark);
    if (!examined.Ok()) {
        end.error = examined.error;
        end.failure = KindOf(connection);
        return end;
    }
    end.opened = true;
    if (m_events.watching)
        m_events.watching(idle);
    if (!DownloadAndReport(connection, examined, end))
        return end;

    const std::chrono::seconds period = std::max(m_options.pollPeriod, m_options.minPollPeriod);
    for (;;) {
        if (idle) {
            std::string error;
            const IdleEnd idled = IdleForNewMail(connection, m_options.idleRenewal, error);
            if (idled == IdleEnd::Failed) {
                end.error = error;
                end.failure = connection.Failure() == ImapFailure::Cancelled ? ImapFailure::Cancelled
                                                                             : ImapFailure::Transient;
                return end;
            }
            if (idled == IdleEnd::Refused) {
                idle = false;
                if (m_events.watching)
                    m_events.watching(false);
            }
        }
        if (!idle) {
            if (!Pause(period)) {
                end.failure = ImapFailure::Cancelled;
                return end;
            }
            // Any command lets the server tell of new mail; NOOP is the one
            // meant for asking.
            const auto noop = connection.Command("NOOP");
            if (!noop.error.empty()) {
                end.error = noop.error;
                end.failure = KindOf(connection);
                return end;
            }
        }
        CMailboxFetch fetch;
        fetch.uidValidity = examined.uidValidity;
        if (!DownloadAndReport(connection, fetch, end))
            return end;
    }
}

bool CMailboxWatch::DownloadAndReport(CImapConnection& connection, CMailboxFetch fetch, CSessionEnd& end)
{
    DownloadNewMail(connection, m_account, m_mark, fetch);
    if (!fetch.Ok()) {
        end.error = fetch.error;
        end.failure = KindOf(connection);
        return false;
    }
    const CFetchMark next = fetch.NextMark(m_mark);
    // The mark moves on here, so a mail is handed over once even when the
    // import refuses it; the importer decides what it keeps.
    if (!fetch.mails.empty() && m_events.newMail)
        m_events.newMail(fetch, next);
    m_mark = next;
    return true;
}
