#pragma once

#include "support/ServerProcess.h"
#include "support/NonCopyable.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

/// A real Dovecot IMAP server for one test: its own configuration, user
/// ("player", password "secret", from a passwd file) and Maildir below a
/// folder of the test, listening on 127.0.0.1 at a free high port, logging
/// to a file. It runs as the current user; under root the mail processes
/// take the package's own "dovecot" and "dovenull" users, as Dovecot will not
/// read mail as root. Stopped with the object, also when a test fails.
class CDovecotServer : private CNonCopyable {
public:
    enum class Security { Plain, Tls };

    static constexpr const char* kUser = "player";
    static constexpr const char* kPassword = "secret";

    /// Prepares the configuration below folder (and, for Tls, a self-signed
    /// certificate for 127.0.0.1 made with openssl). Without offerIdle the
    /// server's capabilities leave out IDLE, as some providers' do.
    CDovecotServer(std::filesystem::path folder, Security security, bool offerIdle = true);
    ~CDovecotServer();

    /// Why the server cannot run here (no dovecot or openssl); empty when it can.
    static std::string Unavailable();

    /// Starts the server and waits until it takes connections; false with
    /// the reason (the end of its log) when it does not come up.
    bool Start(std::string& error);
    /// Stops the server and waits for it to end.
    void Stop();

    /// The IMAP port: implicit TLS for Tls, plain (with STARTTLS for Tls) on StartTlsPort.
    int Port() const { return m_port; }
    int StartTlsPort() const { return m_startTlsPort; }
    /// Where other servers ask Dovecot to check a login (Postfix's SASL).
    std::string AuthSocket() const { return (m_root / "auth-client").string(); }
    /// The certificate to trust for Tls.
    std::string CertificateFile() const { return (m_root / "cert.pem").string(); }

    /// Puts one message into a folder ("INBOX" or a folder of its own) as a
    /// mail delivery would: written in tmp/, then moved into new/. Also while
    /// clients are logged in, who learn of it as of any new mail.
    void Deliver(const std::string& bytes, const std::string& folder = "INBOX");
    /// Creates an empty folder.
    void CreateFolder(const std::string& folder);
    /// The flag letters of every message of the folder as stored in the
    /// Maildir file names ("" for a message never touched).
    std::vector<std::string> StoredFlags(const std::string& folder = "INBOX") const;
    /// Gives the folder a new UIDVALIDITY, as a server does after it rebuilt
    /// the folder; false when doveadm failed.
    bool Renumber(uint32_t uidValidity, const std::string& folder = "INBOX");

private:
    std::filesystem::path FolderPath(const std::string& folder) const;
    void GiveToMailUser(const std::filesystem::path& path) const;
    std::string LogTail() const;

    std::filesystem::path m_root;
    Security m_security;
    int m_port = 0;
    int m_startTlsPort = 0;
    CServerProcess m_process;
    uid_t m_mailUid = 0;
    gid_t m_mailGid = 0;
    int m_delivered = 0;
    std::string m_setupError;
};
