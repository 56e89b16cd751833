#pragma once

#include <string>

/// A session bus of the test's own: dbus-daemon on a private address, ended
/// with the object, so no desktop service answers. Address() is empty when
/// the daemon could not start.
class CPrivateSessionBus {
public:
    CPrivateSessionBus();
    ~CPrivateSessionBus();
    CPrivateSessionBus(const CPrivateSessionBus&) = delete;
    CPrivateSessionBus& operator=(const CPrivateSessionBus&) = delete;
    const std::string& Address() const { return m_address; }

private:
    std::string m_address;
    long m_pid = 0;
};
