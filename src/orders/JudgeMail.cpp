#include "orders/JudgeMail.h"

#include "orders/Moves.h"
#include "orders/ReadingText.h"

namespace orders {

using namespace judgewords;
using namespace readingtext;

namespace {

// What the Judge's count of entries starts at: one above the builds due, one
// below the removals due.
int RoomFor(int adjustment)
{
    return adjustment > 0 ? adjustment + 1 : adjustment < 0 ? adjustment - 1 : 0;
}

std::string AfterOrderReason(const std::string& leftover, const std::string& reason)
{
    if (leftover == "." || leftover.empty())
        return "A full stop after this order is read as one more order, which the Judge refuses (the order "
               "itself stands): leave it out.";
    return "\"" + leftover + "\" after the order is not part of it: the Judge reads it as one more order and "
           "refuses it, though the order before it stands. (" + reason + ")";
}

} // namespace

JudgeMail::JudgeMail(const Geography& geography, const ProvinceNames& names, const Position& position, int power)
    : m_geography(geography), m_names(names), m_position(position), m_power(power),
      m_unitOrders(position.units.size())
{
    if (position.phase.kind == PhaseKind::Adjustment)
        m_room = RoomFor(position.Adjustment(power));
}

LineVerdict JudgeMail::ReadLine(std::string_view line)
{
    // The Judge reads the line with its line end.
    std::string text(line);
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    text += '\n';

    LineVerdict verdict;
    size_t pos = 0;
    std::optional<size_t> orderEnd; // where the last order in force on this line ended
    for (;;) {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        Finding finding;
        bool read = false;
        switch (m_position.phase.kind) {
        case PhaseKind::Movement: read = ReadMovement(text, pos, finding); break;
        case PhaseKind::Retreat: read = ReadRetreat(text, pos, finding); break;
        case PhaseKind::Adjustment: read = ReadAdjustment(text, pos, finding); break;
        }
        if (read) {
            orderEnd = pos;
        } else {
            if (orderEnd)
                finding.reason = AfterOrderReason(Rest(text, *orderEnd), finding.reason);
            // The rest of the line is thrown away.
            pos = std::min(text.find('\n', pos), text.size());
        }
        verdict.findings.push_back(std::move(finding));
        if (pos >= text.size() || text[pos] == '\n')
            break;
        ++pos; // one character between orders is passed over, whatever it is
    }
    return verdict;
}

int JudgeMail::ReadSource(std::string_view text, size_t& pos, WrittenType& written, Finding& finding)
{
    pos = ReadUnitType(text, pos, written);
    const auto source = m_names.Read(text, pos);
    if (source.province < 0) {
        Fail(finding, Fault::UnknownProvince, NotAProvince(Rest(text, pos)));
        return -1;
    }
    pos = source.end;
    return source.province;
}

bool JudgeMail::ReadRetreat(std::string_view text, size_t& pos, Finding& finding)
{
    WrittenType written = WrittenType::None;
    const int province = ReadSource(text, pos, written, finding);
    if (province < 0)
        return false;
    // The power's unit there; the dislodged one when it has two.
    int unit = -1;
    for (size_t i = 0; i < m_position.units.size(); ++i) {
        const Unit& u = m_position.units[i];
        if (u.at.province == province && u.power == m_power) {
            unit = int(i);
            if (u.dislodged)
                break;
        }
    }
    if (unit < 0)
        return Fail(finding, Fault::NoUnit,
                    PowerName() + " has no unit in " + m_geography.NameInText(province) + ".");
    const Unit& u = m_position.units[size_t(unit)];
    if (Contradicts(written, u.type))
        return Fail(finding, Fault::WrongUnitType,
                    WrongTypeReason(m_geography.NameInText(province), u.type, written));
    if (!u.dislodged)
        return Fail(finding, Fault::NotDislodged,
                    Capitalised(UnitText(unit)) + " was not dislodged: only dislodged units retreat.");
    char action = 'x';
    pos = ReadAction(text, pos, true, action);
    Order order;
    order.unit = u.type;
    order.at = u.at;
    if (action == 'm') {
        const auto to = m_names.Read(text, pos);
        if (to.province < 0)
            return Fail(finding, Fault::UnknownDestination, NotAProvince(Rest(text, pos)));
        pos = to.end;
        const auto arrival = MoveArrival(m_geography, u.type, u.at, to.province, to.coast);
        if (!arrival)
            return Fail(finding, Fault::CannotReach,
                        Capitalised(UnitText(unit)) + " can't reach " + m_geography.NameInText(to.province) + ".");
        bool listed = false;
        std::string options;
        for (const Place& place : u.retreats) {
            listed = listed || place.province == to.province;
            options += (options.empty() ? "" : " or ") + m_geography.PlaceName(place);
        }
        if (!listed)
            return Fail(finding, Fault::NotARetreat,
                        Capitalised(UnitText(unit)) + " can't retreat to " + m_geography.NameInText(to.province) +
                            (options.empty() ? ": it has no retreat and can only disband."
                                             : "; it may retreat to " + options + ", or disband."));
        order.kind = OrderKind::Retreat;
        order.to = {to.province, *arrival};
    } else if (action == 'd') {
        order.kind = OrderKind::Disband;
    } else {
        return Fail(finding, Fault::InvalidOrder,
                    "In a retreat the Judge reads only a move (\"A Bur-Bel\") or a disband (\"A Bur disband\") "
                    "for " + UnitText(unit) + ".");
    }
    finding.order = order;
    m_unitOrders[size_t(unit)] = order;
    return true;
}

std::string JudgeMail::UnitText(int unit) const
{
    const Unit& u = m_position.units[size_t(unit)];
    return "the " + UnitWord(u.type, false) + " in " + m_geography.NameInText(u.at.province);
}

std::string JudgeMail::PowerName() const
{
    return m_position.powers[size_t(m_power)];
}

} // namespace orders
