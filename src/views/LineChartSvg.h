#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

/// A line chart of whole numbers: labels along the bottom, one series per
/// line, each in its own colour.
struct CLineChart {
    struct Series {
        std::string name;
        std::array<uint8_t, 3> colour{}; // red, green, blue
        std::vector<int> values;         // one per label
    };
    std::string title;
    std::vector<std::string> labels;
    std::vector<Series> series;
};

/// The chart as an SVG document: the values up the side with grid lines, the
/// labels slanted along the bottom, a polyline and a point per value for each
/// series, and a legend of the series' names. Texts are escaped for XML;
/// control characters and bytes that are not ASCII show as "?", so the
/// document is always well-formed.
std::string LineChartSvg(const CLineChart& chart);
