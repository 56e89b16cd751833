#include "mailaccess/ImapConnection.h"

#include "mailaccess/CurlSupport.h"
#include "mailaccess/ImapResponse.h"

#include <curl/curl.h>

#include <cerrno>
#include <chrono>
#include <poll.h>

namespace {

CURL* Handle(const std::unique_ptr<void, CImapConnection::CurlDeleter>& curl)
{
    return static_cast<CURL*>(curl.get());
}

// Whether trying again later may succeed: the network or the server was
// away, as opposed to a login, certificate or setting the user must change.
ImapFailure FailureKind(CURLcode code)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        return ImapFailure::Transient;
    case CURLE_LOGIN_DENIED:
        return ImapFailure::Refused;
    default:
        return ImapFailure::Fatal;
    }
}

} // namespace

void CImapConnection::CurlDeleter::operator()(void* handle) const
{
    curl_easy_cleanup(static_cast<CURL*>(handle));
}

CImapConnection::CImapConnection() = default;
CImapConnection::~CImapConnection()
{
    // A polite goodbye; the answer does not matter.
    if (m_curl && !m_bCancelled) {
        m_options.timeoutSeconds = 2;
        Command("LOGOUT");
    }
}

std::string CImapConnection::Open(const CMailAccount& account, const std::string& password,
                                  const CImapOptions& options)
{
    InitCurlOnce();
    m_options = options;
    m_failure = ImapFailure::Fatal;
    m_strServer = account.m_strServer;
    if (const std::string problem = account.Problem(); !problem.empty())
        return problem;
    std::unique_ptr<void, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        return "Could not start the mail connection.";
    CURL* handle = static_cast<CURL*>(curl.get());
    const bool implicitTls = account.m_security == MailSecurity::ImplicitTls;
    const std::string url = std::string(implicitTls ? "imaps://" : "imap://") + HostForUrl(account.m_strServer) + ":" +
                            std::to_string(account.m_nPort) + "/";
    char detail[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(handle, CURLOPT_USERNAME, account.m_strUser.c_str());
    curl_easy_setopt(handle, CURLOPT_PASSWORD, password.c_str());
    curl_easy_setopt(handle, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, long(options.timeoutSeconds));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, long(options.timeoutSeconds));
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "imap,imaps");
    // A connection kept open for a long wait (IDLE) learns of a peer that
    // vanished without a word within minutes instead of never.
    curl_easy_setopt(handle, CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(handle, CURLOPT_TCP_KEEPIDLE, 60L);
    curl_easy_setopt(handle, CURLOPT_TCP_KEEPINTVL, 30L);
    if (account.m_security == MailSecurity::StartTls)
        curl_easy_setopt(handle, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    else if (account.m_security == MailSecurity::Plain)
        curl_easy_setopt(handle, CURLOPT_USE_SSL, long(CURLUSESSL_NONE));
    if (!options.caFile.empty())
        curl_easy_setopt(handle, CURLOPT_CAINFO, options.caFile.c_str());
    if (m_options.cancelled) {
        curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &AbortWhenCancelled);
        curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &m_options.cancelled);
    }
    const CURLcode code = curl_easy_perform(handle);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 1L);
    // The password is not kept in libcurl beyond the login.
    curl_easy_setopt(handle, CURLOPT_PASSWORD, "");
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
    if (code == CURLE_ABORTED_BY_CALLBACK) {
        m_bCancelled = true;
        m_failure = ImapFailure::Cancelled;
        return "The fetch was cancelled.";
    }
    if (code != CURLE_OK) {
        m_failure = FailureKind(code);
        return CurlFailureText(code, {account.m_strServer, account.m_nPort, account.m_strUser, "IMAP", 993}, detail);
    }
    m_curl = std::move(curl);
    m_failure = ImapFailure::None;
    return {};
}

bool CImapConnection::WaitFor(bool forReading, std::string& error)
{
    curl_socket_t socket = CURL_SOCKET_BAD;
    if (curl_easy_getinfo(Handle(m_curl), CURLINFO_ACTIVESOCKET, &socket) != CURLE_OK || socket == CURL_SOCKET_BAD) {
        error = Lost();
        return false;
    }
    // Short slices, so a cancel is noticed while the server is silent.
    pollfd fd{socket, short(forReading ? POLLIN : POLLOUT), 0};
    const int ready = ::poll(&fd, 1, 200);
    if (m_options.cancelled && m_options.cancelled()) {
        m_bCancelled = true;
        m_failure = ImapFailure::Cancelled;
        error = "The fetch was cancelled.";
        return false;
    }
    return ready >= 0 || errno == EINTR;
}

std::string CImapConnection::Lost()
{
    m_curl.reset();
    m_failure = ImapFailure::Transient;
    return "The connection to the mail server " + m_strServer + " was lost.";
}

std::string CImapConnection::Send(const std::string& text)
{
    if (!m_curl)
        return "Not connected to the mail server.";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(m_options.timeoutSeconds);
    size_t sent = 0;
    std::string error;
    while (sent < text.size()) {
        size_t n = 0;
        const CURLcode code = curl_easy_send(Handle(m_curl), text.data() + sent, text.size() - sent, &n);
        if (code == CURLE_AGAIN) {
            if (!WaitFor(false, error))
                return error;
            if (std::chrono::steady_clock::now() >= deadline) {
                m_failure = ImapFailure::Transient;
                return "The mail server " + m_strServer + " did not answer in time.";
            }
            continue;
        }
        if (code != CURLE_OK)
            return Lost();
        sent += n;
    }
    return {};
}

CImapConnection::ReadResult CImapConnection::Read(std::string& buffer, std::chrono::steady_clock::time_point until,
                                                  std::string& error)
{
    if (!m_curl) {
        error = "Not connected to the mail server.";
        return ReadResult::Failed;
    }
    char chunk[65536];
    for (;;) {
        size_t n = 0;
        const CURLcode code = curl_easy_recv(Handle(m_curl), chunk, sizeof chunk, &n);
        if (code == CURLE_AGAIN) {
            if (!WaitFor(true, error))
                return ReadResult::Failed;
            if (std::chrono::steady_clock::now() >= until)
                return ReadResult::TimedOut;
            continue;
        }
        if (code != CURLE_OK || n == 0) {
            error = Lost();
            return ReadResult::Failed;
        }
        buffer.append(chunk, n);
        if (buffer.size() > m_options.maxAnswerBytes) {
            error = "The mail server " + m_strServer + " sent more than " +
                    std::to_string(m_options.maxAnswerBytes >> 20) + " MB in one answer.";
            m_curl.reset();
            m_failure = ImapFailure::Fatal;
            return ReadResult::Failed;
        }
        return ReadResult::Data;
    }
}

CImapConnection::CAnswer CImapConnection::Command(const std::string& command)
{
    CAnswer answer;
    if (!m_curl) {
        answer.error = "Not connected to the mail server.";
        return answer;
    }
    answer.tag = NewTag();
    answer.error = Send(answer.tag + " " + command + "\r\n");
    if (!answer.error.empty())
        return answer;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(m_options.timeoutSeconds);
    size_t resume = 0;
    for (;;) {
        switch (Read(answer.text, deadline, answer.error)) {
        case ReadResult::Failed:
            return answer;
        case ReadResult::TimedOut:
            m_failure = ImapFailure::Transient;
            answer.error = "The mail server " + m_strServer + " did not answer in time.";
            return answer;
        case ReadResult::Data:
            break;
        }
        const size_t end = FindTaggedEnd(answer.text, answer.tag, &resume);
        if (end != std::string::npos) {
            answer.text.resize(end);
            return answer;
        }
    }
}
