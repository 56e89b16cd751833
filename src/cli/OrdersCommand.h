#pragma once

#include "cli/CliArgs.h"
#include "cli/Commands.h"

/// kestrane-cli orders: reads the orders of one power for the phase due after
/// the latest season, one per line (from FILE, or standard input for "-" or
/// none), and prints each as the Judge will take it (its canonical line and
/// "valid", or the line and "invalid:" with the reason), then what the Judge
/// does with the units left without orders. Exit 1 when any line is refused.
/// --reachable PROVINCE prints where the unit there can go instead, one place
/// per line; --mail prints the orders mail holding the orders (each line the
/// Judge takes in its own form) with the verdicts on standard error.
int CommandOrders(const CCliArgs& args, const CCliEnvironment& env);
