#pragma once

#include "views/Raster.h"
#include "picture/RgbImage.h"

#include <vector>

namespace raster {

/// Scales all of source onto all of dest with filtering: each axis is
/// interpolated linearly between the two nearest source pixels when it is
/// enlarged, and averaged over the source pixels a destination pixel covers
/// when it is shrunk. Pixel centres line up, so no edge moves.
void SmoothScale(CRgbImage& dest, const CRgbImage& source);

/// The same, for the destination pixels inside region only; each of them
/// comes out exactly as the whole-picture call makes it.
void SmoothScaleRegion(CRgbImage& dest, const CRgbImage& source, CRasterRect region);

} // namespace raster

/// Scales composed seasons smoothly to one size, as the map view does with
/// smooth zoom on. The bare board scaled to that size is kept; a season
/// differs from the bare board only around its units, circles and letters,
/// so only the destination pixels that read a changed source pixel are
/// filtered again. The result is the same as raster::SmoothScale of the
/// whole picture.
class CSmoothZoomCache {
public:
    /// picture scaled to width x height; bareBoard is the board it was
    /// composed on, of the same size. The image returned lives until the
    /// next call.
    const CRgbImage& Scale(const CRgbImage& picture, const CRgbImage& bareBoard, int width, int height);

    /// Source tiles (16 x 16 pixels) found changed by the last Scale, for tests.
    size_t LastDirtyTiles() const { return m_nLastDirty; }

private:
    void Rebuild(const CRgbImage& bareBoard, int width, int height);

    CRgbImage m_board;
    CRgbImage m_scaledBoard;
    CRgbImage m_result;
    // Destination rectangles the last result changed against the scaled board.
    std::vector<CRasterRect> m_touched;
    size_t m_nLastDirty = 0;
};
