#include "judge/ReportFile.h"
#include "judge/LineMarks.h"
#include "model/KestraneDoc.h"

#include <algorithm>

namespace {

constexpr std::string_view kHeaderSeparators = " :\t,";
constexpr size_t kSeasonNameLength = 6;

// Any season and phase letter is taken (variants have their own), but the
// year must be four digits.
bool IsSeasonName(const std::string& name)
{
    return name.size() == kSeasonNameLength &&
           std::all_of(name.begin() + 1, name.begin() + 5, [](char c) { return c >= '0' && c <= '9'; });
}

// Looks ahead for the game-start sentence and returns the file to where it
// was, so the reading loop still meets the section title.
bool ReportSaysGameStart(CReportFile& file)
{
    const size_t back = file.GetPosition();
    bool found = false;
    std::string line;
    while (!found && file.ReadString(line))
        found = judgeline::Contains(line, "You have been selected");
    file.Seek(back);
    return found;
}

} // namespace

bool CKestraneDoc::ParseHeader(CReportFile& file, std::string& line)
{
    IUserMessages& messages = Services();

    judgeline::MarkLastFullStop(line);
    std::string word;
    bool more = NextWord(word, kHeaderSeparators, line);
    while (more) {
        if (word == "Judge") {
            NextWord(word, kHeaderSeparators);
            if (m_strJudge.empty()) {
                m_strJudge = word;
            } else if (word != m_strJudge) {
                messages.ShowMessage("The data in this import file is from a different Judge.\nRejecting data.",
                                     MessageIcon::Exclamation);
                return false;
            }
        } else if (word == "Game") {
            NextWord(word, kHeaderSeparators);
            if (m_strGame.empty()) {
                m_strGame = word;
            } else if (word != m_strGame) {
                messages.ShowMessage("The data in this import file is from a different Game.\nRejecting data.",
                                     MessageIcon::Exclamation);
                return false;
            }
        } else if (m_strVariant.empty() && word == "Variant") {
            m_strVariant.clear();
            while (NextWord(word, kHeaderSeparators))
                m_strVariant += word + " ";
        }
        more = NextWord(word, kHeaderSeparators);
    }

    file.ReadString(line);
    judgeline::MarkLastFullStop(line);

    auto season = std::make_unique<CSeasonHdr>(std::clamp<int32_t>(m_nCountries, 0, kMaxCountries));
    bool haveDeadline = false;
    more = NextWord(word, kHeaderSeparators, line);
    while (more) {
        if (word == "Deadline") {
            haveDeadline = true;
            NextWord(season->m_strSeason, kHeaderSeparators);
            while (NextWord(word, kHeaderSeparators))
                season->m_strDeadline += word + " ";
        }
        more = NextWord(word, kHeaderSeparators);
    }

    // The letters and the year sit at fixed places of a six-character name
    // with four year digits. Anything else is a damaged line: filed, it would
    // name no phase, and the retreat and adjustment parsers would find no
    // base season for it.
    if (!haveDeadline || !IsSeasonName(season->m_strSeason)) {
        messages.ShowMessage("This report names no valid season on its deadline line,\ndata rejected.",
                             MessageIcon::Exclamation);
        return false;
    }

    if (ReportSaysGameStart(file)) {
        // The game-start report lists the position before the first move:
        // it is filed a year before the season its deadline names.
        const std::string& name = season->m_strSeason;
        season->m_strSeason = name.substr(0, 1) + std::to_string(CSeasonHdr::SeasonYear(name) - 1) + name.substr(5, 1);
    }

    const std::string& name = season->m_strSeason;
    const std::string stem = name.substr(0, std::min<size_t>(5, name.size()));
    const char phase = name.size() > 5 ? name[5] : '\0';
    if (phase == 'R' && !FindSeason(stem + "M")) {
        messages.ShowMessage("Cannot import Retreat " + name + " since no corresponding move data for " + stem +
                                 "M exists,\ndata rejected.",
                             MessageIcon::Exclamation);
        return false;
    }
    if (phase == 'B' && !FindSeason(stem + "R") && !FindSeason(stem + "M")) {
        messages.ShowMessage("Cannot import Build " + name + " since no corresponding move data for " + stem +
                                 "M exists,\ndata rejected.",
                             MessageIcon::Exclamation);
        return false;
    }
    if (FindSeason(name)) {
        messages.ShowMessage("This Season " + name + " has been imported previously,\ndata rejected.",
                             MessageIcon::Exclamation);
        return false;
    }
    return InsertSeason(std::move(season));
}
