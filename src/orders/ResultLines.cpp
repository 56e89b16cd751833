#include "orders/ResultLines.h"

#include "orders/TextCase.h"

namespace orders {

namespace {

// "Spain (north coast)" or "Vienna".
std::optional<Place> PrintedPlace(const Geography& geography, std::string_view text)
{
    text = TrimSpace(text);
    Coast coast = Coast::None;
    for (Coast c : {Coast::North, Coast::South, Coast::East, Coast::West}) {
        const std::string suffix = " (" + std::string(CoastWords(c)) + ")";
        if (text.size() > suffix.size() && EqualNoCase(text.substr(text.size() - suffix.size()), suffix)) {
            coast = c;
            text = TrimSpace(text.substr(0, text.size() - suffix.size()));
        }
    }
    const auto province = geography.FindName(text);
    if (!province)
        return std::nullopt;
    return Place{*province, coast};
}

} // namespace

std::optional<ResultLine> ReadResultLine(const Geography& geography, std::string_view line)
{
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = TrimSpace(line.substr(colon + 1));
    ResultLine result;
    if (const size_t open = rest.find("(*"); open != std::string_view::npos) {
        const size_t close = rest.find("*)", open);
        result.note = std::string(rest.substr(open + 2, close == std::string_view::npos ? close : close - open - 2));
        rest = TrimSpace(rest.substr(0, open));
    }
    if (!rest.empty() && rest.back() == '.')
        rest.remove_suffix(1);
    const size_t blank = rest.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view unit = rest.substr(0, blank);
    if (EqualNoCase(unit, "fleet"))
        result.unit = UnitType::Fleet;
    else if (!EqualNoCase(unit, "army"))
        return std::nullopt;
    rest = TrimSpace(rest.substr(blank));

    for (std::string_view keyword : {" SUPPORT ", " CONVOY ", " HOLD", ", No Order", " DISBAND", " PROXY"})
        if (const size_t at = rest.find(keyword); at != std::string_view::npos) {
            const auto from = PrintedPlace(geography, rest.substr(0, at));
            if (!from)
                return std::nullopt;
            result.from = *from;
            return result;
        }
    std::vector<Place> steps;
    for (size_t start = 0;;) {
        const size_t arrow = rest.find(" -> ", start);
        const auto place = PrintedPlace(geography, rest.substr(start, arrow == std::string_view::npos ? arrow : arrow - start));
        if (!place)
            return std::nullopt;
        steps.push_back(*place);
        if (arrow == std::string_view::npos)
            break;
        start = arrow + 4;
    }
    result.from = steps.front();
    if (steps.size() > 1) {
        result.move = true;
        result.to = steps.back();
        for (size_t i = 1; i + 1 < steps.size(); ++i)
            result.route.push_back(steps[i].province);
    }
    return result;
}

bool IsStartingPosition(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        for (std::string_view keyword : {"->", "HOLD", "SUPPORT", "CONVOY", "No Order", "DISBAND", "PROXY"})
            if (line.find(keyword) != std::string::npos)
                return false;
    return true;
}

std::vector<Place> RetreatOptions(const Geography& geography, UnitType unit, Place at,
                                  const std::vector<ResultLine>& results, const std::vector<bool>& occupied)
{
    auto succeeded = [](const ResultLine& line) { return line.move && line.note.empty(); };
    std::vector<bool> barred = occupied;
    for (const ResultLine& line : results) {
        // The unit that moved in: where it came from is barred.
        if (succeeded(line) && line.to.province == at.province)
            barred[size_t(line.from.province)] = true;
        // A bounced move leaves its destination contested, unless it was one
        // half of two units trying to swap places.
        if (line.move && line.note.find("bounce") != std::string::npos) {
            bool swap = false;
            for (const ResultLine& other : results)
                swap = swap || (other.move && other.route.empty() && line.route.empty() &&
                                other.from.province == line.to.province && other.to.province == line.from.province);
            if (!swap)
                barred[size_t(line.to.province)] = true;
        }
    }
    std::vector<Place> options;
    if (unit == UnitType::Army) {
        for (int province : geography[at.province].army)
            if (!barred[size_t(province)])
                options.push_back({province, Coast::None});
    } else if (const std::vector<Place>* moves = geography.FleetMoves(at)) {
        for (const Place& place : *moves)
            if (!barred[size_t(place.province)])
                options.push_back(place);
    }
    return options;
}

} // namespace orders
