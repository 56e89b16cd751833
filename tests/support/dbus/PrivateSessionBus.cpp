#include "support/dbus/PrivateSessionBus.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

CPrivateSessionBus::CPrivateSessionBus()
{
    if (::access("/usr/bin/dbus-daemon", X_OK) != 0) {
        m_error = "dbus-daemon is not installed";
        return;
    }
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        m_error = "no pipe";
        return;
    }
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(pipeFds[0]);
        // Its complaints about limits it may not raise are no test's business.
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDERR_FILENO);
        const std::string printTo = "--print-address=" + std::to_string(pipeFds[1]);
        ::execl("/usr/bin/dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile", printTo.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    // The daemon prints its address once it listens.
    std::string line;
    pollfd fd{pipeFds[0], POLLIN, 0};
    char c = 0;
    while (line.find('\n') == std::string::npos && ::poll(&fd, 1, 10000) > 0 && ::read(pipeFds[0], &c, 1) == 1)
        line += c;
    ::close(pipeFds[0]);
    if (line.empty() || line.back() != '\n') {
        m_error = "dbus-daemon did not start";
        return;
    }
    line.pop_back();
    m_address = line;
}

CPrivateSessionBus::~CPrivateSessionBus()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
}
