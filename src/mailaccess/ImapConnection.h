#pragma once

#include "mailaccess/MailAccount.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

/// How a connection behaves beyond the account itself.
struct CImapOptions {
    /// Longest wait for the server, for the connection and for each answer.
    int timeoutSeconds = 30;
    /// A file of certificates to trust instead of the system's (tests, a
    /// server with its own authority); empty for the system's.
    std::string caFile;
    /// Largest answer taken, so a broken server cannot fill the memory.
    size_t maxAnswerBytes = size_t(64) << 20;
    /// Asked while connecting and logging in and between waits; true ends
    /// the connection with "The fetch was cancelled.".
    std::function<bool()> cancelled;
};

/// What kind of failure the last step of a connection met, so a watch can
/// tell a pause in the network from a mistake that trying again won't mend.
enum class ImapFailure {
    None,
    Transient, ///< no connection, lost connection, no answer in time: may pass
    Refused,   ///< the server refused the login
    Fatal,     ///< anything else that needs the user: certificate, port, security
    Cancelled  ///< options.cancelled said so
};

/// One logged-in IMAP connection. libcurl connects, speaks TLS (implicit
/// or STARTTLS) and logs in; the commands after that are sent here, so the
/// folder can be opened read-only and messages read without being marked.
class CImapConnection {
public:
    CImapConnection();
    ~CImapConnection();
    CImapConnection(const CImapConnection&) = delete;
    CImapConnection& operator=(const CImapConnection&) = delete;

    /// Connects and logs in. The empty string on success, else one sentence
    /// for the user naming the server and what went wrong.
    std::string Open(const CMailAccount& account, const std::string& password, const CImapOptions& options);

    /// The server's whole answer to one command, or the reason there is none.
    struct CAnswer {
        std::string tag;
        std::string text;
        std::string error;
    };
    /// Sends command (without tag and line end) and waits for its answer.
    CAnswer Command(const std::string& command);

    /// True once the user cancelled a wait.
    bool Cancelled() const { return m_bCancelled; }
    /// The kind of the last failure of Open, Command or the steps below.
    ImapFailure Failure() const { return m_failure; }

    /// The longest wait for one answer, as the options gave it.
    std::chrono::seconds AnswerTimeout() const { return std::chrono::seconds(m_options.timeoutSeconds); }
    /// A fresh command tag, for a command whose answer the caller reads
    /// itself (IDLE).
    std::string NewTag() { return "K" + std::to_string(m_nextTag++); }
    /// Sends text as it is (the caller ends its lines); the empty string on
    /// success, else the reason (the connection is then closed).
    std::string Send(const std::string& text);
    /// How a wait for the server's words ended.
    enum class ReadResult { Data, TimedOut, Failed };
    /// Appends to buffer whatever the server sends next, waiting until
    /// `until` at most; Failed with the reason in error (the connection is
    /// then closed, unless the wait was cancelled).
    ReadResult Read(std::string& buffer, std::chrono::steady_clock::time_point until, std::string& error);

    /// Frees the libcurl handle.
    struct CurlDeleter {
        void operator()(void* handle) const;
    };

private:
    bool WaitFor(bool forReading, std::string& error);
    std::string Lost();

    ImapFailure m_failure = ImapFailure::None;
    std::unique_ptr<void, CurlDeleter> m_curl;
    CImapOptions m_options;
    std::string m_strServer;
    int m_nextTag = 1;
    bool m_bCancelled = false;
};
