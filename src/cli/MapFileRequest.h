#pragma once

#include "views/MapPlacement.h"

/// What render and animate ask of the map's drawing: the display settings,
/// the map's size (0 x 0: the board's own), smooth scaling, the orders
/// overlay, and for an animation the time each season is shown.
struct CMapFileRequest {
    CDisplaySettings settings;
    int width = 0;
    int height = 0;
    bool smooth = false;
    bool orders = false;
    bool maskedCopy = true;
    /// Hundredths of a second per frame of an animation.
    int delay = 150;
};
