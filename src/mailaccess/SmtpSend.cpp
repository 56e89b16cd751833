#include "mailaccess/SmtpSend.h"

#include "mailaccess/CurlSupport.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// What the transfer needs from its callbacks: the message to upload, and
// what the server said, for the message when it refuses something.
struct CTransfer {
    const std::string* message = nullptr;
    size_t offset = 0;
    const CSmtpOptions* options = nullptr;
    /// The server's last refusal (a 4xx or 5xx reply), for the message.
    std::string refusal;
    bool offeredLogin = false;
};

size_t ReadMessage(char* buffer, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<CTransfer*>(user);
    const size_t n = std::min(size * count, transfer->message->size() - transfer->offset);
    std::memcpy(buffer, transfer->message->data() + transfer->offset, n);
    transfer->offset += n;
    return n;
}

// Only the server's answers are looked at; what we send (the login among it)
// is never kept.
int WatchReplies(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    if (type != CURLINFO_HEADER_IN)
        return 0;
    auto* transfer = static_cast<CTransfer*>(user);
    std::string line(data, size);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    if (line.size() > 4 && line.compare(0, 3, "250") == 0 && line.compare(4, 4, "AUTH") == 0)
        transfer->offeredLogin = true;
    if (line.empty() || (line[0] != '4' && line[0] != '5'))
        return 0;
    // Printable text only, and not a whole essay.
    line.erase(std::remove_if(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < ' '; }),
               line.end());
    transfer->refusal = line.substr(0, 200);
    return 0;
}

int ReportProgress(void* user, curl_off_t, curl_off_t, curl_off_t total, curl_off_t now)
{
    const auto* transfer = static_cast<CTransfer*>(user);
    const CSmtpOptions& options = *transfer->options;
    // libcurl counts the dots it doubles at line starts too.
    if (options.progress && total > 0)
        options.progress(size_t(std::min(now, total)), size_t(total));
    return options.cancelled && options.cancelled() ? 1 : 0;
}

struct CurlFree {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The server refused a step of the mail itself (not the connection or the
// login): the sender, the recipient or the message. Empty for any other failure.
std::string Refusal(const COutgoingAccount& account, const COutgoingMail& mail, const char* detail,
                    const CTransfer& transfer, bool wholeMessageSent)
{
    const std::string& server = account.m_strServer;
    const std::string reply = transfer.refusal.empty() ? std::string() : " (" + transfer.refusal + ")";
    const bool mailOrRcpt = StartsWith(detail, "MAIL failed") || StartsWith(detail, "RCPT failed");
    if (mailOrRcpt && !account.m_strUser.empty() && !transfer.offeredLogin)
        return "The mail server " + server + " offered no login on port " + std::to_string(account.m_nPort) +
               reply + ": check the port and the security setting.";
    if (StartsWith(detail, "RCPT failed"))
        return "The mail server " + server + " refused the recipient " + mail.to + reply +
               ": check the Judge's address.";
    if (StartsWith(detail, "MAIL failed"))
        return "The mail server " + server + " refused the sender " + mail.from + reply +
               ": check your From address (many providers take only the account's own).";
    const bool refusedAtEnd = wholeMessageSent && !transfer.refusal.empty();
    if (StartsWith(detail, "DATA failed") || refusedAtEnd)
        return "The mail server " + server + " refused the mail" + reply + ".";
    return {};
}

} // namespace

CSmtpSend SendMail(const COutgoingAccount& account, const std::string& password, const COutgoingMail& mail,
                   const CSmtpOptions& options)
{
    CSmtpSend result;
    if (result.error = account.Problem(); !result.error.empty())
        return result;
    for (const std::string* address : {&mail.from, &mail.to})
        if (!IsMailAddress(*address)) {
            result.error = "\"" + *address + "\" is not a mail address such as player@example.org.";
            return result;
        }
    result.sentAt = options.when ? options.when : std::time(nullptr);
    result.messageId = NewMessageId(mail.from, result.sentAt);
    const auto message = ComposeMessage(mail, result.sentAt, result.messageId, result.error);
    if (!message)
        return result;

    InitCurlOnce();
    std::unique_ptr<CURL, CurlFree> curl(curl_easy_init());
    if (!curl) {
        result.error = "Could not start the mail connection.";
        return result;
    }
    CURL* handle = curl.get();
    const bool implicitTls = account.m_security == MailSecurity::ImplicitTls;
    const std::string url = std::string(implicitTls ? "smtps://" : "smtp://") + HostForUrl(account.m_strServer) +
                            ":" + std::to_string(account.m_nPort);
    const std::string from = "<" + mail.from + ">";
    std::unique_ptr<curl_slist, CurlFree> recipients(curl_slist_append(nullptr, ("<" + mail.to + ">").c_str()));
    CTransfer transfer;
    transfer.message = &*message;
    transfer.options = &options;
    char detail[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, long(options.timeoutSeconds));
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(options.timeoutSeconds));
    // A cap on the whole conversation, for a server that answers too slowly
    // to hit the per-answer limit.
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, long(options.timeoutSeconds) * 4);
    if (account.m_security == MailSecurity::StartTls)
        curl_easy_setopt(handle, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    if (!options.caFile.empty())
        curl_easy_setopt(handle, CURLOPT_CAINFO, options.caFile.c_str());
    if (!account.m_strUser.empty()) {
        curl_easy_setopt(handle, CURLOPT_USERNAME, account.m_strUser.c_str());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, password.c_str());
    }
    curl_easy_setopt(handle, CURLOPT_MAIL_FROM, from.c_str());
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(handle, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(handle, CURLOPT_READFUNCTION, &ReadMessage);
    curl_easy_setopt(handle, CURLOPT_READDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_INFILESIZE_LARGE, curl_off_t(message->size()));
    curl_easy_setopt(handle, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(handle, CURLOPT_DEBUGFUNCTION, &WatchReplies);
    curl_easy_setopt(handle, CURLOPT_DEBUGDATA, &transfer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &ReportProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode code = curl_easy_perform(handle);
    if (code == CURLE_OK) {
        result.message = *message;
        return result;
    }
    if (code == CURLE_ABORTED_BY_CALLBACK) {
        result.cancelled = true;
        result.error = "The sending was cancelled.";
        return result;
    }
    result.error = Refusal(account, mail, detail, transfer, transfer.offset == message->size());
    if (result.error.empty())
        result.error = CurlFailureText(code, {account.m_strServer, account.m_nPort, account.m_strUser, "SMTP", 465}, detail);
    return result;
}
