#include "judge/OrderKind.h"

#include "judge/LineMarks.h"

namespace judgeline {

OrderKind Classify(std::string_view upper)
{
    if (Contains(upper, "SUPPORT"))
        return OrderKind::Support;
    if (Contains(upper, "CONVOY"))
        return Contains(upper, "NO CONVOY") ? OrderKind::Move : OrderKind::Convoy;
    if (Contains(upper, "HOLD"))
        return OrderKind::Hold;
    if (Contains(upper, "PROXY"))
        return OrderKind::Proxy;
    if (Contains(upper, "NO ORDER PROCESSED"))
        return OrderKind::Unordered;
    return OrderKind::Move;
}

std::string_view CutKeyword(OrderKind kind)
{
    switch (kind) {
    case OrderKind::Support: return "SUPPORT";
    case OrderKind::Convoy: return "CONVOY";
    case OrderKind::Hold: return "HOLD";
    case OrderKind::Unordered: return "NO ORDER PROCESSED";
    default: return {};
    }
}

} // namespace judgeline
