#include "mailaccess/PasswordKeyring.h"

#include <cstdlib>

std::optional<std::string> CommandLinePassword(IPasswordKeyring* keyring, const std::string& key, std::string& error)
{
    if (const char* fromEnvironment = std::getenv("KESTRANE_IMAP_PASSWORD"))
        return std::string(fromEnvironment);
    std::string why;
    if (keyring)
        if (auto stored = keyring->Read(key, why))
            return stored;
    error = "No password for " + key.substr(key.find(':') + 1) + " in the keyring" +
            (why.empty() ? "" : " (" + why + ")") + ": store it with Edit, Mailbox Settings in the desktop program, or set KESTRANE_IMAP_PASSWORD.";
    return std::nullopt;
}
