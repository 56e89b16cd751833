#include "judge/PhaseDueRecord.h"

#include "judge/NextPhase.h"
#include "judge/ReportSplit.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"

#include <algorithm>

namespace {

// The Judge and game a report's header names agree with the game's, as the
// import requires of a report it files.
bool OfThisGame(const std::string& report, const CKestraneDoc& doc)
{
    size_t at = 0;
    while (at < report.size()) {
        const size_t end = std::min(report.find('\n', at), report.size());
        const std::string_view line = std::string_view(report).substr(at, end - at);
        at = end + 1;
        if (!IsJudgeHeaderLine(line))
            continue;
        const std::vector<std::string> words = HeaderWords(line);
        for (size_t i = 0; i + 1 < words.size(); ++i) {
            if (words[i] == "Judge" && words[i + 1] != doc.m_strJudge)
                return false;
            if (words[i] == "Game" && words[i + 1] != doc.m_strGame)
                return false;
        }
        return true;
    }
    return false;
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
            if (FiledSeasonName(piece.text) == latest && OfThisGame(piece.text, doc))
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
    record.draftsDropped = hadDrafts && state.drafts.empty();
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
