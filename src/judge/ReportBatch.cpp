#include "judge/ReportBatch.h"

#include "judge/OrdersVerdict.h"
#include "judge/ReportImportText.h"
#include "judge/ReportOrder.h"
#include "judge/ReportSplit.h"
#include "model/KestraneDoc.h"

#include <utility>

namespace {

// One report's messages, kept as values in its result instead of shown.
class CReportMessages : public IImportMessages {
public:
    explicit CReportMessages(CReportResult& result) : m_result(result) {}

    void ShowMessage(std::string_view text, MessageIcon icon) override
    {
        m_result.messages.emplace_back(text);
        m_result.icons.push_back(icon);
    }
    // The batch stops after this report; the window is asked to close once
    // the batch has ended and the game is no longer being filled.
    void CloseMainWindow() override { m_result.outcome = ReportOutcome::Fatal; }

private:
    CReportResult& m_result;
};

struct CBatchPiece {
    CReportPiece piece;
    std::string origin;
    std::string from;
};

std::vector<CBatchPiece> PiecesInGameOrder(const std::vector<CReportText>& texts)
{
    std::vector<CBatchPiece> pieces;
    for (const CReportText& text : texts) {
        std::vector<CReportPiece> split = SplitReports(text.text, text.subject);
        for (size_t i = 0; i < split.size(); ++i) {
            std::string origin = text.origin;
            if (split.size() > 1)
                origin += ", report " + std::to_string(i + 1) + " of " + std::to_string(split.size());
            pieces.push_back({std::move(split[i]), std::move(origin), text.from});
        }
    }
    SortInGameOrder(pieces, [](const CBatchPiece& piece) -> const std::string& { return piece.piece.text; });
    return pieces;
}

} // namespace

int CBatchSummary::SeasonsFiled() const
{
    size_t filed = 0;
    for (const CReportResult& report : reports)
        filed += report.seasons.size();
    return int(filed);
}

CBatchSummary ImportReportBatch(CKestraneDoc& doc, const std::vector<CReportText>& texts,
                                const std::function<bool(size_t, size_t)>& progress)
{
    CBatchSummary summary;
    const std::vector<CBatchPiece> pieces = PiecesInGameOrder(texts);
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (progress && !progress(i, pieces.size())) {
            summary.cancelled = true;
            break;
        }
        const CBatchPiece& piece = pieces[i];
        CReportResult result;
        result.origin = piece.origin;
        result.subject = piece.piece.subject;
        const size_t seasonsBefore = doc.m_seasons.size();
        CReportMessages messages(result);
        const ReportOutcome outcome = ImportReportText(doc, piece.piece.text, false, messages);
        if (result.outcome != ReportOutcome::Fatal)
            result.outcome = outcome;
        if (doc.m_seasons.size() > seasonsBefore && doc.GetCurrentSeason())
            result.seasons.push_back(doc.GetCurrentSeason()->m_strSeason);
        if (result.outcome == ReportOutcome::NotJudgeMail)
            messages.ShowMessage(NotJudgeMailText(piece.origin), MessageIcon::None);
        if (result.outcome == ReportOutcome::NoResults)
            if (const auto status = ReadOrdersStatus(piece.piece.text, piece.piece.subject);
                status && ReplyForAnotherGame(doc, *status).empty()) {
                // The summary gives its verdict rather than "no results".
                result.ordersStatus = VerdictHeadline(*status);
            }
        const bool ofThisJudge = result.outcome == ReportOutcome::Filed ||
                                 result.outcome == ReportOutcome::AlreadyImported || !result.ordersStatus.empty();
        if (ofThisJudge && !piece.from.empty())
            summary.judgeAddress = piece.from;
        summary.reports.push_back(std::move(result));
        if (summary.reports.back().outcome == ReportOutcome::Fatal)
            break;
    }
    if (progress && !summary.cancelled)
        progress(summary.reports.size(), pieces.size());
    if (!summary.reports.empty() && summary.reports.back().outcome == ReportOutcome::Fatal)
        doc.Services().CloseMainWindow();
    return summary;
}
