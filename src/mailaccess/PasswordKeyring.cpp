#include "mailaccess/PasswordKeyring.h"

#include <cstdlib>

std::optional<std::string> CommandLinePassword(IPasswordKeyring* keyring, const std::string& key, std::string& error,
                                               const std::string& variable)
{
    if (const char* fromEnvironment = std::getenv(variable.c_str()))
        return std::string(fromEnvironment);
    std::string why;
    if (keyring)
        if (auto stored = keyring->Read(key, why))
            return stored;
    error = "No password for " + key.substr(key.find(':') + 1) + " in the keyring" +
            (why.empty() ? "" : " (" + why + ")") + ": store it with Edit, Mailbox Settings in the desktop program, or set " + variable + ".";
    return std::nullopt;
}
