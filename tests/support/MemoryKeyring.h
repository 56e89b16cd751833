#pragma once

#include "mailaccess/PasswordKeyring.h"

#include <map>
#include <string>

/// The keyring of the tests: a map, so no desktop service is needed. A
/// refusal makes it refuse every write with that reason, as a keyring that
/// is not there does.
class CMemoryKeyring : public IPasswordKeyring {
public:
    std::optional<std::string> Read(const std::string& key, std::string&) override
    {
        const auto it = entries.find(key);
        return it == entries.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool Write(const std::string& key, const std::string& password, std::string& error) override
    {
        if (!refusal.empty()) {
            error = refusal;
            return false;
        }
        entries[key] = password;
        return true;
    }
    bool Remove(const std::string& key, std::string&) override
    {
        entries.erase(key);
        return true;
    }
    std::map<std::string, std::string> entries;
    std::string refusal;
};
