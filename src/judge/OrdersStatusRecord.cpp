#include "judge/OrdersStatusRecord.h"

#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kSubject = "Subject: ";

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

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
    if (!status.power.empty() && !doc.m_strMyCountry.empty() && !SameName(status.power, doc.m_strMyCountry))
        return "The Judge's reply about the orders of " + status.power + " is not kept with your orders: you play " +
               doc.m_strMyCountry + ".";
    return {};
}

} // namespace

std::string ReplyForAnotherGame(const CKestraneDoc& doc, const COrdersStatus& status)
{
    if (!doc.m_strJudge.empty() && !status.judge.empty() && !SameName(doc.m_strJudge, status.judge))
        return "This reply comes from Judge " + status.judge + ", not from " + doc.m_strJudge + ", the Judge of this game.";
    if (!doc.m_strGame.empty() && !SameName(doc.m_strGame, status.game))
        return "This reply is about game " + (status.game.empty() ? std::string("(unnamed)") : status.game) +
               ", not " + doc.m_strGame + ".";
    return {};
}

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
