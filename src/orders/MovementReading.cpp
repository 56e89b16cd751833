// A movement-phase order as the Judge reads it: the unit, its action word,
// then what the action needs, each refusal at the point the Judge makes it.
#include "orders/JudgeMail.h"
#include "orders/Moves.h"
#include "orders/ReadingText.h"

#include <algorithm>

namespace orders {

using namespace judgewords;
using namespace readingtext;

namespace {

// The Judge's stand-in for a convoyed army at a province: it may use every
// fleet move of it, from any coast.
bool ConvoyStepReaches(const Geography& geography, int from, int to, std::optional<Coast> written)
{
    for (const FleetSide& side : geography[from].fleet)
        for (const Place& place : side.to)
            if (place.province == to && (!written || place.coast == *written))
                return true;
    return false;
}

} // namespace

bool JudgeMail::ReadMovement(std::string_view text, size_t& pos, Finding& finding)
{
    WrittenType written = WrittenType::None;
    const int province = ReadSource(text, pos, written, finding);
    if (province < 0)
        return false;
    const int unit = m_position.UnitAt(province);
    if (unit < 0)
        return Fail(finding, Fault::NoUnit,
                    "There is no " + WrittenWord(written) + " in " + m_geography.NameInText(province) + ".");
    const Unit& u = m_position.units[size_t(unit)];
    if (u.power != m_power)
        return Fail(finding, Fault::NotYourUnit,
                    Capitalised(UnitText(unit)) + " is " + m_position.powers[size_t(u.power)] + "'s, not " +
                        PowerName() + "'s.");
    if (Contradicts(written, u.type))
        return Fail(finding, Fault::WrongUnitType,
                    WrongTypeReason(m_geography.NameInText(province), u.type, written));

    const size_t actionAt = pos;
    char action = 'x';
    pos = ReadAction(text, pos, false, action);
    switch (action) {
    case 's':
    case 'c': {
        const bool read = ReadSupportOrConvoy(text, pos, action, unit, finding);
        if (!read && finding.fault == Fault::UnknownUnitProvince && WroteTo(text, actionAt))
            finding.reason = "The Judge reads \"to\" as a convoy word, not a move: write \"-\" to move "
                             "(\"A Vie-Tri\").";
        return read;
    }
    case 'h':
        finding.order = Order{OrderKind::Hold, u.type, u.at, {}, {}, UnitType::Army, {}};
        m_unitOrders[size_t(unit)] = finding.order;
        return true;
    case 'm':
        return ReadMove(text, pos, unit, finding);
    case 'd':
        return Fail(finding, Fault::NotAllowedInGame,
                    "This game allows no disband orders in a movement phase; a unit disbands in a retreat or a "
                    "winter.");
    case 'p':
        return Fail(finding, Fault::NotAllowedInGame, "This game allows no proxy orders.");
    case 't':
        return Fail(finding, Fault::NotAllowedInGame, "This game allows no transformation of units.");
    default:
        return Fail(finding, Fault::InvalidOrder,
                    "The Judge reads no order for " + UnitText(unit) +
                        " here: write \"-\" to move, \"S\" to support, \"C\" to convoy or \"H\" to hold.");
    }
}

bool JudgeMail::ReadSupportOrConvoy(std::string_view text, size_t& pos, char action, int unit, Finding& finding)
{
    const Unit& u = m_position.units[size_t(unit)];
    const bool convoy = action == 'c';
    WrittenType written = WrittenType::None;
    pos = ReadUnitType(text, pos, written);
    const auto other = m_names.Read(text, pos);
    if (other.province < 0)
        return Fail(finding, Fault::UnknownUnitProvince,
                    "The unit to " + std::string(convoy ? "convoy" : "support") +
                        " must be named by its province: " + NotAProvince(Rest(text, pos)));
    pos = other.end;
    const int otherUnit = m_position.UnitAt(other.province);
    if (otherUnit < 0)
        return Fail(finding, Fault::NoUnit,
                    "There is no unit in " + m_geography.NameInText(other.province) + " to " +
                        (convoy ? "convoy." : "support."));
    const UnitType otherType = m_position.units[size_t(otherUnit)].type;
    if (convoy && otherType != UnitType::Army)
        return Fail(finding, Fault::NotConvoyable,
                    "Only armies are convoyed; the unit in " + m_geography.NameInText(other.province) +
                        " is a fleet.");
    if (Contradicts(written, otherType))
        return Fail(finding, Fault::WrongUnitType,
                    WrongTypeReason(m_geography.NameInText(other.province), otherType, written));

    Place destination{other.province, other.coast.value_or(Coast::None)};
    std::optional<Coast> destinationCoast = other.coast;
    char next = 'x';
    const size_t afterAction = ReadAction(text, pos, false, next);
    if (next == 'm') {
        const auto to = m_names.Read(text, afterAction);
        if (to.province < 0) {
            pos = afterAction;
            return Fail(finding, Fault::UnknownDestination, NotAProvince(Rest(text, afterAction)));
        }
        pos = to.end;
        destination = {to.province, to.coast.value_or(Coast::None)};
        destinationCoast = to.coast;
    }
    if (convoy && u.type != UnitType::Fleet)
        return Fail(finding, Fault::ArmyCannotConvoy,
                    Capitalised(UnitText(unit)) + " can't convoy: only fleets convoy.");
    if (convoy && m_geography.IsSea(destination.province))
        return Fail(finding, Fault::NotConvoyable,
                    "A convoy order names the army and the land it goes to (\"F Nth C A Yor-Nwy\"), not a sea.");
    if (!convoy && !MoveArrival(m_geography, u.type, u.at, destination.province))
        return Fail(finding, Fault::CannotSupportThere,
                    Capitalised(UnitText(unit)) + " can't reach " + m_geography.NameInText(destination.province) +
                        ", so it can't support there.");
    // The Judge gives a supported fleet's move the coast it would take.
    if (!convoy && !destinationCoast && otherType == UnitType::Fleet)
        if (const auto coast = MoveArrival(m_geography, UnitType::Fleet, m_position.units[size_t(otherUnit)].at,
                                           destination.province))
            destination.coast = *coast;

    Order order;
    order.kind = convoy ? OrderKind::Convoy : OrderKind::Support;
    order.unit = u.type;
    order.at = u.at;
    order.to = destination;
    order.otherUnit = otherType;
    order.other = {other.province, other.coast.value_or(Coast::None)};
    finding.order = order;
    m_unitOrders[size_t(unit)] = order;
    return true;
}

bool JudgeMail::ReadMove(std::string_view text, size_t& pos, int unit, Finding& finding)
{
    const Unit& u = m_position.units[size_t(unit)];
    const auto first = m_names.Read(text, pos);
    if (first.province < 0)
        return Fail(finding, Fault::UnknownDestination, NotAProvince(Rest(text, pos)));
    pos = first.end;
    char next = 'x';
    size_t afterAction = ReadAction(text, pos, false, next);

    Order order;
    order.kind = OrderKind::Move;
    order.unit = u.type;
    order.at = u.at;
    if (next != 'm') {
        const auto arrival = MoveArrival(m_geography, u.type, u.at, first.province, first.coast);
        if (!arrival) {
            std::string reason = Capitalised(UnitText(unit)) + " can't reach " +
                                 (first.coast ? "the " + std::string(CoastWords(*first.coast)) + " of " : "") +
                                 m_geography.NameInText(first.province) + ".";
            const auto convoyed = ConvoyDestinations(m_geography, m_position, u.at.province);
            if (u.type == UnitType::Army &&
                std::find(convoyed.begin(), convoyed.end(), first.province) != convoyed.end())
                reason += " To go by convoy, write the route of seas (\"A Yor-Nth-Eng-Bre\").";
            return Fail(finding, Fault::CannotReach, reason);
        }
        order.to = {first.province, *arrival};
        if (u.type == UnitType::Fleet && !first.coast && m_geography.HasCoasts(first.province))
            finding.note = "No coast named: the Judge sends the fleet to " + m_geography.PlaceName(order.to) + ".";
    } else {
        if (u.type != UnitType::Army)
            return Fail(finding, Fault::BadConvoyRoute,
                        "A fleet moves one province at a time; only a convoyed army's move lists a route.");
        int at = u.at.province;
        int step = first.province;
        std::optional<Coast> stepCoast = first.coast;
        while (next == 'm') {
            const int fleet = m_position.UnitAt(step);
            if (!ConvoyStepReaches(m_geography, at, step, stepCoast) || !m_geography.IsSea(step) || fleet < 0 ||
                m_position.units[size_t(fleet)].type != UnitType::Fleet)
                return Fail(finding, Fault::NoConvoyingFleet,
                            Capitalised(UnitText(unit)) + " can't be convoyed through " +
                                m_geography.NameInText(step) + ": " +
                                (!m_geography.IsSea(step) ? "it is not a sea."
                                 : fleet < 0 || m_position.units[size_t(fleet)].type != UnitType::Fleet
                                     ? "there is no fleet there."
                                     : "it does not join the route."));
            order.route.push_back(step);
            at = step;
            const auto then = m_names.Read(text, afterAction);
            if (then.province < 0) {
                pos = afterAction;
                return Fail(finding, Fault::UnknownDestination, NotAProvince(Rest(text, afterAction)));
            }
            pos = then.end;
            step = then.province;
            stepCoast = then.coast;
            afterAction = ReadAction(text, pos, false, next);
        }
        if (!ConvoyStepReaches(m_geography, at, step, std::nullopt))
            return Fail(finding, Fault::BadConvoyRoute,
                        "The convoy route ends in " + m_geography.NameInText(at) + ", which does not border " +
                            m_geography.NameInText(step) + ".");
        if (m_geography.IsSea(step))
            return Fail(finding, Fault::BadConvoyRoute,
                        "A convoy route ends on land, not in " + m_geography.NameInText(step) + ".");
        order.to = {step, Coast::None};
    }
    finding.order = order;
    m_unitOrders[size_t(unit)] = order;
    return true;
}

} // namespace orders
