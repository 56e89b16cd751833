#pragma once

#include "cli/CliArgs.h"
#include "cli/Commands.h"

/// kestrane-cli send: checks the orders (from FILE, standard input for "-",
/// else the drafts kept for the phase due), composes the orders mail as
/// Send does, sends it to the Judge through the SMTP server and keeps what
/// was sent, and when, in the game's orders state. Refuses a set the Judge
/// would refuse a line of, or that leaves something without orders, unless
/// --force is given. Prints one line; exit 1 when nothing was sent.
int CommandSend(const CCliArgs& args, const CCliEnvironment& env);
