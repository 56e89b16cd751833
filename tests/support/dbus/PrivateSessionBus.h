#pragma once

#include <string>
#include <sys/types.h>

/// A session bus of the test's own: dbus-daemon started on a private
/// address and ended with the object, so no desktop service answers.
class CPrivateSessionBus {
public:
    CPrivateSessionBus();
    ~CPrivateSessionBus();
    CPrivateSessionBus(const CPrivateSessionBus&) = delete;
    CPrivateSessionBus& operator=(const CPrivateSessionBus&) = delete;

    /// The bus address ("unix:path=..."); empty when the daemon did not start,
    /// with the reason in Error().
    const std::string& Address() const { return m_address; }
    const std::string& Error() const { return m_error; }

private:
    pid_t m_pid = -1;
    std::string m_address;
    std::string m_error;
};
