#pragma once

#include <array>

/// The sizes View, Zoom In and Zoom Out step through, in percent of the
/// board picture's own size.
inline constexpr std::array<int, 11> kZoomSteps{25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400};

/// The first step larger than percent; the largest step when none is.
int ZoomInStep(int percent);

/// The first step smaller than percent; the smallest step when none is.
int ZoomOutStep(int percent);

/// The size Zoom to Fit shows the picture at in a client area, in percent:
/// the smaller of its two stretches, so that stepping from it starts where
/// the whole board is still in view. 100 for an empty picture or window.
int FittedZoomPercent(int pictureWidth, int pictureHeight, int clientWidth, int clientHeight);
