#include "model/SeasonWords.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsSeasonName(std::string_view name)
{
    return name.size() == 6 &&
           std::all_of(name.begin() + 1, name.begin() + 5, [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

} // namespace

std::string SeasonInWords(std::string_view name)
{
    if (!IsSeasonName(name))
        return std::string(name);
    const std::string year(name.substr(1, 4));
    const char season = name[0];
    switch (name[5]) {
    case 'M':
        if (season == 'S')
            return "Spring " + year + " Movement";
        if (season == 'F')
            return "Fall " + year + " Movement";
        break;
    case 'R':
        if (season == 'S')
            return "Spring " + year + " Retreats";
        if (season == 'F')
            return "Fall " + year + " Retreats";
        break;
    case 'B':
        // The Judge files the winter adjustments under the fall's letter.
        if (season == 'F' || season == 'W')
            return "Winter " + year + " Adjustments";
        break;
    }
    return std::string(name);
}

std::string StartingPositionInWords(std::string_view name)
{
    if (!IsSeasonName(name))
        return std::string(name);
    return "Starting position " + std::to_string(std::stoi(std::string(name.substr(1, 4))) + 1);
}
