#pragma once

#include <initializer_list>
#include <set>
#include <tuple>
#include <utility>

/// Pixels of a picture as (x, y) pairs, for comparing what a drawing touched.
using Pixels = std::set<std::pair<int, int>>;

/// The pixels of horizontal runs, each given as (y, first x, last x).
inline Pixels Spans(std::initializer_list<std::tuple<int, int, int>> rows)
{
    Pixels pixels;
    for (const auto& [y, from, to] : rows)
        for (int x = from; x <= to; ++x)
            pixels.insert({x, y});
    return pixels;
}
