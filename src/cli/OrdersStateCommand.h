#pragma once

#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "judge/ReportBatch.h"
#include "model/OrdersState.h"
#include "model/PhaseDue.h"

#include <optional>
#include <string>
#include <vector>

/// Keeps the phase due that the imported texts announce in the game's
/// orders state (RecordPhaseDue), telling the user of a damaged or
/// unwritable state file; false when it could not be written.
bool RecordImportedPhase(const CCliEnvironment& env, const CKestraneDoc& doc, const std::vector<CReportText>& texts);

/// The file that keeps the orders state of doc's game; empty when there is
/// none (no settings folder, or a game not saved).
std::string OrdersStateFileOf(const CCliEnvironment& env, const CKestraneDoc& doc);

/// The orders state kept for the game as it is now (LoadCurrentOrdersState),
/// telling the user of a damaged state file.
CGameOrdersState CurrentOrdersState(const CCliEnvironment& env, const CKestraneDoc& doc);

/// The drafted orders kept for the game, when they are for its phase due;
/// empty otherwise.
std::vector<std::string> StoredDrafts(const CCliEnvironment& env, const CKestraneDoc& doc);

/// The phase due kept for the game, when it is for the game's latest season.
std::optional<CPhaseDue> StoredPhaseDue(const CCliEnvironment& env, const CKestraneDoc& doc);

/// The phase due in one line with the time left now, the deadline also in
/// the player's time (OrdersDueText).
std::string DueInWords(const CPhaseDue& due);

/// "due": the phase due of the game and the time left, one line:
/// the phase code, a tab, the deadline in UTC (2004-01-29T23:30:00Z, empty
/// when it is not in the Judge's form), a tab, the line the orders pane
/// shows. Exit 1 when no phase due is known for the game's latest season.
int CommandDue(const CCliArgs& args, const CCliEnvironment& env);
