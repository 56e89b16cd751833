#include "mailaccess/CurlSupport.h"

#include <mutex>

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string HostForUrl(const std::string& server)
{
    if (server.find(':') != std::string::npos && server.front() != '[')
        return "[" + server + "]";
    return server;
}

int AbortWhenCancelled(void* cancelled, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return (*static_cast<const std::function<bool()>*>(cancelled))() ? 1 : 0;
}

std::string CurlFailureText(CURLcode code, const CMailServerName& name, const char* detail)
{
    const std::string& server = name.server;
    const std::string port = std::to_string(name.port);
    const std::string more = detail && *detail ? std::string(" (") + detail + ")" : std::string();
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return "Could not find the mail server " + server + ": check the server name and the network connection.";
    case CURLE_COULDNT_CONNECT:
        return "Could not connect to the mail server " + server + " on port " + port +
               ": the server is not running there or the network is down.";
    case CURLE_OPERATION_TIMEDOUT:
        return "The mail server " + server + " did not answer in time.";
    case CURLE_LOGIN_DENIED:
        return "The mail server " + server + " refused the login of " + name.user +
               ": check the user name and the password (many providers want an app password).";
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
        return "The certificate of the mail server " + server + " could not be trusted, so nothing was sent to it" +
               more + ".";
    case CURLE_SSL_CONNECT_ERROR:
        return "Could not set up an encrypted connection to the mail server " + server + " on port " + port +
               ": check the port and the security setting" + more + ".";
    case CURLE_USE_SSL_FAILED:
        return "The mail server " + server + " does not offer STARTTLS on port " + port +
               ": choose implicit TLS (port " + std::to_string(name.implicitTlsPort) + ") instead.";
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_WEIRD_SERVER_REPLY:
        return "The mail server " + server + " on port " + port + " broke off the connection or does not speak " +
               name.protocol + ": check the port and the security setting" + more + ".";
    default:
        return "Could not log in to the mail server " + server + ": " + curl_easy_strerror(code) + more + ".";
    }
}
