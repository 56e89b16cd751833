#include "judge/LineMarks.h"
#include "judge/ReportFile.h"
#include "judge/SectionParserSupport.h"
#include "model/KestraneDoc.h"
#include "model/WordSplitter.h"

#include <array>

using namespace judgeline;

namespace {

// A fleet on a coast is filed under its province with the coast's two letters
// glued on; a removal that names the province alone tries these in turn.
constexpr std::array<std::string_view, 5> kRemovalSuffixes{"", "NC", "SC", "EC", "WC"};

bool IsBuildVerb(const std::string& verb)
{
    return verb == "BUILD" || verb == "BUILDS";
}

bool IsRemovalVerb(const std::string& verb)
{
    return verb == "REMOVE" || verb == "REMOVES" || verb == "REMOVING";
}

} // namespace

void CKestraneDoc::ParseAdjustmentOrders(CReportFile& file, IImportMessages& messages)
{
    // The latest position of the same season and year: its retreat phase if
    // there was one, else its movement phase.
    CSeasonHdr* season = StartFromBaseSeason(*this, "RM", messages);
    if (!season)
        return;

    std::string raw;
    CWordSplitter words;
    while (file.ReadString(raw)) {
        const CMarkedLine line = PrepareLine(raw);
        if (StartsWith(line.working, "The deadline for"))
            return;
        const int country = SeasonCountry(*this, *season, line.working);
        if (country < 0)
            continue;
        season->m_orders.push_back(line.text);

        const std::string upper = UpperAscii(line.working);
        if (Contains(upper, "UNUSABLE") || Contains(upper, "PENDING") || Contains(upper, "WAIVED"))
            continue;

        // country, verb, article, unit, preposition, province:
        // "Austria: Builds an army in Vienna."
        std::string word;
        std::string verb;
        std::string unitWord;
        std::string province;
        words.NextWord(word, ": \t", upper);
        words.NextWord(verb, " \t");
        if (verb == "DEFAULTS,")
            words.NextWord(verb, " \t");
        words.NextWord(word, " \t");
        words.NextWord(unitWord, " \t");
        words.NextWord(word, " :\t,");
        words.NextWord(province, "");
        TrimRight(province);
        if (StartsWith(province, "THE "))
            province.erase(0, 4);

        const std::optional<MapPos> pos = LookupProvince(*this, province, kSourceNotKnown, messages);
        if (!pos)
            continue;

        if (IsBuildVerb(verb)) {
            AddUnit(*this, *season, country, unitWord, province, *pos);
        } else if (IsRemovalVerb(verb)) {
            CUnitList& units = season->m_units[size_t(country)];
            std::optional<CUnitList::iterator> unit;
            for (std::string_view suffix : kRemovalSuffixes) {
                unit = FindUnit(units, province + std::string(suffix));
                if (unit)
                    break;
            }
            if (!unit) {
                // The report removes a unit this game never had: the season
                // chain does not match the Judge's, so nothing more is trusted.
                StopFatally(messages, "Could not find position");
                return;
            }
            units.erase(*unit);
        }
    }
}
