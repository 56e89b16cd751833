#include "judge/ReportFile.h"
#include "judge/LineMarks.h"
#include "judge/SectionTitles.h"
#include "model/KestraneDoc.h"
#include "model/SeasonWords.h"

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

// What a mail without results was about, in words: the Judge, the game and
// the season its header names, as far as it names them.
std::string NoResultsText(const std::string& judge, const std::string& game, const std::string& season)
{
    std::string text = "This mail from Judge " + (judge.empty() ? std::string("(unnamed)") : judge);
    if (!game.empty())
        text += " about game " + game;
    if (!season.empty())
        text += ", " + season + " (" + SeasonInWords(season) + "),";
    return text + " holds no results to import: it is an orders status, a reply or a notice.\nNothing was imported.";
}

} // namespace

bool CKestraneDoc::ParseHeader(CReportFile& file, std::string& line)
{
    return ParseHeaderChecked(file, line) == ReportOutcome::Filed;
}

ReportOutcome CKestraneDoc::ParseHeaderChecked(CReportFile& file, std::string& line)
{
    IUserMessages& messages = Services();
    // A mail without results leaves the game as it was, its Judge and game
    // names included.
    const std::string judgeBefore = m_strJudge;
    const std::string gameBefore = m_strGame;
    const std::string variantBefore = m_strVariant;
    std::string mailJudge;
    std::string mailGame;

    judgeline::MarkLastFullStop(line);
    std::string word;
    bool more = NextWord(word, kHeaderSeparators, line);
    while (more) {
        if (word == "Judge") {
            NextWord(word, kHeaderSeparators);
            mailJudge = word;
            if (m_strJudge.empty()) {
                m_strJudge = word;
            } else if (word != m_strJudge) {
                messages.ShowMessage("The data in this import file is from a different Judge.\nRejecting data.",
                                     MessageIcon::Exclamation);
                return ReportOutcome::AnotherGame;
            }
        } else if (word == "Game") {
            NextWord(word, kHeaderSeparators);
            mailGame = word;
            if (m_strGame.empty()) {
                m_strGame = word;
            } else if (word != m_strGame) {
                messages.ShowMessage("The data in this import file is from a different Game.\nRejecting data.",
                                     MessageIcon::Exclamation);
                return ReportOutcome::AnotherGame;
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

    if (!ReportHoldsResults(file, line)) {
        m_strJudge = judgeBefore;
        m_strGame = gameBefore;
        m_strVariant = variantBefore;
        messages.ShowMessage(NoResultsText(mailJudge, mailGame, IsSeasonName(season->m_strSeason) ? season->m_strSeason : ""),
                             MessageIcon::Information);
        return ReportOutcome::NoResults;
    }

    // The letters and the year sit at fixed places of a six-character name
    // with four year digits. Anything else is a damaged line: filed, it would
    // name no phase, and the retreat and adjustment parsers would find no
    // base season for it.
    if (!haveDeadline || !IsSeasonName(season->m_strSeason)) {
        messages.ShowMessage("This report names no valid season on its deadline line,\ndata rejected.",
                             MessageIcon::Exclamation);
        return ReportOutcome::Rejected;
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
        return ReportOutcome::Rejected;
    }
    if (phase == 'B' && !FindSeason(stem + "R") && !FindSeason(stem + "M")) {
        messages.ShowMessage("Cannot import Build " + name + " since no corresponding move data for " + stem +
                                 "M exists,\ndata rejected.",
                             MessageIcon::Exclamation);
        return ReportOutcome::Rejected;
    }
    if (FindSeason(name)) {
        messages.ShowMessage("This Season " + name + " has been imported previously,\ndata rejected.",
                             MessageIcon::Exclamation);
        return ReportOutcome::AlreadyImported;
    }
    InsertSeason(std::move(season));
    return ReportOutcome::Filed;
}
