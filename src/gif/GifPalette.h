#pragma once

#include "picture/RgbImage.h"

#include <array>
#include <cstdint>
#include <vector>

/// One frame of an animation in at most 256 colours: the rectangle of the
/// picture that changed since the frame before, as palette indexes.
struct CIndexedFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    /// width x height indexes, row by row.
    std::vector<uint8_t> pixels;
    /// 0x00RRGGBB per index; colours entries are used.
    std::array<uint32_t, 256> palette{};
    int colours = 0;
    /// The index that leaves the frame before showing through, or -1.
    int transparent = -1;
};

/// Reduces frame to 256 colours. Without previous (or with one of another
/// size) the whole frame is indexed; otherwise only the smallest rectangle
/// holding every changed pixel, the unchanged pixels in it transparent. The
/// most frequent colours of the pixels that are written are kept exactly
/// (a board picture's own colours all fit), every other one becomes the
/// nearest kept colour.
CIndexedFrame IndexFrame(const CRgbImage& frame, const CRgbImage* previous);
