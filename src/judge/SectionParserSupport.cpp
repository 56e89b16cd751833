#include "judge/SectionParserSupport.h"

#include "judge/LineMarks.h"
#include "model/WordSplitter.h"

#include <algorithm>

namespace judgeline {

int SeasonCountry(const CKestraneDoc& doc, const CSeasonHdr& season, std::string_view line)
{
    const int country = doc.FindCountry(line);
    // A season loaded from a file may keep fewer lists than the document has
    // countries; an index past them would reach lists that are never saved.
    if (country < 0 || country >= std::min(season.m_nCountries, kMaxCountries))
        return -1;
    return country;
}

CUnitWords TakeCountryAndUnit(CWordSplitter& words, std::string_view line)
{
    CUnitWords unit;
    words.NextWord(unit.country, ":", line);
    words.NextWord(unit.unit, " \t");
    Trim(unit.country);
    Trim(unit.unit);
    return unit;
}

std::optional<MapPos> LookupProvince(const CKestraneDoc& doc, const std::string& key, std::string_view prefix,
                                     IUserMessages& messages)
{
    std::optional<MapPos> pos = CKestraneDoc::LookupPosition(doc.m_provinces, key);
    if (!pos)
        messages.ShowMessage(NotRecognisedText(prefix, key), MessageIcon::Information);
    return pos;
}

void AddUnit(const CKestraneDoc& doc, CSeasonHdr& season, int country, const std::string& unitWord,
             const std::string& key, MapPos pos)
{
    const int32_t type = unitWord == doc.m_strFleet ? CSeasonData::kFleet : CSeasonData::kArmy;
    season.m_units[size_t(country)].emplace_back(type, pos, key);
}

void CopyUnits(const CKestraneDoc& doc, const CSeasonHdr& base, CSeasonHdr& season)
{
    const int countries = std::min({doc.m_nCountries, season.m_nCountries, kMaxCountries});
    for (int i = 0; i < countries; ++i) {
        const CUnitList& from = base.m_units[size_t(i)];
        CUnitList& into = season.m_units[size_t(i)];
        // Counted first, so appending to the same list cannot extend the walk.
        size_t count = from.size();
        for (auto it = from.begin(); count > 0; ++it, --count) {
            CSeasonData unit;
            unit.CopyFrom(*it);
            into.push_back(std::move(unit));
        }
    }
}

CSeasonHdr* FindBaseSeason(const CKestraneDoc& doc, const CSeasonHdr& season, std::string_view phases)
{
    const std::string stem = season.m_strSeason.substr(0, std::min<size_t>(5, season.m_strSeason.size()));
    for (char phase : phases)
        if (CSeasonHdr* base = doc.FindSeason(stem + phase))
            return base;
    return nullptr;
}

void StopFatally(IImportMessages& messages, std::string_view text)
{
    messages.ShowMessage(text, MessageIcon::Exclamation);
    messages.CloseMainWindow();
}

CSeasonHdr* StartFromBaseSeason(CKestraneDoc& doc, std::string_view phases, IImportMessages& messages)
{
    CSeasonHdr* season = doc.GetCurrentSeason();
    const CSeasonHdr* base = season ? FindBaseSeason(doc, *season, phases) : nullptr;
    if (!base) {
        StopFatally(messages, kInvalidDatabase);
        return nullptr;
    }
    CopyUnits(doc, *base, *season);
    return season;
}

} // namespace judgeline
