#include "judge/ReportSplit.h"

#include "judge/HeaderLine.h"
#include "judge/HistoryReply.h"
#include "judge/LineMarks.h"

std::vector<std::string> SplitJudgeMails(const std::string& text)
{
    std::vector<size_t> starts;
    for (size_t pos = 0; pos < text.size();) {
        const judgeline::CTextLine line = judgeline::LineAt(text, pos);
        if (IsJudgeHeaderLine(line.text))
            starts.push_back(pos);
        pos = line.next;
    }
    // The first piece reaches back to the start of the text, so a preamble
    // (a mailbox "From " line, mail headers) travels with the first report.
    if (starts.empty())
        starts.push_back(0);
    starts.front() = 0;

    std::vector<std::string> pieces;
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t end = i + 1 < starts.size() ? starts[i + 1] : text.size();
        pieces.push_back(text.substr(starts[i], end - starts[i]));
    }
    return pieces;
}

std::vector<CReportPiece> SplitReports(const std::string& text, const std::string& subject)
{
    std::vector<CReportPiece> pieces;
    for (std::string& piece : SplitJudgeMails(text)) {
        if (IsHistoryReply(piece)) {
            for (CReportPiece& entry : SplitHistoryReply(piece))
                pieces.push_back(std::move(entry));
        } else {
            pieces.push_back({std::move(piece), subject});
        }
    }
    return pieces;
}
