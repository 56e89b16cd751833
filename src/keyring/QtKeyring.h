#pragma once

#include "mailaccess/PasswordKeyring.h"

/// The desktop keyring (Secret Service, KWallet, ...) through QtKeychain,
/// under the service name "Kestrane". Each call waits for the keyring in a
/// local event loop; a QCoreApplication must exist.
class CQtKeyring : public IPasswordKeyring {
public:
    static constexpr const char* kService = "Kestrane";
    /// The reason given when no keyring service runs on the session bus.
    static constexpr const char* kNoService = "no keyring service is running";

    std::optional<std::string> Read(const std::string& key, std::string& error) override;
    bool Write(const std::string& key, const std::string& password, std::string& error) override;
    bool Remove(const std::string& key, std::string& error) override;
};
