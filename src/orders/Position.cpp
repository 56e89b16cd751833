#include "orders/Position.h"

#include "orders/TextCase.h"

#include <cstdio>

namespace orders {

std::string Phase::Name() const
{
    char name[16];
    std::snprintf(name, sizeof name, "%c%04d%c", season, year,
                  kind == PhaseKind::Movement ? 'M' : kind == PhaseKind::Retreat ? 'R' : 'B');
    return name;
}

std::string Phase::Words() const
{
    if (kind == PhaseKind::Adjustment)
        return "Winter " + std::to_string(year) + " Adjustments";
    return std::string(season == 'F' ? "Fall " : "Spring ") + std::to_string(year) +
           (kind == PhaseKind::Retreat ? " Retreats" : " Movement");
}

int Position::UnitAt(int province) const
{
    for (size_t i = 0; i < units.size(); ++i)
        if (units[i].at.province == province && !units[i].dislodged)
            return int(i);
    return -1;
}

int Position::DislodgedAt(int province) const
{
    for (size_t i = 0; i < units.size(); ++i)
        if (units[i].at.province == province && units[i].dislodged)
            return int(i);
    return -1;
}

int Position::Adjustment(int power) const
{
    int balance = 0;
    for (int o : owner)
        balance += o == power ? 1 : 0;
    for (const Unit& unit : units)
        balance -= unit.power == power ? 1 : 0;
    return balance;
}

int Position::FindPower(std::string_view name) const
{
    for (size_t i = 0; i < powers.size(); ++i)
        if (EqualNoCase(powers[i], name))
            return int(i);
    return -1;
}

bool Position::HasOrdersDue(int power) const
{
    switch (phase.kind) {
    case PhaseKind::Adjustment:
        return Adjustment(power) != 0;
    case PhaseKind::Retreat:
        for (const Unit& unit : units)
            if (unit.power == power && unit.dislodged)
                return true;
        return false;
    default:
        for (const Unit& unit : units)
            if (unit.power == power)
                return true;
        return false;
    }
}

} // namespace orders
