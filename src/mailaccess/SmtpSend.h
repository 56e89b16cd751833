#pragma once

#include "mailaccess/OutgoingAccount.h"
#include "mailaccess/OutgoingMessage.h"

#include <cstddef>
#include <ctime>
#include <functional>
#include <string>

/// How a send behaves beyond the account itself.
struct CSmtpOptions {
    /// Longest wait for the server: for the connection and for each answer.
    int timeoutSeconds = 30;
    /// A file of certificates to trust instead of the system's (tests, a
    /// server with its own authority); empty for the system's.
    std::string caFile;
    /// Asked at least once a second while the send runs, from the sending
    /// thread; true ends it with "The sending was cancelled.".
    std::function<bool()> cancelled;
    /// Told how many bytes of the message the server has taken so far, of
    /// how many; from the sending thread.
    std::function<void(size_t sent, size_t total)> progress;
    /// The time the Date header gives; 0 for now.
    std::time_t when = 0;
};

/// What one send did.
struct CSmtpSend {
    /// Empty when the server took the mail; else the one sentence that says
    /// what went wrong (nothing was sent then).
    std::string error;
    /// The send failed because options.cancelled said so.
    bool cancelled = false;
    /// The message exactly as handed to the server, its Message-ID and date.
    std::string message;
    std::string messageId;
    std::time_t sentAt = 0;

    bool Ok() const { return error.empty(); }
};

/// Sends one mail through the account's SMTP server with libcurl: implicit
/// TLS, STARTTLS (refusing to go on without it) or plain, a login when the
/// account names a user, then MAIL FROM, RCPT TO and the message built by
/// ComposeMessage. Blocks until the server has answered; meant for a worker
/// thread, with cancelled and progress called on that thread. The password
/// is handed to libcurl only, never kept or written anywhere.
CSmtpSend SendMail(const COutgoingAccount& account, const std::string& password, const COutgoingMail& mail,
                   const CSmtpOptions& options = {});
