#pragma once

#include <curl/curl.h>

#include <functional>
#include <string>

/// Starts libcurl once per process, before the first handle; safe from any thread.
void InitCurlOnce();

/// The host as it goes into a URL: an IPv6 address in brackets.
std::string HostForUrl(const std::string& server);

/// A libcurl progress callback for a std::function<bool()> that says whether
/// the user cancelled: a true answer ends the transfer with
/// CURLE_ABORTED_BY_CALLBACK, also while the server is silent, since libcurl
/// asks at least once a second.
int AbortWhenCancelled(void* cancelled, curl_off_t, curl_off_t, curl_off_t, curl_off_t);

/// What a mail server connection is, for the sentences below.
struct CMailServerName {
    std::string server;
    int port = 0;
    std::string user;
    const char* protocol = "IMAP"; ///< "IMAP" or "SMTP"
    int implicitTlsPort = 993;     ///< suggested when STARTTLS is not offered
};

/// libcurl's failure to reach or log in to a mail server as the one sentence
/// the user reads: host not found, connection refused, timeout, login
/// refused, certificate not trusted, TLS set up wrongly, not that protocol.
/// detail is libcurl's error text, added in brackets where it helps.
std::string CurlFailureText(CURLcode code, const CMailServerName& name, const char* detail);
