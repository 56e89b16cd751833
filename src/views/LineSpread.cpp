#include "views/LineSpread.h"

#include <algorithm>
#include <map>

std::vector<std::vector<double>> SpreadEqualValues(const std::vector<std::vector<int>>& values, double step)
{
    constexpr double kHalfWidth = 0.4;
    std::vector<std::vector<double>> drawn(values.size());
    size_t points = 0;
    for (size_t line = 0; line < values.size(); ++line) {
        drawn[line].assign(values[line].begin(), values[line].end());
        points = std::max(points, values[line].size());
    }
    for (size_t point = 0; point < points; ++point) {
        // The lines at each value here, in line order.
        std::map<int, std::vector<size_t>> sharers;
        for (size_t line = 0; line < values.size(); ++line)
            if (point < values[line].size())
                sharers[values[line][point]].push_back(line);
        for (const auto& [value, lines] : sharers) {
            if (lines.size() < 2)
                continue;
            const double gaps = double(lines.size() - 1);
            const double apart = std::min(step, 2 * kHalfWidth / gaps);
            for (size_t rank = 0; rank < lines.size(); ++rank)
                drawn[lines[rank]][point] = value + apart * (gaps / 2 - double(rank));
        }
    }
    return drawn;
}
