#pragma once

#include "model/Settings.h"

#include <map>
#include <string>
#include <variant>

/// Settings kept in a map, keyed "section/entry".
class CMemorySettingsStore : public ISettingsStore {
public:
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const override
    {
        auto it = values.find(section + "/" + entry);
        if (it == values.end() || !std::holds_alternative<int>(it->second))
            return defaultValue;
        return std::get<int>(it->second);
    }
    void WriteProfileInt(const std::string& section, const std::string& entry, int value) override
    {
        values[section + "/" + entry] = value;
    }
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue) const override
    {
        auto it = values.find(section + "/" + entry);
        if (it == values.end() || !std::holds_alternative<std::string>(it->second))
            return defaultValue;
        return std::get<std::string>(it->second);
    }
    void WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override
    {
        values[section + "/" + entry] = value;
    }

    std::map<std::string, std::variant<int, std::string>> values;
};
