#include "judge/OrdersVerdict.h"

#include <algorithm>

namespace {

std::string_view TrimmedRight(std::string_view text)
{
    const size_t end = text.find_last_not_of(" \t");
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string Count(size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

size_t COrdersVerdict::Accepted() const
{
    return size_t(std::count_if(orders.begin(), orders.end(), [](const CSentOrder& o) { return !o.refused; }));
}

size_t COrdersVerdict::Refused() const
{
    return orders.size() - Accepted();
}

std::string COrdersVerdict::Counts() const
{
    return std::to_string(Accepted()) + " accepted, " + std::to_string(Refused()) + " refused";
}

COrdersVerdict PairWithSent(const COrdersStatus& status, const std::vector<std::string>& sentLines)
{
    COrdersVerdict verdict;
    size_t next = 0;
    for (const std::string& line : sentLines) {
        if (TrimmedRight(line).empty())
            continue;
        CSentOrder order{line, false, {}};
        // An echo of no line sent is passed over, not allowed to hold up the rest.
        const auto match = std::find_if(status.refused.begin() + long(next), status.refused.end(),
                                        [&](const COrdersRefusal& r) { return TrimmedRight(r.line) == TrimmedRight(line); });
        if (match != status.refused.end()) {
            const size_t at = size_t(match - status.refused.begin());
            verdict.unmatched.insert(verdict.unmatched.end(), status.refused.begin() + long(next), match);
            order.refused = true;
            order.messages = match->messages;
            next = at + 1;
        }
        verdict.orders.push_back(std::move(order));
    }
    verdict.unmatched.insert(verdict.unmatched.end(), status.refused.begin() + long(next), status.refused.end());
    return verdict;
}

std::string VerdictHeadline(const COrdersStatus& status, const COrdersVerdict* paired)
{
    std::string text = "orders status for " + (status.phase.empty() ? std::string("an unnamed phase") : status.phase) + ": ";
    if (paired)
        return text + paired->Counts();
    text += status.refused.empty() ? std::string("no order refused") : Count(status.refused.size(), "refused", "refused");
    if (!status.noOrders.empty())
        text += ", " + Count(status.noOrders.size(), "unit without orders", "units without orders");
    return text;
}
