#include "judge/PhaseDueRecord.h"

#include "judge/HeaderLine.h"
#include "judge/NextPhase.h"
#include "judge/ReportSplit.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"

namespace {

// The report is filed under the game's latest season, and the Judge and game
// its header names agree with the game's, as the import requires of a
// report it files.
bool OfLatestSeason(const std::string& report, const CKestraneDoc& doc)
{
    const CHeaderLines header = ReadHeaderLines(report);
    const std::string game = header.First(CHeaderField::Key::Game);
    return header.found && header.FiledSeason() == doc.m_seasons.back()->m_strSeason &&
           header.First(CHeaderField::Key::Judge) == doc.m_strJudge && (game.empty() || game == doc.m_strGame);
}

} // namespace

CPhaseDueRecord RecordPhaseDue(const std::string& stateFile, const CKestraneDoc& doc,
                               const std::vector<CReportText>& importedTexts)
{
    CPhaseDueRecord record;
    if (doc.m_seasons.empty() || stateFile.empty())
        return record;
    const std::string& latest = doc.m_seasons.back()->m_strSeason;
    for (const CReportText& text : importedTexts)
        for (const CReportPiece& piece : SplitReports(text.text, text.subject))
            if (OfLatestSeason(piece.text, doc))
                if (auto due = ReadPhaseDue(piece.text))
                    record.due = std::move(due);
    if (!record.due)
        return record;

    CGameOrdersState state = LoadOrdersState(stateFile, record.message);
    const bool hadDrafts = !state.drafts.empty();
    bool changed = state.SetPhaseDue(latest, *record.due);
    if (state.game != doc.GetPathName()) {
        state.game = doc.GetPathName();
        changed = true;
    }
    record.draftsOutdated = hadDrafts && state.drafts.empty();
    if (!changed && record.message.empty())
        return record;
    std::string problem;
    record.written = SaveOrdersState(stateFile, state, problem);
    record.failed = !record.written;
    if (record.failed)
        record.message += (record.message.empty() ? "" : "\n") + problem;
    return record;
}

CPhaseDueRecord RecordPhaseDue(const std::string& stateFile, const CKestraneDoc& doc, std::string_view importedText)
{
    return RecordPhaseDue(stateFile, doc, std::vector<CReportText>{{std::string(importedText), {}, {}, {}}});
}
