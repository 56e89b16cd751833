#pragma once

#include "orders/Geography.h"
#include "orders/JudgeWords.h"
#include "orders/Position.h"
#include "orders/Verdict.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orders {

/// What the Judge makes of a whole set of orders from one power.
struct SetVerdict {
    std::vector<LineVerdict> lines;
    /// Per unit of the position: the order in force after the last line.
    std::vector<std::optional<Order>> unitOrders;
    /// The power's units still without an order (indexes into the position's
    /// units): the Judge holds them in a movement phase and disbands them in
    /// a retreat phase.
    std::vector<int> unordered;
    /// Builds due (positive) or removals due (negative) in a winter.
    int adjustmentsDue = 0;
    /// The builds, waives and removals in force, earliest first.
    std::vector<Order> adjustments;
    /// Builds and waives the Judge accepted and dropped for later ones, and
    /// removals it took back, because there were more than due.
    std::vector<Order> dropped;
    /// The set as a whole in plain words: what the Judge does with what is
    /// missing, dropped or mismatched.
    std::vector<std::string> notes;

    bool AnyRefused() const;
    /// Units left without orders, or builds or removals not all ordered: the
    /// Judge takes the set as partial orders.
    bool Incomplete() const;
};

/// Checks one power's orders for the phase that is due as the Judge will
/// when it receives them. The desktop's order entry and the command line
/// both go through here.
class OrderChecker {
public:
    /// geography and position must outlive the checker; power indexes position.powers.
    OrderChecker(const Geography& geography, const Position& position, int power);

    /// One line on its own, as the only line of a mail.
    LineVerdict CheckLine(std::string_view line) const;
    /// The lines of one mail, in order.
    SetVerdict CheckSet(const std::vector<std::string>& lines) const;
    /// An order built by other means (clicks on the map), checked as the
    /// Judge checks its canonical line.
    LineVerdict CheckOrder(const Order& order) const;
    /// Where the unit in province can go in this phase (see ReachablePlaces);
    /// empty when there is none, or it has nothing to do in this phase.
    std::vector<Place> Reachable(int province) const;
    /// The power's empty home centres it owns where it may build now, with
    /// each coast of a split one for a fleet; empty outside a winter with builds.
    std::vector<Place> BuildSites(UnitType type) const;

    const Geography& GetGeography() const { return m_geography; }
    const Position& GetPosition() const { return m_position; }
    int Power() const { return m_power; }

private:
    void NoteConvoys(const std::vector<std::optional<Order>>& orders, SetVerdict& verdict) const;

    const Geography& m_geography;
    judgewords::ProvinceNames m_names;
    const Position& m_position;
    int m_power;
};

} // namespace orders
