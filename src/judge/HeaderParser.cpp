#include "judge/HeaderLine.h"
#include "judge/LineMarks.h"
#include "judge/ReportFile.h"
#include "judge/ReportOutcome.h"
#include "judge/SectionTitles.h"
#include "model/KestraneDoc.h"
#include "model/SeasonWords.h"

#include <algorithm>

namespace {

constexpr const char* kDifferentJudge = "The data in this import file is from a different Judge.\nRejecting data.";
constexpr const char* kDifferentGame = "The data in this import file is from a different Game.\nRejecting data.";

// Looks ahead for the game-start sentence and returns the file to where it
// was, so the reading loop still meets the section title.
bool ReportSaysGameStart(CReportFile& file)
{
    const size_t back = file.GetPosition();
    bool found = false;
    std::string line;
    while (!found && file.ReadString(line))
        found = IsGameStartLine(line);
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

bool CKestraneDoc::ParseHeader(CReportFile& file, std::string& line, IImportMessages& messages)
{
    return ParseHeaderChecked(file, line, messages) == ReportOutcome::Filed;
}

ReportOutcome CKestraneDoc::ParseHeaderChecked(CReportFile& file, std::string& line, IImportMessages& messages)
{
    // A report that is not filed leaves the game as it was, its Judge, game
    // and variant included: the next report is read against the game, not
    // against the one refused.
    const std::string judgeBefore = m_strJudge;
    const std::string gameBefore = m_strGame;
    const std::string variantBefore = m_strVariant;
    const auto refuse = [&](ReportOutcome outcome) {
        m_strJudge = judgeBefore;
        m_strGame = gameBefore;
        m_strVariant = variantBefore;
        return outcome;
    };
    std::string mailJudge;
    std::string mailGame;

    // The keywords are taken in the order the line holds them: the first
    // name that differs from the game's rejects the report.
    for (const CHeaderField& field : ReadHeaderFields(line)) {
        if (field.key == CHeaderField::Key::Variant) {
            if (!m_strVariant.empty())
                continue;
            // The variant takes the rest of the line: no keyword follows it.
            for (const std::string& word : field.rest)
                m_strVariant += word + " ";
            break;
        }
        const bool judge = field.key == CHeaderField::Key::Judge;
        (judge ? mailJudge : mailGame) = field.value;
        std::string& stored = judge ? m_strJudge : m_strGame;
        if (stored.empty()) {
            stored = field.value;
        } else if (field.value != stored) {
            messages.ShowMessage(judge ? kDifferentJudge : kDifferentGame, MessageIcon::Exclamation);
            return refuse(ReportOutcome::AnotherGame);
        }
    }

    file.ReadString(line);
    auto season = std::make_unique<CSeasonHdr>(std::clamp<int32_t>(m_nCountries, 0, kMaxCountries));
    const CDeadlineLine deadline = ReadDeadlineLine(line);
    judgeline::MarkLastFullStop(line);
    const bool haveDeadline = deadline.found;
    season->m_strSeason = deadline.season;
    season->m_strDeadline = deadline.deadline;

    if (!ReportHoldsResults(file, line)) {
        messages.ShowMessage(NoResultsText(mailJudge, mailGame, IsSeasonName(season->m_strSeason) ? season->m_strSeason : ""),
                             MessageIcon::Information);
        return refuse(ReportOutcome::NoResults);
    }

    // The letters and the year sit at fixed places of a six-character name
    // with four year digits. Anything else is a damaged line: filed, it would
    // name no phase, and the retreat and adjustment parsers would find no
    // base season for it.
    if (!haveDeadline || !IsSeasonName(season->m_strSeason)) {
        messages.ShowMessage("This report names no valid season on its deadline line,\ndata rejected.",
                             MessageIcon::Exclamation);
        return refuse(ReportOutcome::Rejected);
    }

    if (ReportSaysGameStart(file)) {
        // The game-start report lists the position before the first move:
        // it is filed a year before the season its deadline names.
        season->m_strSeason = GameStartSeasonName(season->m_strSeason);
    }

    const std::string& name = season->m_strSeason;
    const std::string stem = name.substr(0, std::min<size_t>(5, name.size()));
    const char phase = name.size() > 5 ? name[5] : '\0';
    if (phase == 'R' && !FindSeason(stem + "M")) {
        messages.ShowMessage("Cannot import Retreat " + name + " since no corresponding move data for " + stem +
                                 "M exists,\ndata rejected.",
                             MessageIcon::Exclamation);
        return refuse(ReportOutcome::Rejected);
    }
    if (phase == 'B' && !FindSeason(stem + "R") && !FindSeason(stem + "M")) {
        messages.ShowMessage("Cannot import Build " + name + " since no corresponding move data for " + stem +
                                 "M exists,\ndata rejected.",
                             MessageIcon::Exclamation);
        return refuse(ReportOutcome::Rejected);
    }
    if (FindSeason(name)) {
        messages.ShowMessage("This Season " + name + " has been imported previously,\ndata rejected.",
                             MessageIcon::Exclamation);
        return refuse(ReportOutcome::AlreadyImported);
    }
    InsertSeason(std::move(season));
    return ReportOutcome::Filed;
}
