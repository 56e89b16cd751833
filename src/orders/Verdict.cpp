#include "orders/Verdict.h"

namespace orders {

std::string_view FaultName(Fault fault)
{
    switch (fault) {
    case Fault::None: return "none";
    case Fault::UnknownProvince: return "unknown-province";
    case Fault::UnknownUnitProvince: return "unknown-unit-province";
    case Fault::UnknownDestination: return "unknown-destination";
    case Fault::NoUnit: return "no-unit";
    case Fault::NotYourUnit: return "not-your-unit";
    case Fault::WrongUnitType: return "wrong-unit-type";
    case Fault::CannotReach: return "cannot-reach";
    case Fault::CannotSupportThere: return "cannot-support-there";
    case Fault::NotARetreat: return "not-a-retreat";
    case Fault::NotDislodged: return "not-dislodged";
    case Fault::InvalidOrder: return "invalid-order";
    case Fault::ArmyCannotConvoy: return "army-cannot-convoy";
    case Fault::NoConvoyingFleet: return "no-convoying-fleet";
    case Fault::BadConvoyRoute: return "bad-convoy-route";
    case Fault::NotConvoyable: return "not-convoyable";
    case Fault::NotAllowedInGame: return "not-allowed-in-game";
    case Fault::NoBuildsDue: return "no-builds-due";
    case Fault::NoRemovalsDue: return "no-removals-due";
    case Fault::NotSupplyCentre: return "not-supply-centre";
    case Fault::NotHomeCentre: return "not-home-centre";
    case Fault::CentreNotControlled: return "centre-not-controlled";
    case Fault::CentreOccupied: return "centre-occupied";
    case Fault::UnitTypeMissing: return "unit-type-missing";
    case Fault::FleetCannotBuildThere: return "fleet-cannot-build-there";
    }
    return "unknown";
}

bool LineVerdict::Refused() const
{
    return FirstFault() != nullptr;
}

const Finding* LineVerdict::FirstFault() const
{
    for (const Finding& finding : findings)
        if (finding.fault != Fault::None)
            return &finding;
    return nullptr;
}

std::vector<Order> LineVerdict::OrdersInForce() const
{
    std::vector<Order> orders;
    for (const Finding& finding : findings)
        if (finding.order)
            orders.push_back(*finding.order);
    return orders;
}

} // namespace orders
