#include "judge/LineMarks.h"
#include "judge/ReportFile.h"
#include "judge/SectionParserSupport.h"
#include "model/KestraneDoc.h"
#include "model/WordSplitter.h"

void CKestraneDoc::ParseOwnership(CReportFile& file, IImportMessages& messages)
{
    if (!m_bSupplyCentres)
        return;
    CSeasonHdr* season = GetCurrentSeason();
    if (!season)
        return;

    std::string line;
    CWordSplitter words;
    while (file.ReadString(line)) {
        // The list's closing full stop becomes a blank; a full stop inside
        // an earlier name (St.) stays part of that name.
        judgeline::MarkLastFullStop(line);
        if (judgeline::Contains(line, "Supply center"))
            return;
        // The list of unowned centres and any other text are skipped.
        const int country = judgeline::SeasonCountry(*this, *season, line);
        if (country < 0)
            continue;

        std::string word;
        words.NextWord(word, ":", judgeline::UpperAscii(line));
        while (words.NextWord(word, ",")) {
            judgeline::Trim(word);
            if (const std::optional<MapPos> pos = LookupPosition(m_supplyCentres, word))
                season->m_centres[size_t(country)].push_back(*pos);
            else
                messages.ShowMessage(judgeline::NotRecognisedText(judgeline::kProvinceNotKnown, word),
                                     MessageIcon::Information);
        }
    }
}
