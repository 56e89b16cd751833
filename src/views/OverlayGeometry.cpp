#include "views/OverlayGeometry.h"

#include "views/UnitPictures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

namespace {

// Sizes on the board picture at actual size, in its pixels. A unit picture
// is 24 x 16, so a ring of radius 12 goes round it.
constexpr double kMoveWidth = 3.0;
constexpr double kThinWidth = 1.4;
constexpr double kRingRadius = 12;
constexpr double kSupportRingRadius = 15;
constexpr double kDislodgedRadius = 15;
constexpr double kRingWidth = 2.4;
constexpr double kCrossHalf = 5;
constexpr double kCutCrossHalf = 3.5;
constexpr double kCrossWidth = 3.0;
constexpr double kOutline = 1.0;
// A province's name sits on the board just above its unit's place: the top
// of a ring round the unit stays open so the name can be read.
constexpr double kOpenTop = 120;
// How far an arrow stops short of the unit at its end.
constexpr double kEndGap = 7;
// The middle of the unit pictures relative to a province position: between
// the army (drawn from x - 7, y - 5) and the fleet (from x - 12, y - 7).
constexpr double kCentreX = 2;
constexpr double kCentreY = 2;
// A dislodged unit's place relative to its province's: half a unit picture
// down and to the right, clear of the name above the province's unit.
constexpr int kDislodgedDx = 11;
constexpr int kDislodgedDy = 9;

COverlayPointF Middle(COverlayPointF a, COverlayPointF b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

double Distance(COverlayPointF a, COverlayPointF b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Moves to by gap towards from, never past the middle of the two.
COverlayPointF PullBack(COverlayPointF from, COverlayPointF to, double gap)
{
    const double length = Distance(from, to);
    if (length <= 0)
        return to;
    const double keep = std::max(length - gap, length / 2) / length;
    return {from.x + (to.x - from.x) * keep, from.y + (to.y - from.y) * keep};
}

class CLayout {
public:
    CLayout(const std::vector<uint32_t>& colours, const COverlayTransform& transform)
        : m_colours(colours), m_t(transform), m_s(OverlayStrokeScale(transform))
    {
        m_shapes.outlineWidth = kOutline * m_s;
    }

    COverlayPointF Target(double x, double y) const
    {
        return {x * m_t.scaleX + m_t.offsetX, y * m_t.scaleY + m_t.offsetY};
    }

    COverlayPointF At(MapPos p) const { return Target(p.x + kCentreX, p.y + kCentreY); }

    double Scale() const { return m_s; }

    uint32_t Colour(int country) const
    {
        return country >= 0 && size_t(country) < m_colours.size() ? m_colours[size_t(country)] : 0x000000;
    }

    COverlayLine MakeLine(std::vector<COverlayPointF> points, int country, double width, OverlayLineStyle style,
                          bool head) const
    {
        if (head && points.size() >= 2)
            points.back() = PullBack(points[points.size() - 2], points.back(), kEndGap * m_s);
        return {std::move(points), Colour(country), width * m_s, style, head};
    }

    void Add(COverlayLine line) { m_shapes.lines.push_back(std::move(line)); }

    void Ring(COverlayPointF centre, int country, double radius, double width, bool dashed)
    {
        m_shapes.rings.push_back({centre, radius * m_s, Colour(country), width * m_s, dashed, kOpenTop});
    }

    void Cross(COverlayPointF centre, int country, double half = kCrossHalf)
    {
        m_shapes.crosses.push_back({centre, half * m_s, Colour(country), kCrossWidth * m_s * half / kCrossHalf});
    }

    // The unit picture of a dislodged unit at place, once per place.
    void Unit(MapPos place, int country, bool fleet)
    {
        const std::pair<int, int> key{place.x, place.y};
        if (!m_unitsAt.insert(key).second)
            return;
        const CUnitPicture& art = fleet ? FleetPicture() : ArmyPicture();
        const COverlayPointF topLeft = Target(place.x + art.offset.x, place.y + art.offset.y);
        m_shapes.units.push_back({topLeft, CUnitPicture::kWidth * m_t.scaleX, CUnitPicture::kHeight * m_t.scaleY,
                                  Colour(country), fleet});
    }

    COverlayShapes Take() { return std::move(m_shapes); }

private:
    const std::vector<uint32_t>& m_colours;
    COverlayTransform m_t;
    double m_s;
    COverlayShapes m_shapes;
    std::set<std::pair<int, int>> m_unitsAt;
};

// The provinces a unit was dislodged from this season: its movement's
// dislodged marks, or the sources of its retreats and disbands.
std::set<std::string> DislodgedProvinces(const COrderOverlay& overlay)
{
    std::set<std::string> provinces;
    for (const COverlayMark& mark : overlay.marks) {
        const bool gone = mark.kind == OverlayMarkKind::Dislodged || mark.kind == OverlayMarkKind::Retreat ||
                          mark.kind == OverlayMarkKind::Disband;
        if (gone && !mark.provinces.empty())
            provinces.insert(mark.provinces[0]);
    }
    return provinces;
}

// A mark's points on the target. The unit that gives the order (and the
// unit a support or convoy names) stands at its dislodged place when it was
// dislodged.
std::vector<COverlayPointF> MarkPoints(const CLayout& layout, const COverlayMark& mark,
                                       const std::set<std::string>& dislodged)
{
    const bool namesUnit = mark.kind == OverlayMarkKind::Support || mark.kind == OverlayMarkKind::Convoy;
    std::vector<COverlayPointF> points;
    for (size_t i = 0; i < mark.points.size(); ++i) {
        const bool unitAt = i == 0 || (i == 1 && namesUnit);
        const bool moved = unitAt && i < mark.provinces.size() && dislodged.contains(mark.provinces[i]);
        points.push_back(layout.At(moved ? DislodgedPlace(mark.points[i]) : mark.points[i]));
    }
    return points;
}

// Source and destination province of a move: how a support names it.
using MoveKey = std::pair<std::string, std::string>;

} // namespace

double OverlayStrokeScale(const COverlayTransform& transform)
{
    return std::max(1.0, std::min(std::fabs(transform.scaleX), std::fabs(transform.scaleY)));
}

MapPos DislodgedPlace(MapPos pos)
{
    return {pos.x + kDislodgedDx, pos.y + kDislodgedDy};
}

COverlayPointF LineMiddle(const COverlayLine& line)
{
    if (line.points.empty())
        return {};
    double total = 0;
    for (size_t i = 1; i < line.points.size(); ++i)
        total += Distance(line.points[i - 1], line.points[i]);
    double left = total / 2;
    for (size_t i = 1; i < line.points.size(); ++i) {
        const double step = Distance(line.points[i - 1], line.points[i]);
        if (step > 0 && left <= step) {
            const double t = left / step;
            const COverlayPointF& a = line.points[i - 1];
            const COverlayPointF& b = line.points[i];
            return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
        }
        left -= step;
    }
    return line.points.back();
}

COverlayShapes LayOutOverlay(const COrderOverlay& overlay, const std::vector<uint32_t>& colours,
                             const COverlayTransform& transform)
{
    CLayout layout(colours, transform);
    const std::set<std::string> dislodged = DislodgedProvinces(overlay);

    // The arrows first, so that supports can end on them; drawn last, over
    // the thin lines.
    std::vector<COverlayLine> arrows;
    std::map<MoveKey, size_t> arrowOf;
    for (const COverlayMark& mark : overlay.marks) {
        if ((mark.kind != OverlayMarkKind::Move && mark.kind != OverlayMarkKind::Retreat) || mark.points.size() < 2)
            continue;
        const OverlayLineStyle style = mark.failed ? OverlayLineStyle::Dashed : OverlayLineStyle::Solid;
        arrowOf.emplace(MoveKey{mark.provinces.front(), mark.provinces.back()}, arrows.size());
        arrows.push_back(layout.MakeLine(MarkPoints(layout, mark, dislodged), mark.country, kMoveWidth, style, true));
    }

    for (const COverlayMark& mark : overlay.marks) {
        const std::vector<COverlayPointF> points = MarkPoints(layout, mark, dislodged);
        if (mark.kind == OverlayMarkKind::Support && points.size() >= 3) {
            // To the middle of the supported move's arrow; a move the season
            // does not hold (a void support) has its straight line's middle.
            const auto arrow = arrowOf.find({mark.provinces[1], mark.provinces[2]});
            const COverlayPointF to = arrow != arrowOf.end() ? LineMiddle(arrows[arrow->second])
                                                              : Middle(points[1], points[2]);
            layout.Add(layout.MakeLine({points[0], to}, mark.country, kThinWidth, OverlayLineStyle::Dashed, false));
            if (mark.failed)
                layout.Cross(Middle(points[0], to), mark.country, kCutCrossHalf);
        } else if (mark.kind == OverlayMarkKind::Support && points.size() == 2) {
            // To the edge of a ring round the held unit.
            const double radius = kSupportRingRadius * layout.Scale();
            const COverlayPointF to = PullBack(points[0], points[1], radius);
            layout.Add(layout.MakeLine({points[0], to}, mark.country, kThinWidth, OverlayLineStyle::Dashed, false));
            layout.Ring(points[1], mark.country, kSupportRingRadius, kThinWidth, false);
            if (mark.failed)
                layout.Cross(Middle(points[0], to), mark.country, kCutCrossHalf);
        } else if (mark.kind == OverlayMarkKind::Convoy && points.size() >= 3) {
            // The army's route through the convoying fleet.
            layout.Add(layout.MakeLine({points[1], points[0], points[2]}, mark.country, kThinWidth,
                                       OverlayLineStyle::Dotted, false));
        }
    }
    for (COverlayLine& arrow : arrows)
        layout.Add(std::move(arrow));

    for (const COverlayMark& mark : overlay.marks) {
        if (mark.points.empty())
            continue;
        const std::vector<COverlayPointF> points = MarkPoints(layout, mark, dislodged);
        switch (mark.kind) {
        case OverlayMarkKind::Move:
        case OverlayMarkKind::Retreat:
            if (mark.kind == OverlayMarkKind::Retreat)
                layout.Unit(DislodgedPlace(mark.points[0]), mark.country, mark.fleet);
            // A retreat that failed destroys its unit: the cross is on the unit.
            if (mark.kind == OverlayMarkKind::Move && points.size() >= 2 && mark.failed)
                layout.Cross(points.back(), mark.country);
            break;
        case OverlayMarkKind::Hold:
        case OverlayMarkKind::Build:
            layout.Ring(points[0], mark.country, kRingRadius, kRingWidth, false);
            // A drafted hold the Judge will not take, or a unit it has no
            // order for: results never mark a hold failed.
            if (mark.failed)
                layout.Cross(points[0], mark.country);
            break;
        case OverlayMarkKind::Dislodged:
            layout.Unit(DislodgedPlace(mark.points[0]), mark.country, mark.fleet);
            // Crossed only in the retreat season, if it is disbanded or destroyed.
            layout.Ring(points[0], mark.country, kDislodgedRadius, kRingWidth, true);
            break;
        case OverlayMarkKind::Disband:
            layout.Unit(DislodgedPlace(mark.points[0]), mark.country, mark.fleet);
            layout.Cross(points[0], mark.country);
            break;
        case OverlayMarkKind::Remove:
            layout.Cross(points[0], mark.country);
            break;
        case OverlayMarkKind::Support:
        case OverlayMarkKind::Convoy:
            break;
        }
    }
    return layout.Take();
}
