#include "orders/DraftLines.h"

#include <algorithm>

namespace orders {

size_t RemoveDraftsAt(std::vector<std::string>& drafts, const OrderChecker& checker, int province)
{
    const auto dead = [&](const std::string& line) {
        const std::vector<Order> orders = checker.CheckLine(line).OrdersInForce();
        return !orders.empty() && std::all_of(orders.begin(), orders.end(), [&](const Order& order) {
            return order.kind != OrderKind::Waive && order.at.province == province;
        });
    };
    const size_t before = drafts.size();
    drafts.erase(std::remove_if(drafts.begin(), drafts.end(), dead), drafts.end());
    return before - drafts.size();
}

std::string PutDraft(std::vector<std::string>& drafts, const OrderChecker& checker, const Order& order)
{
    if (order.kind != OrderKind::Waive)
        RemoveDraftsAt(drafts, checker, order.at.province);
    drafts.push_back(WriteOrder(order, checker.GetGeography()));
    return drafts.back();
}

} // namespace orders
