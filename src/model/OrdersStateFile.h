#pragma once

#include "model/OrdersState.h"

#include <string>

/// Where the orders state of the game file at gamePath is kept: the folder
/// "Kestrane-orders" beside the settings file settingsFile (as the mailbox
/// marks are kept beside it), one file per game, named after the game file
/// and a hash of its full path: "kestrel-1f0c3a9b5d2e7a64.txt". The desktop
/// program and kestrane-cli both find it through this function, so they
/// share the drafts of a game.
///
/// Beside the settings rather than beside the game: the state holds the
/// sent mail with the game password and orders no other player may see
/// before the deadline, so it stays in the player's own configuration
/// rather than in a game folder that may be shared, synchronised or sent
/// on; a game in a folder the player cannot write (the bundled sample)
/// still gets drafts; and the game folder gains no file the player did not
/// make. The price: a game file moved or renamed outside the program starts
/// without drafts, as it starts its mailbox reading over.
///
/// The path is made absolute and free of symbolic links first, so every
/// way of naming the same game file finds the same state.
std::string OrdersStateFile(const std::string& settingsFile, const std::string& gamePath);

/// Reads the state kept in file; an empty state when there is none. A file
/// that is not a state (damaged, or not readable) is moved aside to
/// file + ".damaged" (".damaged-2" and on when that exists), so nothing is
/// lost; the state comes back empty and message says what happened and
/// where the old file is. message is empty otherwise.
CGameOrdersState LoadOrdersState(const std::string& file, std::string& message);

/// The state of file for the game doc, saved at gamePath, as the game is
/// now: LoadOrdersState, moved on to the game's latest season (its drafts
/// kept as earlier ones) when it belongs to another position of the game
/// (IsCurrentFor), and named after gamePath.
CGameOrdersState LoadCurrentOrdersState(const std::string& file, const CKestraneDoc& doc,
                                        const std::string& gamePath, std::string& message);

/// Writes state to file whole, through a new file renamed over the old one,
/// so a failed write leaves the old state; creates the folder. False with
/// message on failure.
bool SaveOrdersState(const std::string& file, const CGameOrdersState& state, std::string& message);
