#pragma once

#include "support/DovecotServer.h"
#include "support/ServerProcess.h"
#include "support/NonCopyable.h"

#include <filesystem>
#include <string>
#include <vector>

/// A real Postfix SMTP server for one test, with its own configuration,
/// queue and logs below a folder of the test, listening on 127.0.0.1 on
/// three free ports: plain, STARTTLS, and implicit TLS, with a self-signed
/// certificate for 127.0.0.1. Logins ("player", "secret") are checked by a
/// Dovecot of its own; it takes mail for one address only, kJudge, and
/// delivers it into a Maildir the test reads; any other recipient is
/// refused. Postfix runs only as root (as the tests do in CI); its
/// processes then take the package's own "postfix" user. Stopped with the
/// object, also when a test fails.
class CSmtpServer : private CNonCopyable {
public:
    static constexpr const char* kUser = CDovecotServer::kUser;
    static constexpr const char* kPassword = CDovecotServer::kPassword;
    static constexpr const char* kJudge = "judge@judge.test";

    explicit CSmtpServer(std::filesystem::path folder);
    ~CSmtpServer();

    /// Why the server cannot run here (not root, no postfix, dovecot or
    /// openssl); empty when it can.
    static std::string Unavailable();

    /// Starts Dovecot and Postfix and waits until they take connections;
    /// false with the reason (the end of the logs) when they do not come up.
    bool Start(std::string& error);
    /// Stops Postfix (Dovecot stops with the object).
    void Stop();

    int PlainPort() const { return m_plainPort; }
    int StartTlsPort() const { return m_startTlsPort; }
    int TlsPort() const { return m_tlsPort; }
    /// The certificate to trust.
    std::string CertificateFile() const { return (m_root / "cert.pem").string(); }

    /// The messages delivered for kJudge so far, as stored, oldest first.
    std::vector<std::string> Delivered() const;
    /// Waits up to 20 s until at least count messages are delivered (the
    /// queue delivers after the server took the mail) and returns them.
    std::vector<std::string> WaitForDelivered(size_t count) const;
    /// The end of Postfix's log.
    std::string LogTail() const;

    /// The value of one header of a delivered message; the body after the
    /// headers for an empty header name.
    static std::string Part(const std::string& stored, const std::string& header);

private:
    std::filesystem::path m_root;
    CDovecotServer m_logins;
    CServerProcess m_postfix;
    int m_plainPort = 0;
    int m_startTlsPort = 0;
    int m_tlsPort = 0;
    std::string m_setupError;
};
