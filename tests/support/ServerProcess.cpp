#include "support/ServerProcess.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace serverprocess {

std::string FindProgram(const std::string& name)
{
    for (const char* dir : {"/usr/sbin", "/usr/bin", "/usr/local/sbin", "/usr/local/bin"}) {
        const fs::path path = fs::path(dir) / name;
        if (::access(path.c_str(), X_OK) == 0)
            return path.string();
    }
    return {};
}

int FreePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
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

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

bool MakeCertificate(const fs::path& folder)
{
    const std::string dir = folder.string();
    const std::string command = FindProgram("openssl") +
                                " req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1"
                                " -addext subjectAltName=IP:127.0.0.1 -keyout '" +
                                dir + "/key.pem' -out '" + dir + "/cert.pem' >'" + dir + "/openssl.log' 2>&1";
    if (std::system(command.c_str()) != 0)
        return false;
    fs::permissions(folder / "key.pem", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                            fs::perms::others_read);
    return true;
}

std::string Tail(const fs::path& path, size_t bytes)
{
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.size() > bytes ? text.substr(text.size() - bytes) : text;
}

} // namespace serverprocess

bool CServerProcess::Start(const std::vector<std::string>& argv, const std::vector<int>& ports,
                           const fs::path& output, std::string& error)
{
    using namespace serverprocess;
    m_ports = ports;
    for (const int port : ports)
        if (port == 0) {
            error = "no free port";
            return false;
        }
    m_pid = ::fork();
    if (m_pid == 0) {
        ::setpgid(0, 0);
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0)
            ::_exit(126);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(out, 2);
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::setpgid(m_pid, m_pid);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            error = argv[0] + " ended at once: " + Tail(output);
            return false;
        }
        bool all = true;
        for (const int port : ports)
            all = all && Accepts(port);
        if (all)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    error = argv[0] + " did not take connections: " + Tail(output);
    Stop();
    return false;
}

void CServerProcess::Stop()
{
    if (m_pid <= 0)
        return;
    ::kill(-m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (::waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(-m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_pid = -1;
    for (const int port : m_ports)
        for (int i = 0; i < 100 && serverprocess::Accepts(port); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

CSilentListener::CSilentListener()
{
    m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof addr;
    if (m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 && ::listen(m_fd, 4) == 0 &&
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &size) == 0)
        m_port = ntohs(addr.sin_port);
}

CSilentListener::~CSilentListener()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
