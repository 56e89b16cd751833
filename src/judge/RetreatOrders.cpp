#include "judge/LineMarks.h"
#include "judge/ReportFile.h"
#include "judge/SectionParserSupport.h"
#include "model/KestraneDoc.h"
#include "model/WordSplitter.h"

using namespace judgeline;

void CKestraneDoc::ParseRetreatOrders(CReportFile& file, IImportMessages& messages)
{
    // A retreat starts from the movement phase of the same season and year;
    // the header check lets no retreat in without it, so its absence means
    // the season list itself is damaged.
    CSeasonHdr* season = StartFromBaseSeason(*this, "M", messages);
    if (!season)
        return;

    std::string raw;
    CWordSplitter words;
    while (file.ReadString(raw)) {
        const CMarkedLine line = PrepareLine(raw);
        if (StartsWith(line.working, "The deadline for"))
            return;
        if (Contains(line.working, "Ownership")) {
            ParseOwnership(file, messages);
            return;
        }
        // A unit destroyed by a bounced retreat: listed, never placed, even
        // when the Judge put the note on a line of its own.
        if (Contains(line.working, "*bounce, destroyed*")) {
            season->m_orders.push_back(line.text);
            continue;
        }

        const int country = SeasonCountry(*this, *season, line.working);
        if (country < 0)
            continue;
        season->m_orders.push_back(line.text);

        const std::string upper = UpperAscii(line.working);
        const CUnitWords unit = TakeCountryAndUnit(words, upper);
        std::string source;
        words.NextWord(source, ">");
        DropLastChar(source); // the '-' of "->"
        Trim(source);
        if (Contains(source, "DISBAND"))
            continue;
        if (!LookupProvince(*this, source, kSourceNotKnown, messages))
            continue;

        std::string destination;
        words.NextWord(destination, "");
        Trim(destination);
        const std::optional<MapPos> pos = LookupProvince(*this, destination, kDestinationNotKnown, messages);
        if (!pos)
            continue;
        AddUnit(*this, *season, country, unit.unit, destination, *pos);
    }
}
