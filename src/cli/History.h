#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CKestraneDoc;

/// Supply centres owned per country, season by season.
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

/// One row per season, in game order, that holds ownership data (some
/// country owns a centre in it). A count is the number of distinct centre
/// positions the country owns, so a centre the report named twice counts once.
CCentreHistory BuildCentreHistory(const CKestraneDoc& doc);

/// "season" and one column per country, then one line per row; fields that
/// hold a comma, a quote or a line break are quoted.
std::string CentreHistoryCsv(const CCentreHistory& history);

/// A line chart: seasons along the bottom, centres up the side, one line in
/// each country's colour, and a legend of the countries.
std::string CentreHistorySvg(const CCentreHistory& history);
