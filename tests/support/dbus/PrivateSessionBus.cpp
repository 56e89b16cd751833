#include "support/dbus/PrivateSessionBus.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

CPrivateSessionBus::CPrivateSessionBus()
{
    // The daemon forks into the background once it listens and prints its
    // address and process id; its complaints about limits go nowhere.
    FILE* out = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
    if (!out)
        return;
    char address[512] = {};
    char pid[32] = {};
    if (std::fgets(address, sizeof address, out) && std::fgets(pid, sizeof pid, out)) {
        m_address = address;
        m_address.erase(m_address.find_last_not_of("\r\n") + 1);
        m_pid = std::atol(pid);
    }
    ::pclose(out);
}

CPrivateSessionBus::~CPrivateSessionBus()
{
    if (m_pid > 0)
        ::kill(pid_t(m_pid), SIGTERM);
}
