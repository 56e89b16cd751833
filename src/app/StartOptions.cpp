#include "app/StartOptions.h"

#include <algorithm>

const std::vector<CStartOption>& StartOptionTable()
{
    static const std::vector<CStartOption> options = {
        {"-nosplash", nullptr, "start without the splash window (also /nosplash)"},
        {"-screenshot", "FILE", "save a picture of the main window to FILE once it has settled, then quit"},
        {"--help", nullptr, "print this help and exit"},
        {"--version", nullptr, "print the version and exit"},
    };
    return options;
}

std::string StartHelpText()
{
    std::string out = "usage: kestrane [OPTIONS] " + std::string(kStartOperands) + "\n\n" + kStartSummary + "\n\nOptions:\n";
    size_t width = 0;
    auto label = [](const CStartOption& option) {
        return std::string(option.name) + (option.valueName ? std::string(" ") + option.valueName : std::string());
    };
    for (const CStartOption& option : StartOptionTable())
        width = std::max(width, label(option).size());
    for (const CStartOption& option : StartOptionTable()) {
        std::string name = label(option);
        name.resize(width, ' ');
        out += "  " + name + "  " + option.help + "\n";
    }
    return out;
}
