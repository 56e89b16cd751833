#include "orders/OrderChecker.h"

#include "orders/JudgeMail.h"
#include "orders/Moves.h"
#include "orders/TextCase.h"

#include <cstdlib>

namespace orders {

namespace {

std::string Plural(int count, const std::string& word)
{
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

} // namespace

bool SetVerdict::AnyRefused() const
{
    for (const LineVerdict& line : lines)
        if (line.Refused())
            return true;
    return false;
}

bool SetVerdict::Incomplete() const
{
    return !unordered.empty() || int(adjustments.size()) < std::abs(adjustmentsDue);
}

OrderChecker::OrderChecker(const Geography& geography, const Position& position, int power)
    : m_geography(geography), m_names(geography), m_position(position), m_power(power)
{
}

LineVerdict OrderChecker::CheckLine(std::string_view line) const
{
    JudgeMail mail(m_geography, m_names, m_position, m_power);
    return mail.ReadLine(line);
}

LineVerdict OrderChecker::CheckOrder(const Order& order) const
{
    return CheckLine(WriteOrder(order, m_geography));
}

SetVerdict OrderChecker::CheckSet(const std::vector<std::string>& lines) const
{
    JudgeMail mail(m_geography, m_names, m_position, m_power);
    SetVerdict verdict;
    for (const std::string& line : lines)
        verdict.lines.push_back(mail.ReadLine(line));
    verdict.unitOrders = mail.UnitOrders();

    const PhaseKind kind = m_position.phase.kind;
    if (kind != PhaseKind::Adjustment) {
        std::string missing;
        for (size_t i = 0; i < m_position.units.size(); ++i) {
            const Unit& unit = m_position.units[i];
            const bool due = unit.power == m_power && (kind == PhaseKind::Movement || unit.dislodged);
            if (due && !mail.UnitOrders()[i]) {
                verdict.unordered.push_back(int(i));
                missing += (missing.empty() ? "" : ", ") + UnitWord(unit.type) + " " + m_geography.PlaceName(unit.at);
            }
        }
        if (!missing.empty())
            verdict.notes.push_back("Without an order the Judge " +
                                    std::string(kind == PhaseKind::Movement ? "holds" : "disbands") + ": " + missing +
                                    ".");
        NoteConvoys(mail.UnitOrders(), verdict);
        return verdict;
    }

    verdict.adjustmentsDue = m_position.Adjustment(m_power);
    verdict.adjustments = mail.Adjustments();
    verdict.dropped = mail.Dropped();
    const int entered = int(verdict.adjustments.size());
    for (const Order& order : verdict.dropped)
        verdict.notes.push_back(order.kind == OrderKind::Remove
                                    ? "More removals than due: the Judge keeps the earliest back, " +
                                          WriteOrder(order, m_geography) + "."
                                    : "More builds than due: the Judge drops the earliest, " +
                                          WriteOrder(order, m_geography) + ".");
    if (verdict.adjustmentsDue > entered)
        verdict.notes.push_back(Plural(verdict.adjustmentsDue - entered, "build") +
                                " not ordered: the Judge waives what is not ordered.");
    if (-verdict.adjustmentsDue > entered)
        verdict.notes.push_back(Plural(-verdict.adjustmentsDue - entered, "unit") +
                                " still to remove: the Judge removes what is not ordered, choosing the units itself.");
    return verdict;
}

void OrderChecker::NoteConvoys(const std::vector<std::optional<Order>>& orders, SetVerdict& verdict) const
{
    // The Judge marks "check convoy" where its own power's fleets and armies disagree.
    auto orderOfUnitAt = [&](int province) -> const Order* {
        const int unit = m_position.UnitAt(province);
        if (unit < 0 || m_position.units[size_t(unit)].power != m_power || !orders[size_t(unit)])
            return nullptr;
        return &*orders[size_t(unit)];
    };
    for (const auto& order : orders) {
        if (!order)
            continue;
        if (order->kind == OrderKind::Convoy) {
            const int army = m_position.UnitAt(order->other.province);
            if (army < 0 || m_position.units[size_t(army)].power != m_power)
                continue;
            const Order* move = orderOfUnitAt(order->other.province);
            if (!move || move->kind != OrderKind::Move || move->to.province != order->to.province)
                verdict.notes.push_back("Check the convoy: " + WriteOrder(*order, m_geography) +
                                        ", but that army is not ordered there.");
        } else if (order->kind == OrderKind::Move) {
            for (int sea : order->route) {
                const int fleet = m_position.UnitAt(sea);
                if (fleet < 0 || m_position.units[size_t(fleet)].power != m_power)
                    continue;
                const Order* convoy = orderOfUnitAt(sea);
                if (!convoy || convoy->kind != OrderKind::Convoy || convoy->other.province != order->at.province ||
                    convoy->to.province != order->to.province)
                    verdict.notes.push_back("Check the convoy: " + WriteOrder(*order, m_geography) + ", but the fleet in " +
                                            m_geography.NameInText(sea) + " is not ordered to convoy it.");
            }
        }
    }
}

std::vector<Place> OrderChecker::Reachable(int province) const
{
    const int unit = m_position.phase.kind == PhaseKind::Retreat ? m_position.DislodgedAt(province)
                                                                 : m_position.UnitAt(province);
    if (unit < 0)
        return {};
    return ReachablePlaces(m_geography, m_position, unit);
}

std::vector<Place> OrderChecker::BuildSites(UnitType type) const
{
    std::vector<Place> sites;
    if (m_position.phase.kind != PhaseKind::Adjustment || m_position.Adjustment(m_power) <= 0)
        return sites;
    for (int p = 0; p < m_geography.Count(); ++p) {
        const Province& province = m_geography[p];
        if (!province.centre || !EqualNoCase(province.home, m_position.powers[size_t(m_power)]) ||
            m_position.owner[size_t(p)] != m_power || m_position.UnitAt(p) >= 0)
            continue;
        if (type == UnitType::Army)
            sites.push_back({p, Coast::None});
        else if (!province.coasts.empty())
            for (const CoastSpot& spot : province.coasts)
                sites.push_back({p, spot.coast});
        else if (province.terrain == Terrain::Coast)
            sites.push_back({p, Coast::None});
    }
    return sites;
}

} // namespace orders
