#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CKestraneDoc;
class CSeasonHdr;

/// Supply centres owned per country, season by season: the figures of the
/// desktop chart and of "kestrane-cli history" alike.
struct CCentreHistory {
    struct Country {
        std::string name;
        std::array<uint8_t, 3> colour{}; // red, green, blue
    };
    struct Row {
        std::string season;
        std::vector<int> centres; // one count per country, in index order
    };
    std::vector<Country> countries;
    std::vector<Row> rows;
};

/// The countries a season's per-country arrays can be read for: the game's
/// count, never more than the season was made for, the countries known or
/// the arrays' size.
int CountriesInSeason(const CKestraneDoc& doc, const CSeasonHdr& season);

/// The number of distinct centre positions country owns in season, so a
/// centre the report named twice counts once; 0 outside the season's range.
int CentreCount(const CKestraneDoc& doc, const CSeasonHdr& season, int country);

/// True when some country owns a centre in season.
bool HoldsOwnership(const CKestraneDoc& doc, const CSeasonHdr& season);

/// One row per season, in game order, that holds ownership data.
CCentreHistory BuildCentreHistory(const CKestraneDoc& doc);

/// The row for the season on show: the row of the ownership in force then
/// (the season on show or the nearest earlier one with ownership); nullopt
/// when there is none or no season is on show.
std::optional<size_t> CentreHistoryRowOnShow(const CCentreHistory& history, const CKestraneDoc& doc);
