#include "judge/LineMarks.h"
#include "judge/ReportFile.h"
#include "judge/SectionParserSupport.h"
#include "model/KestraneDoc.h"

void CKestraneDoc::ParseStartingPosition(CReportFile& file)
{
    CSeasonHdr* season = GetCurrentSeason();
    if (!season)
        return;

    std::string raw;
    while (file.ReadString(raw)) {
        const judgeline::CMarkedLine line = judgeline::PrepareLine(raw);
        if (judgeline::StartsWith(line.working, "The deadline for"))
            return;
        // Blank lines, the power's headings and any other text are skipped.
        const int country = judgeline::SeasonCountry(*this, *season, line.working);
        if (country < 0)
            continue;
        season->m_orders.push_back(line.text);

        std::string countryWord;
        std::string unitWord;
        std::string province;
        NextWord(countryWord, ":", judgeline::UpperAscii(line.working));
        NextWord(unitWord, " \t");
        NextWord(province, "");
        judgeline::Trim(countryWord);
        judgeline::Trim(unitWord);
        judgeline::Trim(province);

        // An unknown province keeps the line in the order text but adds no unit.
        if (const std::optional<MapPos> pos = judgeline::LookupProvince(*this, province, judgeline::kProvinceNotKnown))
            judgeline::AddUnit(*this, *season, country, unitWord, province, *pos);
    }
}
