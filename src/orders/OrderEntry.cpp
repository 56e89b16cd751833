#include "orders/OrderEntry.h"

#include "orders/Moves.h"

#include <algorithm>

namespace orders {

namespace {

bool Contains(const std::vector<Place>& places, Place place)
{
    return std::find(places.begin(), places.end(), place) != places.end();
}

std::string UnitIn(const Geography& geography, const Unit& unit)
{
    return "the " + UnitWord(unit.type, false) + " in " + geography.NameInText(unit.at.province);
}

} // namespace

OrderEntry::OrderEntry(const OrderChecker& checker)
    : m_checker(checker), m_geography(checker.GetGeography()), m_position(checker.GetPosition())
{
    Light(EntryStep::Unit);
}

const Unit* OrderEntry::OwnUnitAt(int province) const
{
    if (province < 0)
        return nullptr;
    const bool retreat = m_position.phase.kind == PhaseKind::Retreat;
    const int index = retreat ? m_position.DislodgedAt(province) : m_position.UnitAt(province);
    if (index < 0 || m_position.units[size_t(index)].power != m_checker.Power())
        return nullptr;
    return &m_position.units[size_t(index)];
}

std::optional<Place> OrderEntry::LitPlace(Place clicked) const
{
    if (Contains(m_lit, clicked))
        return clicked;
    // The other coast, or the province when what is lit has no coast.
    for (const Place& place : m_lit)
        if (place.province == clicked.province)
            return place;
    return std::nullopt;
}

void OrderEntry::Select(const Unit& unit)
{
    m_unit = unit;
    m_other.reset();
    Light(EntryStep::Destination);
}

void OrderEntry::Light(EntryStep step)
{
    m_step = step;
    m_lit.clear();
    auto addUnits = [&](auto keep) {
        for (const Unit& unit : m_position.units)
            if (keep(unit) && !Contains(m_lit, unit.at))
                m_lit.push_back(unit.at);
    };
    const int power = m_checker.Power();
    switch (step) {
    case EntryStep::Unit:
        m_unit.reset();
        m_other.reset();
        if (m_position.phase.kind == PhaseKind::Adjustment && m_position.Adjustment(power) > 0) {
            for (UnitType type : {UnitType::Army, UnitType::Fleet})
                for (const Place& site : m_checker.BuildSites(type))
                    if (!Contains(m_lit, {site.province, Coast::None}))
                        m_lit.push_back({site.province, Coast::None});
        } else if (m_position.HasOrdersDue(power)) {
            const bool retreat = m_position.phase.kind == PhaseKind::Retreat;
            addUnits([&](const Unit& u) { return u.power == power && u.dislodged == retreat; });
        }
        break;
    case EntryStep::Destination:
        m_lit = m_checker.Reachable(m_unit->at.province);
        break;
    case EntryStep::SupportedUnit:
        addUnits([&](const Unit& u) { return !u.dislodged && u.at.province != m_unit->at.province; });
        break;
    case EntryStep::ConvoyedArmy:
        addUnits([&](const Unit& u) {
            return !u.dislodged && u.type == UnitType::Army && m_geography[u.at.province].terrain == Terrain::Coast;
        });
        break;
    case EntryStep::SupportTarget: {
        // Where the supported unit can go that the supporter could reach too,
        // coasts aside, and the supported unit's own place.
        std::vector<int> reach = m_geography[m_unit->at.province].army;
        if (m_unit->type == UnitType::Fleet) {
            reach.clear();
            if (const std::vector<Place>* moves = m_geography.FleetMoves(m_unit->at))
                for (const Place& place : *moves)
                    reach.push_back(place.province);
        }
        std::vector<Place> targets = m_checker.Reachable(m_other->at.province);
        targets.insert(targets.begin(), m_other->at);
        for (const Place& place : targets)
            if (std::find(reach.begin(), reach.end(), place.province) != reach.end() &&
                !Contains(m_lit, {place.province, Coast::None}))
                m_lit.push_back({place.province, Coast::None});
        break;
    }
    case EntryStep::ConvoyTarget:
        for (int province : ConvoyDestinations(m_geography, m_position, m_other->at.province))
            m_lit.push_back({province, Coast::None});
        break;
    }
}

Order OrderEntry::Begun(OrderKind kind) const
{
    Order order;
    order.kind = kind;
    order.unit = m_unit->type;
    order.at = m_unit->at;
    if (m_other) {
        order.otherUnit = m_other->type;
        order.other = m_other->at;
    }
    return order;
}

std::optional<Order> OrderEntry::Click(Place place)
{
    const std::optional<Place> lit = LitPlace(place);
    const PhaseKind phase = m_position.phase.kind;
    if (m_step == EntryStep::Unit) {
        if (lit && phase == PhaseKind::Adjustment) {
            const std::vector<EntryChoice> choices = Choices(*lit);
            if (!choices.empty())
                return Choose(choices.front());
        } else if (const Unit* unit = lit ? OwnUnitAt(lit->province) : nullptr) {
            Select(*unit);
        }
        return std::nullopt;
    }
    if (!lit) {
        // Another of the player's units is chosen instead; anything else starts over.
        const Unit* unit = m_step == EntryStep::Destination ? OwnUnitAt(place.province) : nullptr;
        if (unit && !(unit->at == m_unit->at))
            Select(*unit);
        else
            Light(EntryStep::Unit);
        return std::nullopt;
    }
    std::optional<Order> order;
    switch (m_step) {
    case EntryStep::Unit:
        break;
    case EntryStep::Destination:
        order = Begun(phase == PhaseKind::Retreat ? OrderKind::Retreat : OrderKind::Move);
        order->to = *lit;
        if (phase == PhaseKind::Movement && m_unit->type == UnitType::Army &&
            !MoveArrival(m_geography, UnitType::Army, m_unit->at, lit->province))
            order->route = ConvoyRoute(m_geography, m_position, m_unit->at.province, lit->province);
        break;
    case EntryStep::SupportedUnit:
    case EntryStep::ConvoyedArmy:
        m_other = m_position.units[size_t(m_position.UnitAt(lit->province))];
        Light(m_step == EntryStep::SupportedUnit ? EntryStep::SupportTarget : EntryStep::ConvoyTarget);
        return std::nullopt;
    case EntryStep::SupportTarget:
        order = Begun(OrderKind::Support);
        order->to = lit->province == m_other->at.province ? m_other->at : *lit;
        break;
    case EntryStep::ConvoyTarget:
        order = Begun(OrderKind::Convoy);
        order->to = *lit;
        break;
    }
    Light(EntryStep::Unit);
    return order;
}

std::vector<EntryChoice> OrderEntry::Choices(Place place) const
{
    std::vector<EntryChoice> choices;
    const int power = m_checker.Power();
    const Unit* unit = OwnUnitAt(place.province);
    switch (m_position.phase.kind) {
    case PhaseKind::Movement:
        if (!unit)
            break;
        choices.push_back({OrderKind::Hold, unit->type, unit->at, "Hold"});
        choices.push_back({OrderKind::Support, unit->type, unit->at, "Support..."});
        if (unit->type == UnitType::Fleet)
            choices.push_back({OrderKind::Convoy, unit->type, unit->at, "Convoy..."});
        break;
    case PhaseKind::Retreat:
        if (unit)
            choices.push_back({OrderKind::Disband, unit->type, unit->at, "Disband"});
        break;
    case PhaseKind::Adjustment:
        if (m_position.Adjustment(power) < 0) {
            if (unit)
                choices.push_back({OrderKind::Remove, unit->type, unit->at, "Remove"});
            break;
        }
        for (UnitType type : {UnitType::Army, UnitType::Fleet})
            for (const Place& site : m_checker.BuildSites(type))
                if (site.province == place.province) {
                    std::string label = type == UnitType::Army ? "Build an army" : "Build a fleet";
                    if (site.coast != Coast::None)
                        label += " (" + std::string(CoastWords(site.coast)) + ")";
                    choices.push_back({OrderKind::Build, type, site, label});
                }
        if (m_position.Adjustment(power) > 0)
            choices.push_back({OrderKind::Waive, UnitType::Army, {}, "Waive a build"});
        break;
    }
    return choices;
}

std::optional<Order> OrderEntry::Choose(const EntryChoice& choice)
{
    if (choice.kind == OrderKind::Support || choice.kind == OrderKind::Convoy) {
        const Unit* unit = OwnUnitAt(choice.at.province);
        if (!unit)
            return std::nullopt;
        m_unit = *unit;
        m_other.reset();
        Light(choice.kind == OrderKind::Support ? EntryStep::SupportedUnit : EntryStep::ConvoyedArmy);
        return std::nullopt;
    }
    Order order;
    order.kind = choice.kind;
    order.unit = choice.unit;
    order.at = choice.at;
    Light(EntryStep::Unit);
    return order;
}

void OrderEntry::Cancel()
{
    Light(EntryStep::Unit);
}

std::string OrderEntry::Prompt() const
{
    const PhaseKind phase = m_position.phase.kind;
    switch (m_step) {
    case EntryStep::Unit:
        if (m_lit.empty())
            return "Nothing to order here in " + m_position.phase.Words() + ".";
        if (phase == PhaseKind::Retreat)
            return "Click a dislodged unit of yours to retreat it, or right-click it to disband it.";
        if (phase == PhaseKind::Adjustment)
            return m_position.Adjustment(m_checker.Power()) > 0
                       ? "Click a lit home centre to build an army, or right-click it for a fleet or a waive."
                       : "Click a unit of yours to remove it.";
        return "Click a unit of yours to move it, or right-click it to hold, support or convoy.";
    case EntryStep::Destination:
        return "Click where " + UnitIn(m_geography, *m_unit) + (phase == PhaseKind::Retreat ? " retreats." : " moves.");
    case EntryStep::SupportedUnit:
        return "Click the unit " + UnitIn(m_geography, *m_unit) + " supports.";
    case EntryStep::SupportTarget:
        return "Click where " + UnitIn(m_geography, *m_other) + " goes, or on it to support it where it stands.";
    case EntryStep::ConvoyedArmy:
        return "Click the army " + UnitIn(m_geography, *m_unit) + " convoys.";
    case EntryStep::ConvoyTarget:
        return "Click where " + UnitIn(m_geography, *m_other) + " is convoyed.";
    }
    return {};
}

} // namespace orders
