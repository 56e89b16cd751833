#pragma once

#include <optional>
#include <string>

/// Where mailbox passwords are kept: the desktop keyring in the programs, a
/// map in tests. Never a plain file.
class IPasswordKeyring {
public:
    virtual ~IPasswordKeyring() = default;
    /// The password stored under key; nullopt with the reason in error when
    /// none is stored or the keyring cannot be reached (error is empty when
    /// simply none is stored).
    virtual std::optional<std::string> Read(const std::string& key, std::string& error) = 0;
    /// Stores password under key; false with the reason.
    virtual bool Write(const std::string& key, const std::string& password, std::string& error) = 0;
    /// Forgets the password under key; true when none is left.
    virtual bool Remove(const std::string& key, std::string& error) = 0;
};

/// The password a command line fetch or send uses: the environment variable
/// called variable when it is set, else the keyring's entry for key.
/// nullopt with the reason.
std::optional<std::string> CommandLinePassword(IPasswordKeyring* keyring, const std::string& key, std::string& error,
                                               const std::string& variable = "KESTRANE_IMAP_PASSWORD");
