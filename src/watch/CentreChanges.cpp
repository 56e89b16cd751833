#include "watch/CentreChanges.h"

#include "model/CentreHistory.h"
#include "model/KestraneDoc.h"
#include "views/PhaseSummary.h"
#include "watch/PhaseWords.h"

#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace {

using Place = std::pair<int32_t, int32_t>;

// "ST PETERSBURG" as people write it: "St Petersburg".
std::string PlaceInWords(const std::string& key)
{
    std::string words;
    bool wordStart = true;
    for (const char c : key) {
        const unsigned char u = static_cast<unsigned char>(c);
        words += wordStart ? char(std::toupper(u)) : char(std::tolower(u));
        wordStart = c == ' ' || c == '-';
    }
    return words;
}

// The name of each centre position. A map may give one centre several
// names (RUMANIA and ROMANIA); the one the Judge writes in the game's units
// wins, else the shortest, else the first in alphabetical order.
std::map<Place, std::string> CentreNames(const CKestraneDoc& doc)
{
    std::map<std::string, int> used;
    for (const auto& season : doc.m_seasons)
        for (const CUnitList& units : season->m_units)
            for (const CSeasonData& unit : units)
                ++used[unit.m_strProvince];
    std::map<Place, std::string> names;
    doc.m_supplyCentres.ForEach([&](const CPositionMap::Entry& entry) {
        std::string& name = names[{entry.value.x, entry.value.y}];
        const auto better = [&](const std::string& a, const std::string& b) {
            const int usedA = used.count(a) ? used.at(a) : 0;
            const int usedB = used.count(b) ? used.at(b) : 0;
            if (usedA != usedB)
                return usedA > usedB;
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        };
        if (name.empty() || better(entry.key, name))
            name = entry.key;
    });
    return names;
}

// The centre of a unit's province; a coast ("ST PETERSBURGSC") is the
// province's.
std::optional<MapPos> CentreOfUnit(const CKestraneDoc& doc, const std::string& province)
{
    if (const auto pos = CKestraneDoc::LookupPosition(doc.m_supplyCentres, province))
        return pos;
    if (province.size() > 2)
        return CKestraneDoc::LookupPosition(doc.m_supplyCentres, province.substr(0, province.size() - 2));
    return std::nullopt;
}

// The centres country owns in season; before any season holds ownership
// (season null), the home centres: those its units stand on at the start.
std::vector<Place> Owned(const CKestraneDoc& doc, const CSeasonHdr* season, int country)
{
    std::vector<Place> places;
    std::set<Place> seen;
    const auto add = [&](const MapPos& p) {
        if (seen.insert({p.x, p.y}).second)
            places.push_back({p.x, p.y});
    };
    if (season) {
        if (country < CountriesInSeason(doc, *season))
            for (const MapPos& p : season->m_centres[size_t(country)])
                add(p);
        return places;
    }
    if (doc.m_seasons.empty() || country >= CountriesInSeason(doc, *doc.m_seasons.front()))
        return places;
    for (const CSeasonData& unit : doc.m_seasons.front()->m_units[size_t(country)])
        if (const auto pos = CentreOfUnit(doc, unit.m_strProvince))
            add(*pos);
    return places;
}

} // namespace

const CSeasonHdr* OwnershipInForce(const CKestraneDoc& doc, const CSeasonHdr& season)
{
    // The seasons are kept in game order.
    const CSeasonHdr* found = nullptr;
    for (const auto& s : doc.m_seasons) {
        if (HoldsOwnership(doc, *s))
            found = s.get();
        if (s.get() == &season)
            return found;
    }
    return nullptr;
}

std::vector<CCentreChange> CentreChanges(const CKestraneDoc& doc, const CSeasonHdr* before, const CSeasonHdr& after)
{
    const std::map<Place, std::string> names = CentreNames(doc);
    const auto name = [&](const Place& place) {
        const auto it = names.find(place);
        return it == names.end() ? std::string("a centre") : PlaceInWords(it->second);
    };
    std::vector<CCentreChange> changes;
    for (int i = 0; i < CountriesInSeason(doc, after); ++i) {
        CCentreChange change;
        change.country = i;
        change.name = PowerName(doc.m_countries[size_t(i)].m_strName);
        const std::vector<Place> was = Owned(doc, before, i);
        const std::vector<Place> is = Owned(doc, &after, i);
        const std::set<Place> wasSet(was.begin(), was.end());
        const std::set<Place> isSet(is.begin(), is.end());
        for (const Place& p : is)
            if (!wasSet.count(p))
                change.gained.push_back(name(p));
        for (const Place& p : was)
            if (!isSet.count(p))
                change.lost.push_back(name(p));
        change.owned = int(is.size());
        changes.push_back(std::move(change));
    }
    return changes;
}

std::string ChangeInWords(const CCentreChange& change)
{
    if (change.Size() == 0)
        return change.name + " keeps its " + std::to_string(change.owned) +
               (change.owned == 1 ? " centre" : " centres");
    std::string words = change.name;
    if (!change.gained.empty())
        words += " gains " + JoinedInWords(change.gained);
    if (!change.gained.empty() && !change.lost.empty())
        words += ",";
    if (!change.lost.empty())
        words += " loses " + JoinedInWords(change.lost);
    return words;
}
