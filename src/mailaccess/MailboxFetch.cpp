#include "mailaccess/MailboxFetch.h"

#include "mailaccess/ImapResponse.h"
#include "mailaccess/ImapText.h"

#include <algorithm>

CFetchMark CMailboxFetch::NextMark(const CFetchMark& previous) const
{
    CFetchMark next{uidValidity, startedOver ? 0 : previous.lastUid};
    for (const CFetchedMail& mail : mails)
        next.lastUid = std::max(next.lastUid, mail.uid);
    return next;
}

namespace {

std::string Refused(const CMailAccount& account, const std::string& what, const CImapStatus& status)
{
    const std::string reason = status.text.empty() ? std::string() : ": " + status.text;
    return "The mail server " + account.m_strServer + " refused to " + what + reason;
}

} // namespace

CMailboxFetch ExamineFolder(CImapConnection& connection, const CMailAccount& account, const CFetchMark& mark)
{
    CMailboxFetch fetch;
    const auto examine = connection.Command("EXAMINE " + EncodeMailboxName(account.m_strFolder));
    if (!examine.error.empty()) {
        fetch.error = examine.error;
        return fetch;
    }
    const CImapStatus opened = TaggedStatus(examine.text, examine.tag);
    if (!opened.Ok()) {
        fetch.error = "The folder \"" + account.m_strFolder + "\" was not found on the mail server " +
                      account.m_strServer + (opened.text.empty() ? "" : " (" + opened.text + ")") + ".";
        return fetch;
    }
    const auto validity = ParseUidValidity(examine.text);
    if (!validity) {
        fetch.error = "The mail server " + account.m_strServer + " did not number the folder \"" +
                      account.m_strFolder + "\" (no UIDVALIDITY), so new mail cannot be told from old.";
        return fetch;
    }
    fetch.uidValidity = *validity;
    fetch.startedOver = *validity != mark.uidValidity;
    return fetch;
}

void DownloadNewMail(CImapConnection& connection, const CMailAccount& account, const CFetchMark& mark,
                     CMailboxFetch& fetch, const FetchProgress& progress)
{
    const uint32_t after = fetch.startedOver ? 0 : mark.lastUid;
    if (after == UINT32_MAX)
        return;

    const std::string filter = account.m_strFilter.empty() ? std::string("ALL") : account.m_strFilter;
    const auto search = connection.Command("UID SEARCH UID " + std::to_string(after + 1) + ":* " + filter);
    if (!search.error.empty()) {
        fetch.error = search.error;
        return;
    }
    const CImapStatus searched = TaggedStatus(search.text, search.tag);
    if (!searched.Ok()) {
        fetch.error = Refused(account, "search with the filter \"" + filter + "\"", searched) +
                      ". Check the filter in Edit, Mailbox Settings.";
        return;
    }
    const auto found = ParseSearchUids(search.text);
    if (!found) {
        fetch.error = "The mail server " + account.m_strServer + " answered the search with something other than "
                      "message numbers.";
        return;
    }
    // "n:*" always takes in the newest message, even one below n.
    std::vector<uint32_t> uids;
    std::copy_if(found->begin(), found->end(), std::back_inserter(uids), [&](uint32_t uid) { return uid > after; });

    for (size_t i = 0; i < uids.size(); ++i) {
        if (progress)
            progress(i, uids.size());
        // BODY.PEEK leaves the \Seen flag alone (and EXAMINE forbids changes anyway).
        const auto read = connection.Command("UID FETCH " + std::to_string(uids[i]) + " BODY.PEEK[]");
        if (!read.error.empty()) {
            fetch.error = read.error;
            fetch.mails.clear();
            return;
        }
        const CImapStatus status = TaggedStatus(read.text, read.tag);
        if (!status.Ok()) {
            fetch.error = Refused(account, "hand over message " + std::to_string(uids[i]), status) + ".";
            fetch.mails.clear();
            return;
        }
        // A message deleted since the search brings no body; it is simply gone.
        if (auto bytes = ParseFetchBody(read.text))
            fetch.mails.push_back({uids[i], std::move(*bytes)});
    }
    if (progress)
        progress(uids.size(), uids.size());
}

CMailboxFetch FetchNewMail(const CMailAccount& account, const std::string& password, const CFetchMark& mark,
                           const CImapOptions& options, const FetchProgress& progress)
{
    CImapConnection connection;
    CMailboxFetch fetch;
    fetch.error = connection.Open(account, password, options);
    if (fetch.Ok()) {
        fetch = ExamineFolder(connection, account, mark);
        if (fetch.Ok())
            DownloadNewMail(connection, account, mark, fetch, progress);
    }
    fetch.cancelled = !fetch.Ok() && connection.Cancelled();
    return fetch;
}
