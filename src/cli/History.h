#pragma once

#include "model/CentreHistory.h"

#include <string>

/// "season" and one column per country, then one line per row; fields that
/// hold a comma, a quote or a line break are quoted.
std::string CentreHistoryCsv(const CCentreHistory& history);

/// A line chart: seasons along the bottom, centres up the side, one line in
/// each country's colour, and a legend of the countries.
std::string CentreHistorySvg(const CCentreHistory& history);
