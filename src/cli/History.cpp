#include "cli/History.h"

#include "model/KestraneDoc.h"

#include <algorithm>
#include <cstdio>
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

std::string XmlText(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default:
            // Control characters are not allowed in XML 1.0 at all, and bytes
            // of 128 or more would not be valid UTF-8: show both as "?".
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x80)
                out += '?';
            else
                out += c;
        }
    }
    return out;
}

std::string Rgb(const std::array<uint8_t, 3>& c)
{
    return "rgb(" + std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]) + ")";
}

std::string Num(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
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
    // Plot area with room for the axis labels below and left and the legend
    // on the right; the width grows with the number of seasons.
    const double left = 50, top = 20, plotHeight = 300;
    const double step = 60;
    const size_t seasons = history.rows.size();
    const double plotWidth = std::max<double>(step * double(seasons > 1 ? seasons - 1 : 1), 240);
    const double legendX = left + plotWidth + 30;
    const double width = legendX + 150;
    const double legendHeight = 20.0 * double(history.countries.size()) + top;
    const double height = std::max(top + plotHeight + 70, legendHeight + 10);

    int maxCount = 0;
    for (const auto& row : history.rows)
        for (int count : row.centres)
            maxCount = std::max(maxCount, count);
    const int yMax = std::max(1, maxCount);
    // About five grid lines whatever the scale.
    const int tick = std::max(1, (yMax + 4) / 5);

    auto xOf = [&](size_t i) { return seasons > 1 ? left + step * double(i) : left + plotWidth / 2; };
    auto yOf = [&](int count) { return top + plotHeight - plotHeight * double(count) / double(yMax); };

    std::string out;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(width) + "\" height=\"" + Num(height) +
           "\" viewBox=\"0 0 " + Num(width) + " " + Num(height) + "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    out += "<title>Supply centres per season</title>\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + Num(width) + "\" height=\"" + Num(height) + "\" fill=\"white\"/>\n";

    out += "<g class=\"grid\" stroke=\"#dddddd\">\n";
    for (int v = 0; v <= yMax; v += tick)
        out += "<line x1=\"" + Num(left) + "\" y1=\"" + Num(yOf(v)) + "\" x2=\"" + Num(left + plotWidth) +
               "\" y2=\"" + Num(yOf(v)) + "\"/>\n";
    out += "</g>\n";

    out += "<g class=\"axes\" stroke=\"black\">\n";
    out += "<line x1=\"" + Num(left) + "\" y1=\"" + Num(top) + "\" x2=\"" + Num(left) + "\" y2=\"" +
           Num(top + plotHeight) + "\"/>\n";
    out += "<line x1=\"" + Num(left) + "\" y1=\"" + Num(top + plotHeight) + "\" x2=\"" + Num(left + plotWidth) +
           "\" y2=\"" + Num(top + plotHeight) + "\"/>\n";
    out += "</g>\n";

    out += "<g class=\"y-labels\" text-anchor=\"end\">\n";
    for (int v = 0; v <= yMax; v += tick)
        out += "<text x=\"" + Num(left - 6) + "\" y=\"" + Num(yOf(v) + 4) + "\">" + std::to_string(v) + "</text>\n";
    out += "</g>\n";

    // Season names slanted, so long histories stay readable.
    out += "<g class=\"seasons\" text-anchor=\"end\">\n";
    for (size_t i = 0; i < seasons; ++i) {
        const double x = xOf(i), y = top + plotHeight + 14;
        out += "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" transform=\"rotate(-45 " + Num(x) + " " + Num(y) +
               ")\">" + XmlText(history.rows[i].season) + "</text>\n";
    }
    out += "</g>\n";

    for (size_t c = 0; c < history.countries.size(); ++c) {
        const std::string colour = Rgb(history.countries[c].colour);
        out += "<g class=\"country\" stroke=\"" + colour + "\" fill=\"" + colour + "\">\n";
        out += "<title>" + XmlText(history.countries[c].name) + "</title>\n";
        std::string points;
        for (size_t i = 0; i < seasons; ++i) {
            if (!points.empty())
                points += ' ';
            points += Num(xOf(i)) + "," + Num(yOf(history.rows[i].centres[c]));
        }
        if (seasons > 1)
            out += "<polyline fill=\"none\" stroke-width=\"2\" points=\"" + points + "\"/>\n";
        for (size_t i = 0; i < seasons; ++i)
            out += "<circle cx=\"" + Num(xOf(i)) + "\" cy=\"" + Num(yOf(history.rows[i].centres[c])) +
                   "\" r=\"3\"/>\n";
        out += "</g>\n";
    }

    out += "<g class=\"legend\">\n";
    for (size_t c = 0; c < history.countries.size(); ++c) {
        const double y = top + 20.0 * double(c);
        out += "<rect x=\"" + Num(legendX) + "\" y=\"" + Num(y) + "\" width=\"12\" height=\"12\" fill=\"" +
               Rgb(history.countries[c].colour) + "\" stroke=\"black\"/>\n";
        out += "<text x=\"" + Num(legendX + 18) + "\" y=\"" + Num(y + 10) + "\">" +
               XmlText(history.countries[c].name) + "</text>\n";
    }
    out += "</g>\n";
    out += "</svg>\n";
    return out;
}
