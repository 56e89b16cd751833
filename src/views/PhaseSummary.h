#pragma once

#include <string>
#include <vector>

class CKestraneDoc;
class CSeasonHdr;

/// One power's standing after a season that holds ownership.
struct CPowerSummary {
    std::string name;   ///< the country's name as the map gives it
    int centres = 0;    ///< distinct supply centres owned
    int units = 0;      ///< units on the board
    /// Builds (positive) or removals (negative) due in the adjustments that
    /// follow; 0 when none are due or no adjustments follow this season.
    int adjustment = 0;
    friend bool operator==(const CPowerSummary&, const CPowerSummary&) = default;
};

/// True when adjustments follow season: a fall movement or fall retreats.
bool AdjustmentsFollow(const CSeasonHdr& season);

/// Every power that owns a centre or has a unit in season, in country order;
/// empty when the season holds no ownership. Computed from the season's own
/// units and centres, whatever the report said about them.
std::vector<CPowerSummary> SummarisePhase(const CKestraneDoc& doc, const CSeasonHdr& season);

/// A country's name as people write it: "AUSTRIA" gives "Austria",
/// "AUSTRIA-HUNGARY" "Austria-Hungary".
std::string PowerName(const std::string& name);

/// One line a power: "Austria: 7 supply centres, 5 units, builds 2".
std::string PowerSummaryLine(const CPowerSummary& power);

/// The summary's lines for season (nullptr: none); empty without ownership.
std::vector<std::string> PhaseSummaryLines(const CKestraneDoc& doc, const CSeasonHdr* season);
