#include "orders/GeographyFile.h"

#include "orders/TextCase.h"

#include <charconv>

namespace orders {

namespace {

std::vector<std::string_view> Split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find_first_of(separators, start);
        parts.push_back(TrimSpace(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return parts;
}

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    for (std::string_view part : Split(text, " \t,"))
        if (!part.empty())
            words.push_back(part);
    return words;
}

struct Statement {
    int line = 0;
    std::string keyword; // upper case
    std::string_view body;
};

class Reader {
public:
    explicit Reader(std::string_view text);
    GeographyReading Result();

private:
    void Problem(int line, const std::string& text) { m_problems.push_back("line " + std::to_string(line) + ": " + text); }
    void ReadProvince(const Statement& s);
    void ReadCoast(const Statement& s);
    void ReadMoves(const Statement& s);
    bool CanStand(Place place, bool fleet) const;
    std::optional<Place> ParsePlace(int line, std::string_view text);
    void CheckNames();

    std::vector<Statement> m_statements;
    Geography m_geography;
    std::vector<std::string> m_problems;
};

Reader::Reader(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = TrimSpace(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.empty() || line.front() == '#')
            continue;
        const size_t colon = line.find(':');
        Statement s{number, {}, colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1)};
        for (char c : TrimSpace(line.substr(0, colon)))
            s.keyword += UpperAscii(c);
        if (colon == std::string_view::npos || (s.keyword != "PROVINCE" && s.keyword != "COAST" &&
                                                 s.keyword != "ARMY" && s.keyword != "FLEET"))
            Problem(number, "not a PROVINCE, COAST, ARMY or FLEET statement");
        else
            m_statements.push_back(s);
    }
    // Provinces first, so that the other statements may name any of them.
    for (const Statement& s : m_statements)
        if (s.keyword == "PROVINCE")
            ReadProvince(s);
    for (const Statement& s : m_statements)
        if (s.keyword == "COAST")
            ReadCoast(s);
    for (const Statement& s : m_statements)
        if (s.keyword == "ARMY" || s.keyword == "FLEET")
            ReadMoves(s);
    CheckNames();
}

void Reader::ReadProvince(const Statement& s)
{
    const std::vector<std::string_view> fields = Split(s.body, ",");
    if (fields.size() < 5) {
        Problem(s.line, "a province needs a short name, a kind, a home power, a centre mark and a name");
        return;
    }
    Province province;
    province.shortName = std::string(fields[0]);
    if (province.shortName.empty() || province.shortName.find_first_of(" \t/:") != std::string::npos) {
        Problem(s.line, "the short name \"" + province.shortName + "\" is empty or has a blank, '/' or ':' in it");
        return;
    }
    if (m_geography.FindShortName(province.shortName)) {
        Problem(s.line, "a second province " + province.shortName);
        return;
    }
    if (EqualNoCase(fields[1], "land"))
        province.terrain = Terrain::Land;
    else if (EqualNoCase(fields[1], "coast"))
        province.terrain = Terrain::Coast;
    else if (EqualNoCase(fields[1], "sea"))
        province.terrain = Terrain::Sea;
    else
        Problem(s.line, "the kind of " + province.shortName + " must be land, coast or sea");
    if (fields[2] != "-")
        province.home = std::string(fields[2]);
    if (EqualNoCase(fields[3], "centre") || EqualNoCase(fields[3], "center"))
        province.centre = true;
    else if (fields[3] != "-")
        Problem(s.line, "write \"centre\" or \"-\" for whether " + province.shortName + " is a supply centre");
    for (size_t i = 4; i < fields.size(); ++i) {
        if (fields[i].empty())
            Problem(s.line, "an empty name for " + province.shortName);
        else
            province.names.emplace_back(fields[i]);
    }
    if (!province.home.empty() && !province.centre)
        Problem(s.line, province.shortName + " is a home centre but not a centre");
    if (!province.names.empty())
        m_geography.provinces.push_back(std::move(province));
}

std::optional<Place> Reader::ParsePlace(int line, std::string_view text)
{
    const size_t slash = text.find('/');
    const auto province = m_geography.FindShortName(text.substr(0, slash));
    if (!province) {
        Problem(line, "no province " + std::string(text.substr(0, slash)));
        return std::nullopt;
    }
    if (slash == std::string_view::npos)
        return Place{*province, Coast::None};
    const auto coast = CoastFromLetters(text.substr(slash + 1));
    if (!coast) {
        Problem(line, "\"" + std::string(text.substr(slash + 1)) + "\" is not nc, sc, ec or wc");
        return std::nullopt;
    }
    return Place{*province, *coast};
}

void Reader::ReadCoast(const Statement& s)
{
    const std::vector<std::string_view> fields = Split(s.body, ",");
    const auto place = fields.empty() ? std::nullopt : ParsePlace(s.line, fields[0]);
    if (!place)
        return;
    int xy[2] = {0, 0};
    for (size_t i = 0; i < 2; ++i) {
        const std::string_view field = i + 1 < fields.size() ? fields[i + 1] : std::string_view();
        const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), xy[i]);
        if (field.empty() || ec != std::errc() || end != field.data() + field.size()) {
            Problem(s.line, "a coast needs its place on the picture: two whole numbers");
            return;
        }
    }
    Province& province = m_geography.provinces[size_t(place->province)];
    if (place->coast == Coast::None || province.terrain != Terrain::Coast) {
        Problem(s.line, "a COAST statement names a coast (\"Spa/nc\") of a coastal province");
        return;
    }
    for (const CoastSpot& spot : province.coasts)
        if (spot.coast == place->coast) {
            Problem(s.line, "a second " + std::string(fields[0]));
            return;
        }
    province.coasts.push_back({place->coast, xy[0], xy[1]});
}

bool Reader::CanStand(Place place, bool fleet) const
{
    const Province& p = m_geography[place.province];
    if (!fleet)
        return place.coast == Coast::None && p.terrain != Terrain::Sea;
    if (p.terrain == Terrain::Land)
        return false;
    if (p.coasts.empty())
        return place.coast == Coast::None;
    for (const CoastSpot& spot : p.coasts)
        if (spot.coast == place.coast)
            return true;
    return false;
}

void Reader::ReadMoves(const Statement& s)
{
    const bool fleet = s.keyword == "FLEET";
    const std::string unit = fleet ? "a fleet" : "an army";
    const std::string why = fleet ? " (inland, or a coast not declared or not named)" : " (a sea, or a coast named)";
    const size_t colon = s.body.find(':');
    const std::string_view fromText = TrimSpace(s.body.substr(0, colon));
    const auto from = ParsePlace(s.line, fromText);
    if (!from)
        return;
    if (!CanStand(*from, fleet)) {
        Problem(s.line, unit + " cannot be at " + std::string(fromText) + why);
        return;
    }
    std::vector<Place> targets;
    if (colon != std::string_view::npos)
        for (std::string_view word : Words(s.body.substr(colon + 1)))
            if (const auto to = ParsePlace(s.line, word)) {
                if (CanStand(*to, fleet))
                    targets.push_back(*to);
                else
                    Problem(s.line, unit + " cannot move to " + std::string(word) + why);
            }
    Province& province = m_geography.provinces[size_t(from->province)];
    if (!fleet) {
        for (const Place& to : targets)
            province.army.push_back(to.province);
        return;
    }
    // A second statement for the same coast adds to the first.
    for (FleetSide& side : province.fleet)
        if (side.coast == from->coast) {
            side.to.insert(side.to.end(), targets.begin(), targets.end());
            return;
        }
    province.fleet.push_back({from->coast, std::move(targets)});
}

void Reader::CheckNames()
{
    for (int i = 0; i < m_geography.Count(); ++i) {
        const Province& province = m_geography[i];
        if (province.coasts.size() == 1)
            m_problems.push_back(province.shortName + " has a single coast: declare two or more, or none");
        for (const std::string& name : province.names)
            for (int j = 0; j < i; ++j)
                for (const std::string& other : m_geography[j].names)
                    if (EqualNoCase(name, other))
                        m_problems.push_back("the name \"" + name + "\" is given to " + m_geography[j].shortName +
                                             " and to " + province.shortName);
    }
}

GeographyReading Reader::Result()
{
    GeographyReading reading;
    if (m_problems.empty() && m_geography.Count() == 0)
        m_problems.push_back("no PROVINCE statement");
    if (m_problems.empty())
        reading.geography = std::move(m_geography);
    reading.problems = std::move(m_problems);
    return reading;
}

} // namespace

GeographyReading ReadGeography(std::string_view text)
{
    return Reader(text).Result();
}

} // namespace orders
