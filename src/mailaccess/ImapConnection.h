#pragma once

#include "mailaccess/MailAccount.h"

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

    /// Frees the libcurl handle.
    struct CurlDeleter {
        void operator()(void* handle) const;
    };

private:
    bool WaitFor(bool forReading, std::string& error);

    std::unique_ptr<void, CurlDeleter> m_curl;
    CImapOptions m_options;
    std::string m_strServer;
    int m_nextTag = 1;
    bool m_bCancelled = false;
};
