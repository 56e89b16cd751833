#pragma once

#include "cli/CliArgs.h"
#include "cli/Commands.h"

/// "watch GAME.kes... [--once]": keeps watch over each game's mailbox as the
/// desktop program does, one watch a game (IMAP IDLE where the server
/// offers it, else asking every few minutes), and imports and saves each
/// game as its mail arrives, as fetch does; prints what arrived (the
/// results notice's words) and the time left in each game. Runs until
/// SIGINT or SIGTERM, or until every watch has stopped; --once fetches once
/// and ends. Exit 1 when anything failed.
int CommandWatch(const CCliArgs& args, const CCliEnvironment& env);
