#include "support/DovecotServer.h"

#include "support/ServerProcess.h"

#include <grp.h>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace serverprocess;

namespace {

std::string NameOfUid(uid_t uid)
{
    const passwd* entry = ::getpwuid(uid);
    return entry ? entry->pw_name : std::to_string(uid);
}

std::string NameOfGid(gid_t gid)
{
    const group* entry = ::getgrgid(gid);
    return entry ? entry->gr_name : std::to_string(gid);
}

} // namespace

std::string CDovecotServer::Unavailable()
{
    if (FindProgram("dovecot").empty())
        return "dovecot is not installed";
    if (FindProgram("openssl").empty())
        return "openssl is not installed";
    if (::getuid() == 0 && (!::getpwnam("dovecot") || !::getpwnam("dovenull")))
        return "running as root without the dovecot and dovenull users";
    return {};
}

CDovecotServer::CDovecotServer(fs::path folder, Security security, bool offerIdle)
    : m_root(std::move(folder)), m_security(security)
{
    fs::create_directories(m_root / "base");
    fs::create_directories(m_root / "state");
    m_port = FreePort();
    m_startTlsPort = security == Security::Tls ? FreePort() : 0;
    std::string loginUser = NameOfUid(::getuid());
    std::string internalUser = loginUser;
    std::string internalGroup = NameOfGid(::getgid());
    m_mailUid = ::getuid();
    m_mailGid = ::getgid();
    if (::getuid() == 0) {
        // Dovecot refuses root for its login and mail processes.
        if (const passwd* dovecot = ::getpwnam("dovecot")) {
            m_mailUid = dovecot->pw_uid;
            m_mailGid = dovecot->pw_gid;
            internalUser = "dovecot";
            internalGroup = NameOfGid(dovecot->pw_gid);
        }
        loginUser = "dovenull";
        fs::permissions(m_root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    }
    const fs::path home = m_root / "mail" / kUser;
    fs::create_directories(home / "Maildir" / "cur");
    fs::create_directories(home / "Maildir" / "new");
    fs::create_directories(home / "Maildir" / "tmp");
    GiveToMailUser(m_root / "mail");

    WriteFile(m_root / "passwd", std::string(kUser) + ":{PLAIN}" + kPassword + ":" + std::to_string(m_mailUid) +
                                     ":" + std::to_string(m_mailGid) + "::" + home.string() + "\n");

    const std::string root = m_root.string();
    std::ostringstream conf;
    conf << "base_dir = " << root << "/base\n"
         << "state_dir = " << root << "/state\n"
         << "log_path = " << root << "/dovecot.log\n"
         << "info_log_path = " << root << "/dovecot.log\n"
         << "protocols = imap\n"
         << "listen = 127.0.0.1\n"
         << "disable_plaintext_auth = no\n"
         << "auth_mechanisms = plain login\n"
         << "auth_failure_delay = 0\n"
         << "default_login_user = " << loginUser << "\n"
         << "default_internal_user = " << internalUser << "\n"
         << "default_internal_group = " << internalGroup << "\n"
         << "first_valid_uid = " << (m_mailUid == 0 ? 1 : m_mailUid) << "\n"
         << "first_valid_gid = 1\n"
         << "mail_location = maildir:" << home.string() << "/Maildir:LAYOUT=fs\n"
         << "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN username_format=%u " << root << "/passwd\n}\n"
         << "userdb {\n  driver = passwd-file\n  args = username_format=%u " << root << "/passwd\n}\n"
         << "service anvil {\n  chroot =\n}\n"
         << "service stats {\n  chroot =\n}\n"
         << "service auth {\n  unix_listener " << AuthSocket() << " {\n    mode = 0666\n  }\n}\n";
    if (!offerIdle)
        conf << "imap_capability = IMAP4rev1 LITERAL+ SASL-IR ID ENABLE UIDPLUS UNSELECT NAMESPACE\n";
    if (security == Security::Plain) {
        conf << "ssl = no\n"
             << "service imap-login {\n  chroot =\n  inet_listener imap {\n    address = 127.0.0.1\n    port = "
             << m_port << "\n  }\n  inet_listener imaps {\n    port = 0\n  }\n}\n";
    } else {
        if (!MakeCertificate(m_root))
            m_setupError = "openssl could not make a certificate";
        conf << "ssl = yes\n"
             << "ssl_cert = <" << root << "/cert.pem\n"
             << "ssl_key = <" << root << "/key.pem\n"
             << "service imap-login {\n  chroot =\n  inet_listener imap {\n    address = 127.0.0.1\n    port = "
             << m_startTlsPort << "\n  }\n  inet_listener imaps {\n    address = 127.0.0.1\n    port = " << m_port
             << "\n    ssl = yes\n  }\n}\n";
    }
    WriteFile(m_root / "dovecot.conf", conf.str());
}

CDovecotServer::~CDovecotServer()
{
    Stop();
}

bool CDovecotServer::Start(std::string& error)
{
    if (!m_setupError.empty()) {
        error = m_setupError;
        return false;
    }
    std::vector<int> ports{m_port};
    if (m_startTlsPort != 0)
        ports.push_back(m_startTlsPort);
    // In the foreground, so this test owns the process and can end it.
    if (m_process.Start({FindProgram("dovecot"), "-F", "-c", (m_root / "dovecot.conf").string()}, ports,
                        m_root / "dovecot.out", error))
        return true;
    error += LogTail();
    return false;
}

void CDovecotServer::Stop()
{
    m_process.Stop();
}

fs::path CDovecotServer::FolderPath(const std::string& folder) const
{
    const fs::path maildir = m_root / "mail" / kUser / "Maildir";
    return folder == "INBOX" ? maildir : maildir / folder;
}

void CDovecotServer::GiveToMailUser(const fs::path& path) const
{
    if (::getuid() != 0)
        return;
    [[maybe_unused]] const int ignored = ::chown(path.c_str(), m_mailUid, m_mailGid);
    if (fs::is_directory(path))
        for (const auto& entry : fs::recursive_directory_iterator(path))
            [[maybe_unused]] const int also = ::chown(entry.path().c_str(), m_mailUid, m_mailGid);
}

void CDovecotServer::CreateFolder(const std::string& folder)
{
    for (const char* sub : {"cur", "new", "tmp"})
        fs::create_directories(FolderPath(folder) / sub);
    GiveToMailUser(m_root / "mail");
}

void CDovecotServer::Deliver(const std::string& bytes, const std::string& folder)
{
    CreateFolder(folder);
    const std::string name = "1700000000.M" + std::to_string(++m_delivered) + "P" + std::to_string(::getpid()) + ".test";
    const fs::path temp = FolderPath(folder) / "tmp" / name;
    WriteFile(temp, bytes);
    GiveToMailUser(temp);
    fs::rename(temp, FolderPath(folder) / "new" / name);
}

std::vector<std::string> CDovecotServer::StoredFlags(const std::string& folder) const
{
    std::vector<std::string> flags;
    for (const char* sub : {"cur", "new"}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(FolderPath(folder) / sub, ec)) {
            const std::string name = entry.path().filename().string();
            const size_t info = name.find(":2,");
            flags.push_back(info == std::string::npos ? std::string() : name.substr(info + 3));
        }
    }
    return flags;
}

bool CDovecotServer::Renumber(uint32_t uidValidity, const std::string& folder)
{
    const std::string command = FindProgram("doveadm") + " -c '" + (m_root / "dovecot.conf").string() +
                                "' mailbox update -u " + kUser + " --uid-validity " + std::to_string(uidValidity) +
                                " '" + folder + "' >>'" + (m_root / "doveadm.log").string() + "' 2>&1";
    return std::system(command.c_str()) == 0;
}

std::string CDovecotServer::LogTail() const
{
    return Tail(m_root / "dovecot.log");
}
