#pragma once

#include "cli/CommandTable.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <string>

/// The options that stand before the command, as a CLI11 application: help,
/// version and --install-dir. Whatever follows the first operand (the
/// command) is left in remaining(), in order.
std::unique_ptr<CLI::App> MakeProgramApp();

/// One command as a CLI11 application of its own: its options, the global
/// --install-dir and its operands (the positional option "operands"). Values
/// are read back from the options (count(), results()), so every check and
/// message stays with the caller.
std::unique_ptr<CLI::App> MakeCommandApp(const CCliCommand& command);

/// "usage: kestrane-cli " and the command's synopsis, or the program's
/// usage line when command is nullptr.
std::string UsageLine(const CCliCommand* command);

/// The name CLI11 gives the operands of a command application.
inline constexpr const char* kOperandsName = "operands";
