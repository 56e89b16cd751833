#include "Projection.h"

namespace board {

namespace {

// cos(50 degrees): the width of a degree of longitude at the board's middle.
constexpr double kLonScale = 0.6427876096865394;
// Degrees of latitude north of kSquatFrom count this much.
constexpr double kSquatFrom = 56.0;
constexpr double kSquat = 0.8;
// Magnification round central Europe: strength and squared radius, in
// unscaled units (about degrees of latitude).
constexpr GeoPoint kLensCentre{5.0, 51.0};
constexpr double kLensStrength = 0.5;
constexpr double kLensRadius2 = 110.0;

PlanePoint Cylindrical(GeoPoint g)
{
    const double x = (g.lon - 12.0) * kLonScale;
    double y = 48.0 - g.lat;
    if (g.lat > kSquatFrom)
        y = (48.0 - kSquatFrom) - (g.lat - kSquatFrom) * kSquat;
    return {x, y};
}

} // namespace

Projection::Projection(int width) : m_width(width)
{
    // The frame: the Atlantic west of Ireland, the Caucasus, the Barents Sea
    // and the Libyan shore.
    const double left = Unscaled({-13.0, 52.0}).x;
    const double right = Unscaled({44.5, 48.0}).x;
    const double top = Unscaled({20.0, 72.3}).y;
    const double bottom = Unscaled({20.0, 32.4}).y;
    m_scale = double(width) / (right - left);
    m_left = left;
    m_top = top;
    m_height = int((bottom - top) * m_scale + 0.5);
}

PlanePoint Projection::Unscaled(GeoPoint g) const
{
    const PlanePoint p = Cylindrical(g);
    const PlanePoint c = Cylindrical(kLensCentre);
    const double dx = p.x - c.x;
    const double dy = p.y - c.y;
    const double u = 1.0 + (dx * dx + dy * dy) / kLensRadius2;
    const double f = 1.0 + kLensStrength / (u * u);
    return {c.x + dx * f, c.y + dy * f};
}

PlanePoint Projection::Project(GeoPoint g) const
{
    const PlanePoint p = Unscaled(g);
    return {(p.x - m_left) * m_scale, (p.y - m_top) * m_scale};
}

} // namespace board
