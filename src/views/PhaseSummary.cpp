#include "views/PhaseSummary.h"

#include "model/CentreHistory.h"
#include "model/KestraneDoc.h"

#include <cctype>

namespace {

std::string Counted(int count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

std::string PowerName(const std::string& name)
{
    // Map definitions may spell the names in capitals; read in a sentence or
    // a legend, each word starts with a capital and goes on in small letters.
    std::string out = name;
    bool start = true;
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            c = char(start ? std::toupper(u) : std::tolower(u));
            start = false;
        } else {
            start = true;
        }
    }
    return out;
}

bool AdjustmentsFollow(const CSeasonHdr& season)
{
    const std::string& name = season.m_strSeason;
    return name.size() == 6 && name[0] == 'F' && (name[5] == 'M' || name[5] == 'R');
}

std::vector<CPowerSummary> SummarisePhase(const CKestraneDoc& doc, const CSeasonHdr& season)
{
    std::vector<CPowerSummary> powers;
    if (!HoldsOwnership(doc, season))
        return powers;
    const bool adjustments = AdjustmentsFollow(season);
    const int countries = CountriesInSeason(doc, season);
    for (int i = 0; i < countries; ++i) {
        CPowerSummary power;
        power.name = doc.m_countries[size_t(i)].m_strName;
        power.centres = CentreCount(doc, season, i);
        power.units = int(season.m_units[size_t(i)].size());
        if (power.centres == 0 && power.units == 0)
            continue; // out of the game
        power.adjustment = adjustments ? power.centres - power.units : 0;
        powers.push_back(std::move(power));
    }
    return powers;
}

std::string PowerSummaryLine(const CPowerSummary& power)
{
    std::string line = PowerName(power.name) + ": " + Counted(power.centres, "supply centre", "supply centres") +
                       ", " + Counted(power.units, "unit", "units");
    if (power.adjustment > 0)
        line += ", builds " + std::to_string(power.adjustment);
    else if (power.adjustment < 0)
        line += ", removes " + std::to_string(-power.adjustment);
    return line;
}

std::vector<std::string> PhaseSummaryLines(const CKestraneDoc& doc, const CSeasonHdr* season)
{
    std::vector<std::string> lines;
    if (!season)
        return lines;
    for (const CPowerSummary& power : SummarisePhase(doc, *season))
        lines.push_back(PowerSummaryLine(power));
    return lines;
}
