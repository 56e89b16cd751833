#include "views/OverlayGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Sizes on the board picture at actual size, in its pixels. A unit picture
// is 24 x 16, so a ring of radius 12 goes round it.
constexpr double kMoveWidth = 3.0;
constexpr double kThinWidth = 1.8;
constexpr double kRingRadius = 12;
constexpr double kDislodgedRadius = 15;
constexpr double kRingWidth = 2.4;
constexpr double kCrossHalf = 6;
constexpr double kCrossWidth = 3.0;
constexpr double kOutline = 1.0;
// How far an arrow stops short of the unit at its end.
constexpr double kEndGap = 7;
// The middle of the unit pictures relative to a province position: between
// the army (drawn from x - 7, y - 5) and the fleet (from x - 12, y - 7).
constexpr double kCentreX = 2;
constexpr double kCentreY = 2;

class CLayout {
public:
    CLayout(const std::vector<uint32_t>& colours, const COverlayTransform& transform)
        : m_colours(colours), m_t(transform), m_s(OverlayStrokeScale(transform))
    {
        m_shapes.outlineWidth = kOutline * m_s;
    }

    COverlayPointF At(MapPos p) const
    {
        return {(p.x + kCentreX) * m_t.scaleX + m_t.offsetX, (p.y + kCentreY) * m_t.scaleY + m_t.offsetY};
    }

    uint32_t Colour(int country) const
    {
        return country >= 0 && size_t(country) < m_colours.size() ? m_colours[size_t(country)] : 0x000000;
    }

    void Line(std::vector<COverlayPointF> points, int country, double width, OverlayLineStyle style, bool head)
    {
        if (head)
            ShortenEnd(points, kEndGap * m_s);
        m_shapes.lines.push_back({std::move(points), Colour(country), width * m_s, style, head});
    }

    void Ring(COverlayPointF centre, int country, double radius, bool dashed)
    {
        m_shapes.rings.push_back({centre, radius * m_s, Colour(country), kRingWidth * m_s, dashed});
    }

    void Cross(COverlayPointF centre, int country)
    {
        m_shapes.crosses.push_back({centre, kCrossHalf * m_s, Colour(country), kCrossWidth * m_s});
    }

    COverlayShapes Take() { return std::move(m_shapes); }

private:
    // Pulls the last point back along the last segment, never past its start.
    static void ShortenEnd(std::vector<COverlayPointF>& points, double gap)
    {
        if (points.size() < 2)
            return;
        COverlayPointF& end = points.back();
        const COverlayPointF& before = points[points.size() - 2];
        const double dx = end.x - before.x;
        const double dy = end.y - before.y;
        const double length = std::hypot(dx, dy);
        if (length <= 0)
            return;
        const double keep = std::max(length - gap, length / 2) / length;
        end = {before.x + dx * keep, before.y + dy * keep};
    }

    const std::vector<uint32_t>& m_colours;
    COverlayTransform m_t;
    double m_s;
    COverlayShapes m_shapes;
};

COverlayPointF Middle(COverlayPointF a, COverlayPointF b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

} // namespace

double OverlayStrokeScale(const COverlayTransform& transform)
{
    return std::max(1.0, std::min(std::fabs(transform.scaleX), std::fabs(transform.scaleY)));
}

COverlayShapes LayOutOverlay(const COrderOverlay& overlay, const std::vector<uint32_t>& colours,
                             const COverlayTransform& transform)
{
    CLayout layout(colours, transform);
    std::vector<COverlayPointF> points;
    // Thin lines first, so that moves and marks are drawn over them.
    for (const COverlayMark& mark : overlay.marks) {
        points.clear();
        for (const MapPos& p : mark.points)
            points.push_back(layout.At(p));
        const OverlayLineStyle thin = mark.failed ? OverlayLineStyle::Dashed : OverlayLineStyle::Solid;
        if (mark.kind == OverlayMarkKind::Support && points.size() >= 2) {
            // To the supported unit, or to the middle of the move it supports.
            const COverlayPointF to = points.size() >= 3 ? Middle(points[1], points[2]) : points[1];
            layout.Line({points[0], to}, mark.country, kThinWidth, thin, false);
        } else if (mark.kind == OverlayMarkKind::Convoy && points.size() >= 3) {
            // The army's route through the convoying fleet.
            layout.Line({points[1], points[0], points[2]}, mark.country, kThinWidth, OverlayLineStyle::Dotted, false);
        }
    }
    for (const COverlayMark& mark : overlay.marks) {
        points.clear();
        for (const MapPos& p : mark.points)
            points.push_back(layout.At(p));
        if (points.empty())
            continue;
        switch (mark.kind) {
        case OverlayMarkKind::Move:
        case OverlayMarkKind::Retreat:
            if (points.size() < 2)
                break;
            layout.Line(points, mark.country, kMoveWidth, mark.failed ? OverlayLineStyle::Dashed : OverlayLineStyle::Solid,
                        true);
            if (mark.failed)
                layout.Cross(points.back(), mark.country);
            break;
        case OverlayMarkKind::Hold:
        case OverlayMarkKind::Build:
            layout.Ring(points[0], mark.country, kRingRadius, false);
            break;
        case OverlayMarkKind::Dislodged:
            layout.Ring(points[0], mark.country, kDislodgedRadius, true);
            layout.Cross(points[0], mark.country);
            break;
        case OverlayMarkKind::Disband:
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
