#include "judge/OrdersStatusRecord.h"

#include "judge/PhaseDueRecord.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kSubject = "Subject: ";

// Why the reply is not kept as the verdict of the phase due; empty when it is.
std::string NotForPhaseDue(const COrdersStatus& status, const CGameOrdersState& state, const CKestraneDoc& doc)
{
    const std::string phase = status.phase.empty() ? std::string("no phase") : status.phase;
    if (!state.due)
        return "The Judge's reply about " + phase +
               " is not kept with your orders: no phase due is known for the game (import the result mail of its "
               "latest season).";
    if (status.phase != state.due->phase)
        return "The Judge's reply about " + phase + " is not kept with your orders: the game waits for " +
               state.due->phase + ".";
    if (!status.power.empty() && !doc.m_strMyCountry.empty() &&
        !SameNameIgnoringCase(status.power, doc.m_strMyCountry))
        return "The Judge's reply about the orders of " + status.power + " is not kept with your orders: you play " +
               doc.m_strMyCountry + ".";
    return {};
}

} // namespace

std::vector<std::string> VerdictLines(const CReportText& reply)
{
    std::vector<std::string> lines;
    // A subject with a line break in it would come back as two lines.
    if (!reply.subject.empty() && reply.subject.find_first_of("\r\n") == std::string::npos)
        lines.push_back(std::string(kSubject) + reply.subject);
    size_t at = 0;
    while (at < reply.text.size()) {
        const size_t end = std::min(reply.text.find('\n', at), reply.text.size());
        lines.push_back(reply.text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

std::optional<COrdersStatus> ReadVerdictLines(const std::vector<std::string>& lines)
{
    std::string subject, text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 && lines[i].rfind(kSubject, 0) == 0)
            subject = lines[i].substr(kSubject.size());
        else
            text += lines[i] + '\n';
    }
    return ReadOrdersStatus(text, subject);
}

std::string COrdersStatusRecord::Headline() const
{
    return status ? VerdictHeadline(*status, paired ? &*paired : nullptr) : std::string();
}

COrdersStatusRecord RecordOrdersStatus(const std::string& stateFile, const CKestraneDoc& doc,
                                       const std::vector<CReportText>& texts)
{
    COrdersStatusRecord record;
    const CReportText* reply = nullptr;
    for (const CReportText& text : texts)
        if (auto status = ReadOrdersStatus(text.text, text.subject)) {
            if (std::string why = ReplyForAnotherGame(doc, *status); !why.empty()) {
                record.anotherGame = std::move(why);
                continue;
            }
            record.status = std::move(status);
            reply = &text;
        }
    if (record.status)
        record.anotherGame.clear();
    if (!record.status || stateFile.empty() || doc.GetPathName().empty())
        return record;

    CGameOrdersState state = LoadCurrentOrdersState(stateFile, doc, doc.GetPathName(), record.message);
    if (std::string why = NotForPhaseDue(*record.status, state, doc); !why.empty()) {
        record.message += (record.message.empty() ? "" : "\n") + why;
        return record;
    }
    if (!state.sentMail.empty())
        record.paired = PairWithSent(*record.status, state.SentOrders());
    record.kept = true;
    std::vector<std::string> lines = VerdictLines(*reply);
    if (lines == state.verdict)
        return record;
    state.verdict = std::move(lines);
    std::string problem;
    if (!SaveOrdersState(stateFile, state, problem)) {
        record.kept = false;
        record.failed = true;
        record.message += (record.message.empty() ? "" : "\n") + problem;
    }
    return record;
}

std::string OrdersStateFileOfGame(const CKestraneDoc& doc)
{
    const auto* files = dynamic_cast<const IOrdersStateFiles*>(&doc.Services());
    return files && !doc.GetPathName().empty() ? files->OrdersStateFileOf(doc.GetPathName()) : std::string();
}

CImportRecord RecordImport(const std::string& stateFile, const CKestraneDoc& doc,
                           const std::vector<CReportText>& texts, CBatchSummary& summary)
{
    CImportRecord result;
    if (stateFile.empty() || doc.GetPathName().empty())
        return result;
    const auto tell = [&result](const std::string& message) {
        if (!message.empty())
            result.message += (result.message.empty() ? "" : "\n") + message;
    };
    // The phase first: a reply is kept only for the phase due, which the
    // results among the same mails may have just announced.
    const CPhaseDueRecord due = RecordPhaseDue(stateFile, doc, texts);
    tell(due.message);
    result.failed = due.failed;
    if (!summary.judgeAddress.empty()) {
        std::string message;
        CGameOrdersState state = LoadCurrentOrdersState(stateFile, doc, doc.GetPathName(), message);
        tell(message);
        if (state.judgeAddress != summary.judgeAddress) {
            state.judgeAddress = summary.judgeAddress;
            if (!SaveOrdersState(stateFile, state, message)) {
                result.failed = true;
                tell(message);
            }
        }
    }
    const auto reply = std::find_if(summary.reports.rbegin(), summary.reports.rend(),
                                    [](const CReportResult& r) { return !r.ordersStatus.empty(); });
    if (reply == summary.reports.rend())
        return result;
    std::vector<CReportText> replies;
    for (const CReportText& text : texts)
        if (ReadOrdersStatus(text.text, text.subject))
            replies.push_back(text);
    const COrdersStatusRecord verdict = RecordOrdersStatus(stateFile, doc, replies);
    if (verdict.status)
        reply->ordersStatus = verdict.Headline();
    reply->ordersStatusNote = verdict.message;
    result.failed = result.failed || verdict.failed;
    return result;
}
