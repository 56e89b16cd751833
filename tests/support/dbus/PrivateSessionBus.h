#pragma once

#include "support/NonCopyable.h"

#include <string>

/// A session bus of the test's own: dbus-daemon on a private address, ended
/// with the object, so no desktop service answers. Address() is empty when
/// the daemon could not start.
class CPrivateSessionBus : private CNonCopyable {
public:
    CPrivateSessionBus();
    ~CPrivateSessionBus();
    const std::string& Address() const { return m_address; }

private:
    std::string m_address;
    long m_pid = 0;
};
