#include "judge/LineMarks.h"
#include "judge/ReportFile.h"
#include "judge/SectionParserSupport.h"
#include "model/KestraneDoc.h"
#include "model/WordSplitter.h"

void CKestraneDoc::ParseStartingPosition(CReportFile& file, IImportMessages& messages)
{
    CSeasonHdr* season = GetCurrentSeason();
    if (!season)
        return;

    std::string raw;
    CWordSplitter words;
    while (file.ReadString(raw)) {
        const judgeline::CMarkedLine line = judgeline::PrepareLine(raw);
        if (judgeline::StartsWith(line.working, "The deadline for"))
            return;
        // Blank lines, the power's headings and any other text are skipped.
        const int country = judgeline::SeasonCountry(*this, *season, line.working);
        if (country < 0)
            continue;
        season->m_orders.push_back(line.text);

        const judgeline::CUnitWords unit = judgeline::TakeCountryAndUnit(words, judgeline::UpperAscii(line.working));
        std::string province;
        words.NextWord(province, "");
        judgeline::Trim(province);

        // An unknown province keeps the line in the order text but adds no unit.
        if (const std::optional<MapPos> pos = judgeline::LookupProvince(*this, province, judgeline::kProvinceNotKnown, messages))
            judgeline::AddUnit(*this, *season, country, unit.unit, province, *pos);
    }
}
