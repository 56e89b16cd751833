#include "cli/History.h"

#include "model/KestraneDoc.h"
#include "views/LineChartSvg.h"

#include <algorithm>
#include <set>
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

CCentreHistory BuildCentreHistory(const CKestraneDoc& doc)
{
    CCentreHistory history;
    const int countries = std::clamp<int>(int(std::min<size_t>(size_t(doc.m_nCountries), doc.m_countries.size())),
                                          0, kMaxCountries);
    for (int i = 0; i < countries; ++i) {
        const CCountry& c = doc.m_countries[size_t(i)];
        history.countries.push_back({c.m_strName, {c.Red(), c.Green(), c.Blue()}});
    }
    for (const auto& season : doc.m_seasons) {
        CCentreHistory::Row row;
        row.season = season->m_strSeason;
        bool owned = false;
        const int inSeason = std::min<int>(countries, std::max(season->m_nCountries, 0));
        for (int i = 0; i < countries; ++i) {
            std::set<std::pair<int32_t, int32_t>> distinct;
            if (i < inSeason)
                for (const MapPos& p : season->m_centres[size_t(i)])
                    distinct.insert({p.x, p.y});
            row.centres.push_back(int(distinct.size()));
            owned = owned || !distinct.empty();
        }
        if (owned)
            history.rows.push_back(std::move(row));
    }
    return history;
}

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
