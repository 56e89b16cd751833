#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

/// One command line of kestrane-cli, checked against the command's options.
struct CCliArgs {
    std::string command;
    /// The operands in order; "-" (standard input) is an operand.
    std::vector<std::string> positional;
    /// Options given, by name with its dashes ("--json", "-o"); flags map to "".
    std::map<std::string, std::string> options;
    /// --install-dir, accepted by every command.
    std::optional<std::string> installDir;

    bool Has(const std::string& option) const { return options.count(option) != 0; }
    /// The option's value, or fallback when it was not given.
    std::string Value(const std::string& option, const std::string& fallback = "") const;
};

/// The outcome of parsing: the arguments, a request for help or for the
/// version, or a usage error with its text (exit status 2).
struct CArgsResult {
    std::optional<CCliArgs> args;
    bool help = false;
    /// The help asked for: the program's, or the command's after COMMAND --help.
    std::string helpText;
    bool version = false;
    std::string error;
    /// The usage to print after the error: the command's, or the program's.
    std::string usage;
};

/// Parses the arguments after the program name. Options may stand anywhere
/// after the command (--install-dir also before it); "--name=value" and "--name value" are both accepted;
/// "--" makes every later argument an operand.
CArgsResult ParseCliArgs(const std::vector<std::string>& argv);

/// The usage summary printed after a usage error: one line per command.
std::string UsageText();

/// "kestrane-cli" and the version, as --version prints it.
std::string VersionText();

/// "WxH" with both sides from 1 to 16384 and at most 4096 x 4096 pixels.
std::optional<std::pair<int, int>> ParseSize(const std::string& text);

/// animate --delay: seconds from 0.01 to 600, fractions allowed, as hundredths.
std::optional<int> ParseDelay(const std::string& text);
