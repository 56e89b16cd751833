#pragma once

#include "cli/MailboxOptions.h"

/// Fetches the game's new Judge mail from the mailbox and imports it in
/// game order; prints the summary. Exit 1 when the mailbox could not be
/// read, a mail could not be read or imported, or the game not saved.
int CommandFetch(const CFetchArgs& args, const CCliEnvironment& env);

/// The fetch command from its parsed command line.
int CommandFetchArgs(const CCliArgs& args, const CCliEnvironment& env);
