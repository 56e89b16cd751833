#include "orders/SendCheck.h"

namespace orders {

std::vector<std::string> SendCheck::Problems() const
{
    std::vector<std::string> problems = refused;
    problems.insert(problems.end(), notes.begin(), notes.end());
    return problems;
}

SendCheck CheckOrdersToSend(const OrderChecker& checker, const std::vector<std::string>& lines)
{
    const SetVerdict verdict = checker.CheckSet(lines);
    SendCheck check;
    check.phase = checker.GetPosition().phase.Name();
    for (size_t i = 0; i < lines.size() && i < verdict.lines.size(); ++i)
        if (const Finding* fault = verdict.lines[i].FirstFault())
            check.refused.push_back(lines[i] + ": " + fault->reason);
    check.incomplete = verdict.Incomplete();
    check.notes = verdict.notes;
    return check;
}

} // namespace orders
