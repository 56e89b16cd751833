#pragma once

#include <string>

class CKestraneDoc;

/// The season on show as text: title, season, deadline, orders, dislodged
/// units, then each country's units (kind, province key, position) and the
/// positions of its owned centres. The centres are those the map view draws:
/// of the latest season up to the one on show that has ownership data.
std::string SeasonReportText(const CKestraneDoc& doc);

/// The same as one JSON object, with the game's identity (judge, game,
/// variant, map, my_country) at the top level. season and deadline are null
/// when no season is on show.
std::string SeasonReportJson(const CKestraneDoc& doc);
