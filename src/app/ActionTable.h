#pragma once

#include "app/Commands.h"

#include <span>

/// One command as the menus, toolbar and status bar show it.
struct CActionSpec {
    Cmd id;
    /// Menu text: "&" marks the mnemonic, the part after "\t" names the
    /// shortcut. Empty for commands reached only by key or button.
    const char* text;
    /// Key sequence in portable text form; empty for none.
    const char* shortcut;
    /// Status-bar prompt, then "\n" and the tool tip.
    const char* prompt;
    bool checkable = false;
};

/// Every command of the program, in one table.
std::span<const CActionSpec> ActionTable();
/// The entry of id; every Cmd has one.
const CActionSpec& ActionSpec(Cmd id);
