#include "orders/DraftOverlay.h"

namespace orders {

namespace {

OverlayMarkKind MarkKind(OrderKind kind)
{
    switch (kind) {
    case OrderKind::Hold: return OverlayMarkKind::Hold;
    case OrderKind::Move: return OverlayMarkKind::Move;
    case OrderKind::Support: return OverlayMarkKind::Support;
    case OrderKind::Convoy: return OverlayMarkKind::Convoy;
    case OrderKind::Retreat: return OverlayMarkKind::Retreat;
    case OrderKind::Disband: return OverlayMarkKind::Disband;
    case OrderKind::Build: return OverlayMarkKind::Build;
    case OrderKind::Remove:
    case OrderKind::Waive: break;
    }
    return OverlayMarkKind::Remove;
}

// The places an order names, in the order the overlay draws them.
std::vector<Place> Places(const Order& order)
{
    std::vector<Place> places{order.at};
    switch (order.kind) {
    case OrderKind::Move:
        for (int sea : order.route)
            places.push_back({sea, Coast::None});
        places.push_back(order.to);
        break;
    case OrderKind::Retreat:
        places.push_back(order.to);
        break;
    case OrderKind::Support:
    case OrderKind::Convoy:
        places.push_back(order.other);
        if (order.to.province != order.other.province)
            places.push_back(order.to);
        break;
    default:
        break;
    }
    return places;
}

} // namespace

COrderOverlay BuildDraftOverlay(const SetVerdict& verdict, const Geography& geography, const BoardPoints& points,
                                int country)
{
    COrderOverlay overlay;
    for (const LineVerdict& line : verdict.lines)
        for (const Order& order : line.OrdersInForce()) {
            if (order.kind == OrderKind::Waive)
                continue;
            COverlayMark mark;
            mark.kind = MarkKind(order.kind);
            mark.country = country;
            mark.fleet = order.unit == UnitType::Fleet;
            mark.failed = line.Refused();
            bool placed = true;
            for (const Place& place : Places(order)) {
                const std::optional<MapPos> point = points.PointOf(place);
                placed = placed && point;
                if (point) {
                    mark.provinces.push_back(geography.ShortPlace(place));
                    mark.points.push_back(*point);
                }
            }
            if (placed)
                overlay.marks.push_back(std::move(mark));
        }
    return overlay;
}

COverlayShapes LayOutDrafts(const COrderOverlay& drafts, const std::vector<uint32_t>& colours,
                            const COverlayTransform& transform)
{
    COverlayShapes shapes = LayOutOverlay(drafts, colours, transform);
    shapes.outlineColour = kDraftOutlineColour;
    return shapes;
}

} // namespace orders
