#pragma once

#include "views/MapRenderer.h"
#include "views/OverlayGeometry.h"

#include <QImage>
#include <QRect>

#include <vector>

class CKestraneDoc;
class CSmoothZoomCache;
class QPainter;

/// What the map's own drawing adds to the composed season: smooth scaling
/// and the orders overlay. Both off draws exactly what the plain copy does.
struct CMapDrawOptions {
    bool smooth = false;
    bool orders = false;
};

/// Wraps a composed picture as a QImage without copying; valid while picture lives.
QImage WrapPicture(const CRgbImage& picture);

/// An opaque copy of a composed picture that owns its pixels. The core leaves
/// each pixel's top byte 0, which Qt's RGB32 format takes to be 0xFF; a
/// painter that records the image and scales it later (Print Preview, a
/// printer driver) would read such pixels as transparent.
QImage OpaqueImage(const CRgbImage& picture);

/// Every country's colour, by country index, for the overlay.
std::vector<uint32_t> CountryColours(const CKestraneDoc& doc);

/// The orders of the season on show laid out for a picture placed by
/// transform; none when no season is on show.
COverlayShapes SeasonOverlayShapes(const CKestraneDoc& doc, const COverlayTransform& transform);

/// Copies the from rectangle of the composed picture into to on painter, as
/// the map view does: by nearest pixel, or, with options.smooth and a size
/// that changes, filtered (through cache when given, which keeps the scaled
/// bare board between seasons). Then, with options.orders, the orders of the
/// season on show are drawn over it at the target's own resolution.
void DrawComposedMap(QPainter& painter, const QRect& to, const CRgbImage& picture, const QRect& from,
                     const CKestraneDoc& doc, const CMapDrawOptions& options, CSmoothZoomCache* cache = nullptr);

/// The same for a composed picture already held as a QImage (a printed map
/// keeps its own copy of the pixels).
void DrawComposedMap(QPainter& painter, const QRect& to, const QImage& picture, const QRect& from,
                     const CKestraneDoc& doc, const CMapDrawOptions& options);

/// A finished picture of the season on show: composed with settings'
/// initials and centres, at width x height (0 x 0: the board's own size),
/// drawn with options. dpiY sizes the initials.
QImage RenderMapPicture(const CKestraneDoc& doc, const CDisplaySettings& settings, QSize size,
                        const CMapDrawOptions& options, const CRenderOptions& render = {}, int dpiY = 96);
