#include "orders/GamePosition.h"

#include "model/KestraneDoc.h"
#include "orders/ResultLines.h"
#include "orders/TextCase.h"

#include <map>

namespace orders {

namespace {

std::string UnknownKey(const std::string& key, const std::string& season)
{
    return "The saved game has a unit in \"" + key + "\" in " + season +
           ", a place the board's geography does not know.";
}

bool ReadUnits(const CKestraneDoc& doc, const CSeasonHdr& season, const Geography& geography,
               std::vector<Unit>& units, std::string& problem)
{
    const int countries = std::min<int>(season.m_nCountries, int(doc.m_countries.size()));
    for (int i = 0; i < countries; ++i)
        for (const CSeasonData& data : season.m_units[size_t(i)]) {
            const auto place = geography.FindKey(data.m_strProvince);
            if (!place) {
                problem = UnknownKey(data.m_strProvince, season.m_strSeason);
                return false;
            }
            units.push_back({i, data.IsFleet() ? UnitType::Fleet : UnitType::Army, *place, false, {}});
        }
    return true;
}

// The owners of the supply centres: those of the latest season that records
// any, else every home centre its power's.
std::vector<int> CentreOwners(const CKestraneDoc& doc, const Geography& geography, const Position& position)
{
    std::vector<int> owner(size_t(geography.Count()), -1);
    std::map<std::pair<int32_t, int32_t>, int> provinceAt;
    doc.m_supplyCentres.ForEach([&](const CPositionMap::Entry& entry) {
        if (const auto place = geography.FindKey(entry.key))
            provinceAt[{entry.value.x, entry.value.y}] = place->province;
    });
    for (auto season = doc.m_seasons.rbegin(); season != doc.m_seasons.rend(); ++season) {
        bool any = false;
        const int countries = std::min<int>((*season)->m_nCountries, int(doc.m_countries.size()));
        for (int i = 0; i < countries; ++i)
            for (const MapPos& pos : (*season)->m_centres[size_t(i)])
                if (const auto found = provinceAt.find({pos.x, pos.y}); found != provinceAt.end()) {
                    owner[size_t(found->second)] = i;
                    any = true;
                }
        if (any)
            return owner;
    }
    for (int p = 0; p < geography.Count(); ++p)
        if (geography[p].centre && !geography[p].home.empty())
            owner[size_t(p)] = position.FindPower(geography[p].home);
    return owner;
}

// The Judge's test for a winter: a power with more units than centres, or
// with more centres than units and an empty centre it owns that is its home
// or nobody's home.
bool AdjustmentsDue(const Position& position, const Geography& geography)
{
    for (int power = 0; power < int(position.powers.size()); ++power) {
        const int balance = position.Adjustment(power);
        if (balance < 0)
            return true;
        if (balance > 0)
            for (int p = 0; p < geography.Count(); ++p)
                if (position.owner[size_t(p)] == power && position.UnitAt(p) < 0 &&
                    (geography[p].home.empty() || EqualNoCase(geography[p].home, position.powers[size_t(power)])))
                    return true;
    }
    return false;
}

// "FRANCE ARMY BURGUNDY", as the movement parser keeps a dislodged unit.
std::optional<Unit> ReadDislodged(const CKestraneDoc& doc, const Geography& geography, const std::string& line)
{
    const int power = doc.FindCountry(line);
    if (power < 0)
        return std::nullopt;
    std::string_view rest = std::string_view(line).substr(doc.m_countries[size_t(power)].m_strName.size());
    while (!rest.empty() && IsSpace(rest.front()))
        rest.remove_prefix(1);
    const size_t blank = rest.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const auto place = geography.FindKey(rest.substr(blank + 1));
    if (!place)
        return std::nullopt;
    return Unit{power, EqualNoCase(rest.substr(0, blank), "FLEET") ? UnitType::Fleet : UnitType::Army, *place, true,
                {}};
}

} // namespace

GamePosition PositionAfterLatestSeason(const CKestraneDoc& doc, const Geography& geography)
{
    GamePosition result;
    if (doc.m_seasons.empty()) {
        result.problem = "The game has no season yet: import its first Judge mail.";
        return result;
    }
    const CSeasonHdr& latest = *doc.m_seasons.back();
    const std::string& name = latest.m_strSeason;
    const int year = CSeasonHdr::SeasonYear(name);
    if (name.size() < 6 || (name[0] != 'S' && name[0] != 'F') ||
        std::string_view("MRB").find(name[5]) == std::string_view::npos) {
        result.problem = "The latest season, \"" + name + "\", is not a phase of the game.";
        return result;
    }
    Position position;
    for (const CCountry& country : doc.m_countries)
        position.powers.push_back(TitleCase(country.m_strName));
    if (!ReadUnits(doc, latest, geography, position.units, result.problem))
        return result;
    position.owner = CentreOwners(doc, geography, position);

    Phase& phase = position.phase;
    const char season = name[0];
    auto afterFall = [&] {
        phase = {'F', year, PhaseKind::Adjustment};
        if (!AdjustmentsDue(position, geography))
            phase = {'S', year + 1, PhaseKind::Movement};
    };
    switch (name[5]) {
    case 'M': {
        if (IsStartingPosition(latest.m_orders)) {
            phase = {'S', year + 1, PhaseKind::Movement};
            break;
        }
        std::vector<ResultLine> results;
        for (const std::string& line : latest.m_orders)
            if (const auto read = ReadResultLine(geography, line))
                results.push_back(*read);
        std::vector<bool> occupied(size_t(geography.Count()), false);
        for (const Unit& unit : position.units)
            occupied[size_t(unit.at.province)] = true;
        std::vector<Unit> retreating;
        for (const std::string& line : latest.m_dislodged) {
            std::optional<Unit> unit = ReadDislodged(doc, geography, line);
            if (!unit) {
                result.problem = "The dislodged unit \"" + line + "\" of " + name + " is not on this board.";
                return result;
            }
            unit->retreats = RetreatOptions(geography, unit->type, unit->at, results, occupied);
            // A unit with nowhere to go is destroyed at once.
            if (!unit->retreats.empty())
                retreating.push_back(std::move(*unit));
        }
        if (!retreating.empty()) {
            phase = {season, year, PhaseKind::Retreat};
            position.units.insert(position.units.end(), retreating.begin(), retreating.end());
        } else if (season == 'S') {
            phase = {'F', year, PhaseKind::Movement};
        } else {
            afterFall();
        }
        break;
    }
    case 'R':
        if (season == 'S')
            phase = {'F', year, PhaseKind::Movement};
        else
            afterFall();
        break;
    default:
        phase = {'S', year + 1, PhaseKind::Movement};
        break;
    }
    result.position = std::move(position);
    return result;
}

} // namespace orders
