#pragma once

#include <string>

/// The manual page of kestrane-cli (roff, section 1), made from the same
/// CLI11 definitions as its --help: every command with its synopsis,
/// description and options, the program's own options and the exit statuses.
std::string CliManPage();

/// The manual page of the desktop program, from its option table.
std::string DesktopManPage();

/// A bash completion for kestrane-cli from the same definitions: the
/// commands, each command's options, folders after --install-dir, PNG and
/// SVG files after the options that write them, files for operands.
std::string CliBashCompletion();
