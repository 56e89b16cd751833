#pragma once

#include "mailaccess/ImapConnection.h"

#include <chrono>
#include <string>
#include <string_view>

/// True when the server's answer to CAPABILITY lists IDLE (RFC 2177).
bool OffersIdle(std::string_view capabilityAnswer);

/// True when line is an untagged message count: "* 23 EXISTS".
bool IsExistsLine(std::string_view line);

/// How one IDLE ended.
enum class IdleEnd {
    NewMail, ///< the server reported a message count: search the folder
    Renew,   ///< the longest wait passed quietly: IDLE again
    Refused, ///< the server would not IDLE after all: ask it at intervals instead
    Failed   ///< the connection failed or the wait was cancelled (see error)
};

/// Waits on the examined folder with IDLE until the server reports a
/// message count ("* N EXISTS", as it does for new mail) or until longest
/// has passed (RFC 2177 wants a new IDLE before 29 minutes), then ends the
/// IDLE with DONE and waits for its completion. On Failed, error holds one
/// sentence and connection.Failure() its kind; a cancel is noticed within
/// a fraction of a second.
IdleEnd IdleForNewMail(CImapConnection& connection, std::chrono::steady_clock::duration longest, std::string& error);
