#pragma once

#include "mailaccess/FetchMarks.h"
#include "mailaccess/ImapConnection.h"
#include "mailaccess/MailAccount.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

/// One message as the server keeps it, unchanged.
struct CFetchedMail {
    uint32_t uid = 0;
    std::string bytes;
};

/// What one visit to the mailbox brought.
struct CMailboxFetch {
    /// Empty on success; else the one sentence that says what went wrong.
    std::string error;
    /// The fetch failed because options.cancelled said so (error says that).
    bool cancelled = false;
    /// The folder's UIDVALIDITY as the server reported it.
    uint32_t uidValidity = 0;
    /// The folder was numbered afresh since the mark (or never read).
    bool startedOver = false;
    /// The messages the filter selected above the mark, by ascending UID.
    std::vector<CFetchedMail> mails;

    bool Ok() const { return error.empty(); }
    /// The mark to remember once these messages are imported.
    CFetchMark NextMark(const CFetchMark& previous) const;
};

/// Reports downloads: messages done and the number to download.
using FetchProgress = std::function<void(size_t done, size_t total)>;

/// Opens the account's folder read-only (EXAMINE, so nothing is marked read
/// or otherwise changed), searches it with the account's filter (the
/// default filter when it is empty) and downloads the messages above the
/// mark. A changed UIDVALIDITY ignores the mark and reads the whole folder.
CMailboxFetch FetchNewMail(const CMailAccount& account, const std::string& password, const CFetchMark& mark,
                           const CImapOptions& options, const FetchProgress& progress = {});

/// The first step of a fetch on an open connection: the account's folder
/// opened read-only (EXAMINE), uidValidity and startedOver set against mark;
/// error set when the folder cannot be read.
CMailboxFetch ExamineFolder(CImapConnection& connection, const CMailAccount& account, const CFetchMark& mark);

/// The second step: the examined folder searched with the account's filter
/// and the messages above mark (all of them when fetch.startedOver) added
/// to fetch.mails; error set, and no mails kept, on failure.
void DownloadNewMail(CImapConnection& connection, const CMailAccount& account, const CFetchMark& mark,
                     CMailboxFetch& fetch, const FetchProgress& progress = {});
