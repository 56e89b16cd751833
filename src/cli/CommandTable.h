#pragma once

#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include <cstddef>
#include <string>
#include <vector>

/// One option of a command. A flag has no value name.
struct CCliOption {
    const char* name;                ///< with its dashes: "--json", "-o"
    const char* valueName = nullptr; ///< "OUT.png"; nullptr for a flag
    const char* help = "";
    bool required = false;
    /// When set, a value it refuses is a usage error with invalidText.
    bool (*valid)(const std::string& value) = nullptr;
    const char* invalidText = "";
    /// An option of the same command that cannot be given with this one.
    const char* excludes = nullptr;

    bool IsFlag() const { return valueName == nullptr; }
};

inline constexpr size_t kAnyNumber = static_cast<size_t>(-1);

/// One command of kestrane-cli: everything the parser, the help, the manual
/// page and the shell completion know of it. Adding a command is adding a row
/// to CliCommands().
struct CCliCommand {
    const char* name;
    /// The operands as the usage line shows them: "GAME.kes [SEASON]".
    const char* operands;
    size_t minOperands;
    size_t maxOperands; ///< kAnyNumber for no limit
    const char* summary; ///< one line, for the command list
    const char* description; ///< a paragraph, for the command's own help
    std::vector<CCliOption> options;
    int (*run)(const CCliArgs& args, const CCliEnvironment& env);

    const CCliOption* FindOption(const std::string& optionName) const;
    /// "render GAME.kes [SEASON] -o OUT.png [--initials] ..." (no program name).
    std::string Synopsis() const;
};

/// Every command, in the order the help lists them.
const std::vector<CCliCommand>& CliCommands();

/// The command called name, or nullptr.
const CCliCommand* FindCliCommand(const std::string& name);
