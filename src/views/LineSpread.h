#pragma once

#include <vector>

/// Where the points of a line chart of whole numbers are drawn so that lines
/// sharing a value stay apart: values[line][point] gives value + offset,
/// the lines that share a value at a point spread evenly around it, step
/// apart in line order (the first highest). A point with more sharers than
/// fit within ±0.4 of the value gets a smaller step, so a spread point never
/// reaches halfway to the next whole number. Lines shorter than others only
/// take part where they have a point.
std::vector<std::vector<double>> SpreadEqualValues(const std::vector<std::vector<int>>& values, double step);
