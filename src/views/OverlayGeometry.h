#pragma once

#include "views/OrderOverlay.h"

#include <cstdint>
#include <vector>

/// A point on the target surface, in its pixels, fractions kept for
/// antialiased drawing.
struct COverlayPointF {
    double x = 0;
    double y = 0;
    friend bool operator==(const COverlayPointF&, const COverlayPointF&) = default;
};

/// How a line of the overlay is stroked.
enum class OverlayLineStyle { Solid, Dashed, Dotted };

/// A stroked path: moves and retreats with a head at the end, supports and
/// convoys thinner and without one.
struct COverlayLine {
    std::vector<COverlayPointF> points;
    uint32_t colour = 0;
    double width = 1;
    OverlayLineStyle style = OverlayLineStyle::Solid;
    bool arrowHead = false;
};

/// A circle outline: a hold, a build, a supported holding unit, a dislodged
/// unit.
struct COverlayRing {
    COverlayPointF centre;
    double radius = 1;
    uint32_t colour = 0;
    double width = 1;
    bool dashed = false;
    /// Degrees of the circle left open at its top, centred on straight up:
    /// the board writes a province's name just above the unit's place.
    double openTop = 0;
};

/// An X: a failed move's end, a disbanded, destroyed or removed unit.
struct COverlayCross {
    COverlayPointF centre;
    double halfSize = 1;
    uint32_t colour = 0;
    double width = 1;
};

/// A unit the overlay draws itself: a dislodged unit, at its own place
/// beside the unit that took its province. Its picture (the map's army or
/// fleet, filled with colour) fills the rectangle at topLeft.
struct COverlayUnit {
    COverlayPointF topLeft;
    double width = 0;
    double height = 0;
    uint32_t colour = 0;
    bool fleet = false;
};

inline constexpr uint32_t kOverlayOutlineColour = 0x141414;

/// Everything to draw, in target pixels and in drawing order (units, lines,
/// rings, crosses). Each stroked shape is drawn first in
/// kOverlayOutlineColour, outlineWidth wider, then in its own colour, so it
/// stays visible on any part of the board.
struct COverlayShapes {
    std::vector<COverlayUnit> units;
    std::vector<COverlayLine> lines;
    std::vector<COverlayRing> rings;
    std::vector<COverlayCross> crosses;
    double outlineWidth = 1;
    /// The colour every shape is first drawn in (kOverlayOutlineColour unless
    /// the shapes are of another kind, such as drafted orders).
    uint32_t outlineColour = kOverlayOutlineColour;
};

/// Where the board picture lands on the target: target = picture * scale + offset.
struct COverlayTransform {
    double scaleX = 1;
    double scaleY = 1;
    double offsetX = 0;
    double offsetY = 0;
};

/// The size factor of strokes and marks for a transform: the smaller scale,
/// never below 1 so that a shrunk map keeps strokes a reader can see.
double OverlayStrokeScale(const COverlayTransform& transform);

/// The point halfway along line's path (by length), where a support of the
/// move it draws ends.
COverlayPointF LineMiddle(const COverlayLine& line);

/// Where a unit dislodged from the province at pos is drawn: beside the unit
/// that took the province, below and to the right of it, so that both show.
/// The orders of a dislodged unit (its own order, its retreat or disband)
/// start there.
MapPos DislodgedPlace(MapPos pos);

/// Lays the marks out on the target. Province positions are the units'
/// places; lines start and end a little off them so that the unit pictures
/// stay visible. A support of a move is a thin dashed line to the middle of
/// the supported move's arrow, a support to hold one to a ring round the held
/// unit; a cut support carries a small cross at its middle. Rings stay open
/// where the province's name is written. colours[i] is country i's colour (a
/// country without one is drawn black).
COverlayShapes LayOutOverlay(const COrderOverlay& overlay, const std::vector<uint32_t>& colours,
                             const COverlayTransform& transform);
