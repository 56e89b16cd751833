#pragma once

#include "Geo.h"

namespace board {

/// A point on the picture, in pixels (x right, y down), not yet rounded.
struct PlanePoint {
    double x = 0;
    double y = 0;
};

/// Maps degrees to picture pixels. The base is a plain cylindrical
/// projection with the north drawn a little squat, as printed boards do;
/// a gentle magnification round central Europe then gives the crowded
/// provinces there room for a unit, a label and a centre. Only +, -, *
/// and / are used, so every build computes the same pixels.
class Projection {
public:
    /// The picture width in pixels; the height follows from the frame.
    explicit Projection(int width);

    PlanePoint Project(GeoPoint g) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    PlanePoint Unscaled(GeoPoint g) const;

    int m_width;
    int m_height = 0;
    double m_left = 0;
    double m_top = 0;
    double m_scale = 1;
};

} // namespace board
