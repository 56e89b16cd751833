#pragma once

#include "model/SeasonKey.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

/// The name under which the import files a piece: the word after
/// "Deadline" on the line after its first header, one year earlier when the
/// piece says "You have been selected" below that line (the game start).
/// Empty when the piece has no header or no "Deadline" word.
std::string FiledSeasonName(const std::string& piece);

/// The game-order key a piece is imported by: that of its filed season name;
/// a piece without a name sorts before every season.
CSeasonKey FiledSeasonKey(const std::string& piece);

/// Puts items in the game order of the pieces textOf gives for them. Items
/// whose pieces have equal keys keep their order.
template <class Item, class TextOf>
void SortInGameOrder(std::vector<Item>& items, TextOf textOf)
{
    std::vector<std::pair<CSeasonKey, size_t>> keys;
    keys.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        keys.emplace_back(FiledSeasonKey(textOf(items[i])), i);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Item> ordered;
    ordered.reserve(items.size());
    for (const auto& key : keys)
        ordered.push_back(std::move(items[key.second]));
    items = std::move(ordered);
}

/// The pieces in game order of their filed season names; pieces without a
/// name come first, and pieces with equal keys keep their input order.
std::vector<std::string> OrderBySeason(std::vector<std::string> pieces);
