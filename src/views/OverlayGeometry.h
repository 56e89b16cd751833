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

/// A circle outline: a hold, a build, a dislodged unit.
struct COverlayRing {
    COverlayPointF centre;
    double radius = 1;
    uint32_t colour = 0;
    double width = 1;
    bool dashed = false;
};

/// An X: a failed move's end, a disbanded, destroyed or removed unit.
struct COverlayCross {
    COverlayPointF centre;
    double halfSize = 1;
    uint32_t colour = 0;
    double width = 1;
};

/// Everything to stroke, in target pixels and in drawing order (lines, then
/// rings, then crosses). Each shape is drawn first in kOverlayOutlineColour,
/// outlineWidth wider, then in its own colour, so it stays visible on any
/// part of the board.
struct COverlayShapes {
    std::vector<COverlayLine> lines;
    std::vector<COverlayRing> rings;
    std::vector<COverlayCross> crosses;
    double outlineWidth = 1;
};

inline constexpr uint32_t kOverlayOutlineColour = 0x141414;

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

/// Lays the marks out on the target. Province positions are the units'
/// places; lines start and end a little off them so that the unit pictures
/// stay visible. colours[i] is country i's colour (a country without one is
/// drawn black).
COverlayShapes LayOutOverlay(const COrderOverlay& overlay, const std::vector<uint32_t>& colours,
                             const COverlayTransform& transform);
