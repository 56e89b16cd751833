#pragma once

#include <string>
#include <vector>

/// One option of the desktop program's command line. Plain data, so the
/// manual page is made from the same table the program's --help prints.
struct CStartOption {
    const char* name;      ///< as typed: "-nosplash"
    const char* valueName; ///< nullptr for a flag
    const char* help;
};

/// Every option of "kestrane", in the order the help lists them.
const std::vector<CStartOption>& StartOptionTable();

/// The operands after the options.
inline constexpr const char* kStartOperands = "[GAME.kes...]";

/// One line about the program, for the help and the manual page.
inline constexpr const char* kStartSummary =
    "Kestrane, the companion for board games played by e-mail through a Judge: imports the Judge's result "
    "mails, draws the board season by season, lists orders and dislodged units and composes the orders mail.";

/// What --help prints: the usage line, the summary and the options.
std::string StartHelpText();
