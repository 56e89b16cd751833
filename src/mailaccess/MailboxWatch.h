#pragma once

#include "mailaccess/FetchMarks.h"
#include "mailaccess/ImapConnection.h"
#include "mailaccess/MailAccount.h"
#include "mailaccess/MailboxFetch.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

/// How a watch waits. The defaults are the product's; the floors keep a
/// player's choice from hammering the server, and only tests lower them.
struct CWatchOptions {
    /// Ask the server this often when it does not offer IDLE (the player's
    /// choice); never less than minPollPeriod.
    std::chrono::seconds pollPeriod{std::chrono::minutes(5)};
    std::chrono::seconds minPollPeriod{std::chrono::minutes(2)};
    /// Use IDLE when the server offers it.
    bool useIdle = true;
    /// A new IDLE this often, before the 29 minutes after which a server may
    /// drop a quiet client.
    std::chrono::seconds idleRenewal{std::chrono::minutes(25)};
    /// The first pause before re-opening a lost connection; each failure in
    /// a row doubles it up to maxRetryPause. Never less than a minute in the
    /// product.
    std::chrono::seconds minRetryPause{std::chrono::minutes(1)};
    std::chrono::seconds maxRetryPause{std::chrono::minutes(15)};
    /// Timeouts, certificates and answer size of each connection (its
    /// cancelled is the watch's own).
    CImapOptions imap;
};

/// What a watch tells while it runs. Each is called on the watch's own
/// thread; the caller passes the news to its own thread (the desktop
/// program to the window's, the command line runs the watch in front).
struct CWatchEvents {
    /// The folder is open and watched: with IDLE, or by asking every
    /// pollPeriod.
    std::function<void(bool idle)> watching;
    /// New messages of the game, by ascending UID, for the importing thread
    /// to import as a fetch does; next is the mark once they are imported.
    std::function<void(const CMailboxFetch& fetch, const CFetchMark& next)> newMail;
    /// The connection failed for a reason that may pass (given); the next
    /// attempt follows in `seconds`.
    std::function<void(int seconds, const std::string& reason)> reconnecting;
    /// The watch ended: the one sentence why (a refused login, a missing
    /// folder, an untrusted certificate), or empty after Stop.
    std::function<void(const std::string& reason)> stopped;
};

/// Keeps one game's mail folder open and fetches the game's new mail as it
/// arrives, exactly as Fetch from Mailbox does (the same filter, the same
/// read-only folder, the same marks), learning of it at once through IDLE
/// where the server offers it, else by asking at intervals. A lost
/// connection is re-opened after growing pauses; a refused login, a
/// missing folder or a setting the user must mend stops the watch with one
/// sentence. The folder is never changed.
class CMailboxWatch {
public:
    /// mark: how far the game has read the folder already.
    CMailboxWatch(CMailAccount account, std::string password, CFetchMark mark, CWatchOptions options,
                  CWatchEvents events);
    /// Stops the watch and waits for its thread.
    ~CMailboxWatch();
    CMailboxWatch(const CMailboxWatch&) = delete;
    CMailboxWatch& operator=(const CMailboxWatch&) = delete;

    /// Runs the watch on a thread of its own.
    void Start();
    /// Runs the watch on the calling thread until it stops (the command
    /// line in the foreground, or Start's thread).
    void Run();
    /// Asks the watch to end (from any thread; a signal handler may not) and,
    /// when it runs on its own thread, waits for it; it notices within a
    /// fraction of a second.
    void Stop();
    /// Asks the watch to end without waiting.
    void RequestStop();

    /// The pause before attempt `failures` (1 for the first) to re-open the
    /// connection: minRetryPause doubled per failure, at most maxRetryPause.
    static std::chrono::seconds RetryPause(const CWatchOptions& options, int failures);

private:
    struct CSessionEnd {
        std::string error;
        ImapFailure failure = ImapFailure::None;
        bool opened = false; ///< the folder was open and watched
    };
    CSessionEnd Session();
    bool DownloadAndReport(CImapConnection& connection, CMailboxFetch examined, CSessionEnd& end);
    /// Sleeps for pause or until asked to stop; false when asked to stop.
    bool Pause(std::chrono::seconds pause);
    bool Stopping() const { return m_stop.load(); }

    CMailAccount m_account;
    std::string m_password;
    CFetchMark m_mark;
    CWatchOptions m_options;
    CWatchEvents m_events;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_thread;
};
