#pragma once

#include "watch/Notice.h"

#include <optional>
#include <string>
#include <vector>

class CKestraneDoc;

/// The notice that new results of a game were filed: "Kestrel: Fall 1903
/// results are in", over the change that matters most to the player: the
/// centres their country won and lost ("Austria gains Serbia and Greece,
/// loses Trieste"), else its units dislodged, else that nothing changed
/// hands. Without a country of the player's, the country whose centres
/// changed most. filedSeasons are the seasons one import filed, in any
/// order; the notice is about the latest of them, compared with the game as
/// it stood before the earliest. nullopt when none of them is in the game.
std::optional<CNotice> ResultsNotice(const CKestraneDoc& doc, const std::vector<std::string>& filedSeasons);
