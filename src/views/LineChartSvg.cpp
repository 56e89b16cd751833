#include "views/LineChartSvg.h"

#include <algorithm>
#include <cstdio>

namespace {

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

std::string LineChartSvg(const CLineChart& chart)
{
    // Plot area with room for the axis labels below and left and the legend
    // on the right; the width grows with the number of labels.
    const double left = 50, top = 20, plotHeight = 300;
    const double step = 60;
    const size_t points = chart.labels.size();
    const double plotWidth = std::max<double>(step * double(points > 1 ? points - 1 : 1), 240);
    const double legendX = left + plotWidth + 30;
    const double width = legendX + 150;
    const double legendHeight = 20.0 * double(chart.series.size()) + top;
    const double height = std::max(top + plotHeight + 70, legendHeight + 10);

    // A series shorter than the labels is drawn as far as it goes; one
    // longer is cut at the last label. Negative values sit on the axis.
    auto valueOf = [](const CLineChart::Series& series, size_t i) {
        return std::max(0, i < series.values.size() ? series.values[i] : 0);
    };
    auto count = [&](const CLineChart::Series& series) { return std::min(points, series.values.size()); };
    int maxCount = 0;
    for (const auto& series : chart.series)
        for (size_t i = 0; i < count(series); ++i)
            maxCount = std::max(maxCount, valueOf(series, i));
    const int yMax = std::max(1, maxCount);
    // About five grid lines whatever the scale.
    const int tick = std::max(1, (yMax + 4) / 5);

    auto xOf = [&](size_t i) { return points > 1 ? left + step * double(i) : left + plotWidth / 2; };
    auto yOf = [&](int count) { return top + plotHeight - plotHeight * double(count) / double(yMax); };

    std::string out;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(width) + "\" height=\"" + Num(height) +
           "\" viewBox=\"0 0 " + Num(width) + " " + Num(height) + "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    out += "<title>" + XmlText(chart.title) + "</title>\n";
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

    // Labels slanted, so long series stay readable.
    out += "<g class=\"labels\" text-anchor=\"end\">\n";
    for (size_t i = 0; i < points; ++i) {
        const double x = xOf(i), y = top + plotHeight + 14;
        out += "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" transform=\"rotate(-45 " + Num(x) + " " + Num(y) +
               ")\">" + XmlText(chart.labels[i]) + "</text>\n";
    }
    out += "</g>\n";

    for (size_t c = 0; c < chart.series.size(); ++c) {
        const std::string colour = Rgb(chart.series[c].colour);
        out += "<g class=\"series\" stroke=\"" + colour + "\" fill=\"" + colour + "\">\n";
        out += "<title>" + XmlText(chart.series[c].name) + "</title>\n";
        const size_t drawn = count(chart.series[c]);
        std::string line;
        for (size_t i = 0; i < drawn; ++i) {
            if (!line.empty())
                line += ' ';
            line += Num(xOf(i)) + "," + Num(yOf(valueOf(chart.series[c], i)));
        }
        if (drawn > 1)
            out += "<polyline fill=\"none\" stroke-width=\"2\" points=\"" + line + "\"/>\n";
        for (size_t i = 0; i < drawn; ++i)
            out += "<circle cx=\"" + Num(xOf(i)) + "\" cy=\"" + Num(yOf(valueOf(chart.series[c], i))) +
                   "\" r=\"3\"/>\n";
        out += "</g>\n";
    }

    out += "<g class=\"legend\">\n";
    for (size_t c = 0; c < chart.series.size(); ++c) {
        const double y = top + 20.0 * double(c);
        out += "<rect x=\"" + Num(legendX) + "\" y=\"" + Num(y) + "\" width=\"12\" height=\"12\" fill=\"" +
               Rgb(chart.series[c].colour) + "\" stroke=\"black\"/>\n";
        out += "<text x=\"" + Num(legendX + 18) + "\" y=\"" + Num(y + 10) + "\">" +
               XmlText(chart.series[c].name) + "</text>\n";
    }
    out += "</g>\n";
    out += "</svg>\n";
    return out;
}
