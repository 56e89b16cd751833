#include "support/DovecotServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fstream>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string FindProgram(const std::string& name)
{
    for (const char* dir : {"/usr/sbin", "/usr/bin", "/usr/local/sbin", "/usr/local/bin"}) {
        const fs::path path = fs::path(dir) / name;
        if (::access(path.c_str(), X_OK) == 0)
            return path.string();
    }
    return {};
}

// A port nobody listens on now, from the kernel's ephemeral range.
int FreePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t size = sizeof addr;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &size) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}

bool Accepts(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(uint16_t(port));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

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

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
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
         << "service stats {\n  chroot =\n}\n";
    if (!offerIdle)
        conf << "imap_capability = IMAP4rev1 LITERAL+ SASL-IR ID ENABLE UIDPLUS UNSELECT NAMESPACE\n";
    if (security == Security::Plain) {
        conf << "ssl = no\n"
             << "service imap-login {\n  chroot =\n  inet_listener imap {\n    address = 127.0.0.1\n    port = "
             << m_port << "\n  }\n  inet_listener imaps {\n    port = 0\n  }\n}\n";
    } else {
        const std::string command = FindProgram("openssl") +
                                    " req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1"
                                    " -addext subjectAltName=IP:127.0.0.1 -keyout '" +
                                    root + "/key.pem' -out '" + root + "/cert.pem' >'" + root +
                                    "/openssl.log' 2>&1";
        if (std::system(command.c_str()) != 0)
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
    if (m_port == 0) {
        error = "no free port";
        return false;
    }
    const std::string program = FindProgram("dovecot");
    const std::string conf = (m_root / "dovecot.conf").string();
    m_pid = ::fork();
    if (m_pid == 0) {
        // In the foreground, so this test owns the process and can end it;
        // in a process group of its own, so Stop reaches every process.
        ::setpgid(0, 0);
        ::execl(program.c_str(), program.c_str(), "-F", "-c", conf.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            error = "dovecot ended at once: " + LogTail();
            return false;
        }
        if (Accepts(m_port) && (m_startTlsPort == 0 || Accepts(m_startTlsPort)))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    error = "dovecot did not take connections: " + LogTail();
    Stop();
    return false;
}

void CDovecotServer::Stop()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (::waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // Mail processes the master left behind would keep their clients'
    // connections: a stopped server keeps none, as after a restart.
    ::kill(-m_pid, SIGTERM);
    m_pid = -1;
    // The master ends its children; wait until the port is free again, so a
    // later start on the same port does not race the old listeners.
    for (int i = 0; i < 100 && Accepts(m_port); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
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
    std::ifstream in(m_root / "dovecot.log");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.size() > 600 ? text.substr(text.size() - 600) : text;
}
