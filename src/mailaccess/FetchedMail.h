#pragma once

#include "mailaccess/MailAccount.h"
#include "mailaccess/MailboxFetch.h"
#include "mailbox/MailboxImport.h"

#include <string>
#include <vector>

/// The fetched messages as report texts for the import, each read as a
/// saved message is (its encoding, character set and forwarding undone) and
/// named by server, folder and UID in the summary. Messages without a text
/// part are listed in problems instead.
std::vector<CReportText> FetchedReportTexts(const CMailboxFetch& fetch, const CMailAccount& account,
                                            std::vector<std::string>& problems);

/// Imports the fetched messages into doc through the same batch import as
/// Import Mailbox..., in game order. progress(done, total) returning false
/// cancels between mails.
CMailboxImport ImportFetchedMail(CKestraneDoc& doc, const CMailboxFetch& fetch, const CMailAccount& account,
                                 const std::function<bool(size_t, size_t)>& progress = {});

/// True when the import ran to its end, so the mark may move past these
/// messages: not cancelled and not stopped by a broken game. Mails that
/// were refused stay in the summary; fetching them again would only refuse
/// them again.
bool MarkMayAdvance(const CMailboxImport& import);

/// The name of a fetched message in the summary: "server folder, message UID".
std::string FetchedOrigin(const CMailAccount& account, uint32_t uid);
