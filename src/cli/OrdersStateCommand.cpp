#include "cli/OrdersStateCommand.h"

#include "cli/CommandSupport.h"
#include "judge/PhaseDueRecord.h"
#include "model/OrdersStateFile.h"
#include "views/OrdersDueText.h"

#include <ctime>

namespace {

// The player's distance east of UTC at that time, as the C library's zone
// rules give it (daylight saving included).
std::chrono::seconds LocalOffsetAt(std::chrono::sys_seconds time)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    if (!localtime_r(&t, &local))
        return std::chrono::seconds(0);
    return std::chrono::seconds(local.tm_gmtoff);
}

} // namespace

std::string OrdersStateFileOf(const CCliEnvironment& env, const CKestraneDoc& doc)
{
    return env.ordersStateFile && !doc.GetPathName().empty() ? env.ordersStateFile(doc.GetPathName()) : std::string();
}

CGameOrdersState CurrentOrdersState(const CCliEnvironment& env, const CKestraneDoc& doc)
{
    const std::string file = OrdersStateFileOf(env, doc);
    if (file.empty())
        return {};
    std::string message;
    CGameOrdersState state = LoadCurrentOrdersState(file, doc, doc.GetPathName(), message);
    if (!message.empty())
        Complain(env, message);
    return state;
}

bool RecordImportedPhase(const CCliEnvironment& env, const CKestraneDoc& doc, const std::vector<CReportText>& texts)
{
    const std::string file = OrdersStateFileOf(env, doc);
    if (file.empty())
        return true;
    const CPhaseDueRecord record = RecordPhaseDue(file, doc, texts);
    if (!record.message.empty())
        Complain(env, record.message);
    return !record.failed;
}

std::vector<std::string> StoredDrafts(const CCliEnvironment& env, const CKestraneDoc& doc)
{
    return CurrentOrdersState(env, doc).drafts;
}

std::optional<CPhaseDue> StoredPhaseDue(const CCliEnvironment& env, const CKestraneDoc& doc)
{
    return CurrentOrdersState(env, doc).due;
}

std::string DueInWords(const CPhaseDue& due)
{
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    return OrdersDueText(due, now, LocalOffsetAt(due.deadlineTime.value_or(now)));
}

int CommandDue(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    const std::optional<CPhaseDue> due = StoredPhaseDue(env, session.Doc());
    if (!due) {
        Complain(env, "no phase due is known for " + args.positional[0] +
                          ": import the result mail of its latest season");
        return kExitFailed;
    }
    env.out << due->phase << '\t' << (due->deadlineTime ? IsoUtc(*due->deadlineTime) : std::string()) << '\t'
            << DueInWords(*due) << '\n';
    return kExitOk;
}
