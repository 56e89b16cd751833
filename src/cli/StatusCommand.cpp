#include "cli/StatusCommand.h"

#include "cli/CommandSupport.h"
#include "cli/OrdersStateCommand.h"
#include "judge/OrdersStatusRecord.h"
#include "mailbox/MailSources.h"
#include "model/SeasonWords.h"

#include <algorithm>
#include <ostream>

namespace {

// Labels in a column, so the orders line up below each other.
void Row(std::ostream& out, const char* label, const std::string& text)
{
    std::string column = label;
    column.resize(10, ' ');
    out << column << text << '\n';
}

void Messages(std::ostream& out, const std::vector<std::string>& messages)
{
    for (const std::string& message : messages)
        Row(out, "", message);
}

} // namespace

void PrintVerdict(std::ostream& out, const COrdersStatus& status, const COrdersVerdict* sent)
{
    out << (status.game.empty() ? std::string("Game") : status.game) << ", "
        << (status.phase.empty() ? std::string("no phase named") : status.phase + " (" + SeasonInWords(status.phase) + ")")
        << ": orders status" << (status.power.empty() ? "" : " for " + status.power)
        << (status.judge.empty() ? "" : " from Judge " + status.judge) << '\n';
    if (sent) {
        for (const CSentOrder& order : sent->orders) {
            Row(out, order.refused ? "refused" : "accepted", order.line);
            Messages(out, order.messages);
        }
    }
    for (const COrdersRefusal& refusal : sent ? sent->unmatched : status.refused) {
        Row(out, "refused", refusal.line);
        Messages(out, refusal.messages);
    }
    for (const std::string& line : status.listing) {
        const std::string text = StatusLineText(line);
        const bool open = std::find(status.pending.begin(), status.pending.end(), text) != status.pending.end();
        if (text.find(", No Order Processed") == std::string::npos)
            Row(out, open ? "pending" : sent ? "in force" : "accepted", text);
    }
    for (const std::string& unit : status.noOrders)
        Row(out, "no order", unit);
    if (status.nothingDue)
        out << "Nothing is due from this power in this phase.\n";
    out << VerdictHeadline(status, sent) << (status.errorFlag ? "; error flag set" : "") << '\n';
}

int CommandStatus(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!session.Open(Absolute(args.positional[0])))
        return kExitFailed;
    const std::string& operand = args.positional[1];
    std::vector<std::string> problems;
    const std::vector<CReportText> texts = operand == "-" ? ReadMailBytes(ReadAll(env.in), "standard input", problems)
                                                          : ReadMailSources({Absolute(operand)}, problems);
    for (const std::string& problem : problems)
        Complain(env, problem);
    if (texts.empty())
        return kExitFailed;

    const COrdersStatusRecord record = RecordOrdersStatus(OrdersStateFileOf(env, session.Doc()), session.Doc(), texts);
    if (!record.status) {
        Complain(env, !record.anotherGame.empty()
                          ? record.anotherGame
                          : operand + " holds no reply of the Judge to an orders mail (no orders status in it).");
        return kExitFailed;
    }
    if (!record.message.empty())
        Complain(env, record.message);
    PrintVerdict(env.out, *record.status, record.paired ? &*record.paired : nullptr);
    env.out.flush();
    return record.status->refused.empty() ? kExitOk : kExitFailed;
}
