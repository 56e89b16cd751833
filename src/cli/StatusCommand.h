#pragma once

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "judge/OrdersVerdict.h"

#include <iosfwd>
#include <string>
#include <vector>

/// Prints the Judge's verdict: a title line naming the game, phase and
/// power; each refused line with the Judge's messages (each line sent,
/// accepted or refused, when sent is given); every order the Judge holds,
/// as it understood it ("accepted", or "in force" beside the lines sent);
/// the units without orders and what is still pending; the headline with
/// the error flag.
void PrintVerdict(std::ostream& out, const COrdersStatus& status, const COrdersVerdict* sent);

/// kestrane-cli status GAME.kes MAIL: the Judge's verdict from the last
/// orders-status reply for the game in MAIL ('-' reads standard input),
/// beside the orders sent for its phase when the game's orders state holds
/// them; a reply for the phase due is kept there as the verdict. Exit 1
/// when the Judge refused any order, or MAIL holds no such reply.
int CommandStatus(const CCliArgs& args, const CCliEnvironment& env);
