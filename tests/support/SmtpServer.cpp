#include "support/SmtpServer.h"

#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace serverprocess;

namespace {

// Every service the server needs to take, queue and deliver mail on its own,
// none chrooted, so the test's own paths work in them.
const char* const kServices = R"(cleanup unix n - n - 0 cleanup
qmgr unix n - n 300 1 qmgr
tlsmgr unix - - n 1000? 1 tlsmgr
rewrite unix - - n - - trivial-rewrite
bounce unix - - n - 0 bounce
defer unix - - n - 0 bounce
trace unix - - n - 0 bounce
verify unix - - n - 1 verify
proxymap unix - - n - - proxymap
error unix - - n - - error
retry unix - - n - - error
discard unix - - n - - discard
virtual unix - n n - - virtual
smtp unix - - n - - smtp
anvil unix - - n - 1 anvil
scache unix - - n - 1 scache
postlog unix-dgram n - n - 1 postlogd
)";

void GiveTo(const fs::path& path, const passwd& user)
{
    [[maybe_unused]] const int ignored = ::chown(path.c_str(), user.pw_uid, user.pw_gid);
}

} // namespace

std::string CSmtpServer::Unavailable()
{
    if (::getuid() != 0)
        return "Postfix runs only as root";
    if (FindProgram("postfix").empty() || !::getpwnam("postfix") || !::getgrnam("postdrop"))
        return "postfix is not installed";
    return CDovecotServer::Unavailable();
}

CSmtpServer::CSmtpServer(fs::path folder)
    : m_root(std::move(folder)), m_logins(m_root / "logins", CDovecotServer::Security::Plain)
{
    m_plainPort = FreePort();
    m_startTlsPort = FreePort();
    m_tlsPort = FreePort();
    const passwd* postfix = ::getpwnam("postfix");
    if (!postfix) {
        m_setupError = "no postfix user";
        return;
    }
    for (const char* dir : {"conf", "queue", "data", "mail"})
        fs::create_directories(m_root / dir);
    GiveTo(m_root / "data", *postfix);
    GiveTo(m_root / "mail", *postfix);
    if (!MakeCertificate(m_root))
        m_setupError = "openssl could not make a certificate";
    WriteFile(m_root / "recipients", std::string(kJudge) + " judge/\n");

    const std::string root = m_root.string();
    std::ostringstream main;
    main << "compatibility_level = 3.6\n"
         << "queue_directory = " << root << "/queue\n"
         << "data_directory = " << root << "/data\n"
         << "maillog_file = " << root << "/postfix.log\n"
         << "maillog_file_prefixes = " << root << "\n"
         << "mail_owner = postfix\nsetgid_group = postdrop\n"
         << "inet_interfaces = 127.0.0.1\ninet_protocols = ipv4\n"
         << "myhostname = localhost\nmydestination =\nrelay_domains =\nalias_maps =\nnotify_classes =\n"
         << "virtual_mailbox_domains = judge.test\n"
         << "virtual_mailbox_base = " << root << "/mail\n"
         << "virtual_mailbox_maps = texthash:" << root << "/recipients\n"
         << "virtual_uid_maps = static:" << postfix->pw_uid << "\n"
         << "virtual_gid_maps = static:" << postfix->pw_gid << "\n"
         << "smtpd_sasl_auth_enable = yes\nsmtpd_sasl_type = dovecot\n"
         << "smtpd_sasl_path = " << m_logins.AuthSocket() << "\n"
         // Mail only from a client that logged in, and only for the Judge.
         << "smtpd_relay_restrictions = reject_unlisted_recipient, permit_sasl_authenticated, reject\n"
         << "smtpd_tls_cert_file = " << root << "/cert.pem\n"
         << "smtpd_tls_key_file = " << root << "/key.pem\n"
         << "smtpd_tls_security_level = may\nsmtpd_tls_session_cache_database =\n";
    WriteFile(m_root / "conf" / "main.cf", main.str());

    std::ostringstream master;
    master << "127.0.0.1:" << m_plainPort << " inet n - n - - smtpd -o smtpd_tls_security_level=none\n"
           << "127.0.0.1:" << m_startTlsPort << " inet n - n - - smtpd\n"
           << "127.0.0.1:" << m_tlsPort << " inet n - n - - smtpd -o smtpd_tls_wrappermode=yes\n"
           << kServices;
    WriteFile(m_root / "conf" / "master.cf", master.str());
}

bool CSmtpServer::Start(std::string& error)
{
    if (!m_setupError.empty()) {
        error = m_setupError;
        return false;
    }
    if (!m_logins.Start(error))
        return false;
    if (m_postfix.Start({FindProgram("postfix"), "-c", (m_root / "conf").string(), "start-fg"},
                        {m_plainPort, m_startTlsPort, m_tlsPort}, m_root / "postfix.out", error))
        return true;
    error += LogTail();
    return false;
}

void CSmtpServer::Stop()
{
    // Postfix's master leaves the test's process group (it starts a session
    // of its own), so it is ended through its pid file; it ends its children.
    std::ifstream pidFile(m_root / "queue" / "pid" / "master.pid");
    if (pid_t master = 0; m_postfix.Running() && pidFile >> master && master > 1) {
        ::kill(master, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (::kill(master, 0) == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (::kill(master, 0) == 0)
            ::kill(master, SIGKILL);
    }
    m_postfix.Stop();
}

CSmtpServer::~CSmtpServer()
{
    Stop();
}

std::vector<std::string> CSmtpServer::Delivered() const
{
    std::vector<fs::path> files;
    for (const char* sub : {"new", "cur"}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(m_root / "mail" / "judge" / sub, ec))
            files.push_back(entry.path());
    }
    // In the order of delivery: by time, then by name (which starts with the time).
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        return fs::last_write_time(a) != fs::last_write_time(b) ? fs::last_write_time(a) < fs::last_write_time(b)
                                                                : a.filename() < b.filename();
    });
    std::vector<std::string> messages;
    for (const fs::path& file : files)
        messages.push_back(CTempDir::Read(file));
    return messages;
}

std::vector<std::string> CSmtpServer::WaitForDelivered(size_t count) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::vector<std::string> messages = Delivered();
    while (messages.size() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        messages = Delivered();
    }
    return messages;
}

std::string CSmtpServer::LogTail() const
{
    return Tail(m_root / "postfix.log");
}

std::string CSmtpServer::Part(const std::string& stored, const std::string& header)
{
    const size_t end = stored.find("\n\n");
    if (header.empty())
        return end == std::string::npos ? std::string() : stored.substr(end + 2);
    const size_t at = stored.find("\n" + header + ": ");
    if (at == std::string::npos || at > end)
        return {};
    const size_t start = at + header.size() + 3;
    return stored.substr(start, stored.find('\n', start) - start);
}
