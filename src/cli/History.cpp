#include "cli/History.h"

#include "views/LineChartSvg.h"

#include <utility>

namespace {

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

} // namespace

std::string CentreHistoryCsv(const CCentreHistory& history)
{
    std::string out = "season";
    for (const auto& country : history.countries)
        out += "," + CsvField(country.name);
    out += "\n";
    for (const auto& row : history.rows) {
        out += CsvField(row.season);
        for (int count : row.centres)
            out += "," + std::to_string(count);
        out += "\n";
    }
    return out;
}

std::string CentreHistorySvg(const CCentreHistory& history)
{
    CLineChart chart;
    chart.title = "Supply centres per season";
    for (const auto& row : history.rows)
        chart.labels.push_back(row.season);
    for (size_t c = 0; c < history.countries.size(); ++c) {
        CLineChart::Series series{history.countries[c].name, history.countries[c].colour, {}};
        for (const auto& row : history.rows)
            series.values.push_back(c < row.centres.size() ? row.centres[c] : 0);
        chart.series.push_back(std::move(series));
    }
    return LineChartSvg(chart);
}
