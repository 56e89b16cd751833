#pragma once

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "judge/OrdersVerdict.h"

#include <iosfwd>
#include <string>
#include <vector>

class CKestraneDoc;

/// Why a status reply is not about the game: another Judge or another game
/// (names compared without regard to case, as the subject writes the game in
/// lower case). Empty when it is about the game, or the game has no Judge
/// mail yet to tell.
std::string ReplyForAnotherGame(const CKestraneDoc& doc, const COrdersStatus& status);

/// Prints the Judge's verdict: a title line naming the game, phase and
/// power; each refused line with the Judge's messages (each line sent,
/// accepted or refused, when sent is given); every order the Judge holds,
/// as it understood it ("accepted", or "in force" beside the lines sent);
/// the units without orders and what is still pending; the headline with
/// the error flag.
void PrintVerdict(std::ostream& out, const COrdersStatus& status, const COrdersVerdict* sent);

/// kestrane-cli status GAME.kes MAIL: the Judge's verdict from the last
/// orders-status reply for the game in MAIL ('-' reads standard input).
/// Exit 1 when the Judge refused any order, or MAIL holds no such reply.
int CommandStatus(const CCliArgs& args, const CCliEnvironment& env);
