#pragma once

#include "views/OverlayGeometry.h"

class QPainter;

/// Strokes the overlay's shapes, antialiased: each first in the dark outline
/// colour, wider, then in its country's colour. The painter's state is kept.
void PaintOverlayShapes(QPainter& painter, const COverlayShapes& shapes);
