// A winter order as the Judge reads it: build, waive, remove, with the
// Judge's count of how many of each a power may enter.
#include "orders/JudgeMail.h"
#include "orders/ReadingText.h"
#include "orders/TextCase.h"

namespace orders {

using namespace judgewords;
using namespace readingtext;

bool JudgeMail::ReadAdjustment(std::string_view text, size_t& pos, Finding& finding)
{
    char word = 'x';
    pos = ReadAdjustmentWord(text, pos, word);
    WrittenType type = WrittenType::None;
    pos = ReadUnitType(text, pos, type);
    const auto site = m_names.Read(text, pos);
    if (site.province < 0 && word != 'w')
        return Fail(finding, Fault::UnknownProvince, NotAProvince(Rest(text, pos)));
    if (site.province >= 0)
        pos = site.end;
    // A unit named alone builds or removes, whichever the power has to do.
    if (word == 'x')
        word = m_room >= 0 ? 'b' : 'r';
    if ((word == 'b' || word == 'w') && m_room <= 0)
        return Fail(finding, Fault::NoBuildsDue, PowerName() + " has no builds this winter.");
    if (word == 'r' && m_room >= 0)
        return Fail(finding, Fault::NoRemovalsDue, PowerName() + " has no units to remove this winter.");
    switch (word) {
    case 'b':
    case 'w': return ReadBuild(site.province, site.coast, type, word, finding);
    case 'r': return ReadRemoval(site.province, finding);
    case 't': return Fail(finding, Fault::NotAllowedInGame, "This game allows no transformation of units.");
    default: // "maintain": the Judge accepts it and does nothing
        finding.note = "The Judge accepts this and does nothing with it.";
        return true;
    }
}

bool JudgeMail::ReadBuild(int site, std::optional<Coast> coast, WrittenType type, char word, Finding& finding)
{
    Order order;
    order.kind = word == 'w' ? OrderKind::Waive : OrderKind::Build;
    if (word == 'b') {
        const Province& province = m_geography[site];
        const std::string name = m_geography.NameInText(site);
        if (!province.centre)
            return Fail(finding, Fault::NotSupplyCentre, Capitalised(name) + " is not a supply centre.");
        if (!EqualNoCase(province.home, PowerName()))
            return Fail(finding, Fault::NotHomeCentre,
                        Capitalised(name) + " is not one of " + PowerName() + "'s home centres.");
        if (m_position.owner[size_t(site)] != m_power)
            return Fail(finding, Fault::CentreNotControlled, PowerName() + " does not own " + name + " now.");
        if (type == WrittenType::None)
            return Fail(finding, Fault::UnitTypeMissing,
                        "Say what to build: \"Build A " + province.shortName + "\" or \"Build F " +
                            province.shortName + "\".");
        order.unit = type == WrittenType::Army ? UnitType::Army : UnitType::Fleet;
        order.at = {site, coast.value_or(Coast::None)};
        if (order.unit == UnitType::Fleet && !m_geography.FleetMoves(order.at))
            return Fail(finding, Fault::FleetCannotBuildThere,
                        province.terrain != Terrain::Coast ? "A fleet can't be built in " + name + ": it is inland."
                        : province.coasts.empty()
                            ? "A fleet in " + name + " has no coast to name: write \"Build F " + province.shortName + "\"."
                            : "Name the coast for a fleet in " + name + ": \"Build F " +
                                  m_geography.ShortPlace({site, province.coasts.front().coast}) + "\".");
    }
    if (site >= 0) {
        if (m_position.UnitAt(site) >= 0)
            return Fail(finding, Fault::CentreOccupied,
                        Capitalised(m_geography.NameInText(site)) + " is occupied: units are built in empty centres.");
        // A second build in the same place replaces the first.
        for (size_t i = 0; i < m_sites.size(); ++i)
            if (m_sites[i] == site) {
                m_adjustments.erase(m_adjustments.begin() + long(i));
                m_sites.erase(m_sites.begin() + long(i));
                m_adjustments.push_back(order);
                m_sites.push_back(word == 'w' ? -1 : site);
                finding.order = order;
                return true;
            }
    }
    Enter(order, word == 'w' ? -1 : site, true);
    finding.order = order;
    return true;
}

bool JudgeMail::ReadRemoval(int site, Finding& finding)
{
    const int unit = m_position.UnitAt(site);
    if (unit < 0 || m_position.units[size_t(unit)].power != m_power)
        return Fail(finding, Fault::NoUnit,
                    PowerName() + " has no unit in " + m_geography.NameInText(site) + " to remove.");
    const Unit& u = m_position.units[size_t(unit)];
    // The unit removed is the one there, whatever the order called it.
    Order order;
    order.kind = OrderKind::Remove;
    order.unit = u.type;
    order.at = u.at;
    for (size_t i = 0; i < m_sites.size(); ++i)
        if (m_sites[i] == site) {
            m_adjustments.erase(m_adjustments.begin() + long(i));
            m_sites.erase(m_sites.begin() + long(i));
            --m_room;
            break;
        }
    Enter(order, site, false);
    finding.order = order;
    return true;
}

void JudgeMail::Enter(Order order, int site, bool building)
{
    // Past the number allowed, the earliest entry gives way.
    if (m_room == (building ? 1 : -1)) {
        m_dropped.push_back(m_adjustments.front());
        m_adjustments.erase(m_adjustments.begin());
        m_sites.erase(m_sites.begin());
    } else {
        m_room += building ? -1 : 1;
    }
    m_adjustments.push_back(std::move(order));
    m_sites.push_back(site);
}

} // namespace orders
