#include "orders/Order.h"

namespace orders {

std::string UnitWord(UnitType type, bool capital)
{
    if (type == UnitType::Fleet)
        return capital ? "Fleet" : "fleet";
    return capital ? "Army" : "army";
}

std::string WriteOrder(const Order& order, const Geography& geography)
{
    if (order.kind == OrderKind::Waive)
        return "Waive";
    const std::string unit = UnitWord(order.unit) + " " + geography.PlaceName(order.at);
    switch (order.kind) {
    case OrderKind::Hold:
        return unit + " HOLD";
    case OrderKind::Move:
    case OrderKind::Retreat: {
        std::string line = unit;
        for (int sea : order.route)
            line += " -> " + geography[sea].Name();
        return line + " -> " + geography.PlaceName(order.to);
    }
    case OrderKind::Support: {
        std::string line = unit + " SUPPORT " + UnitWord(order.otherUnit) + " " + geography.PlaceName(order.other);
        if (order.to.province != order.other.province)
            line += " -> " + geography.PlaceName(order.to);
        return line;
    }
    case OrderKind::Convoy:
        // The Judge prints a convoy without coasts.
        return unit + " CONVOY " + UnitWord(order.otherUnit) + " " + geography[order.other.province].Name() + " -> " +
               geography[order.to.province].Name();
    case OrderKind::Disband:
        return unit + " DISBAND";
    case OrderKind::Build:
        return std::string("Build ") + (order.unit == UnitType::Fleet ? "F " : "A ") + geography.ShortPlace(order.at);
    case OrderKind::Remove:
        return std::string("Remove ") + (order.unit == UnitType::Fleet ? "F " : "A ") + geography.ShortPlace(order.at);
    case OrderKind::Waive:
        break;
    }
    return {};
}

} // namespace orders
