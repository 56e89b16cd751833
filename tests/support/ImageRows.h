#pragma once

#include "picture/RgbImage.h"

#include <string>
#include <vector>

/// The image as text, top row first: each pixel as cell writes it, the
/// pixels of a row joined by separator.
template <class Cell>
std::vector<std::string> ImageRows(const CRgbImage& image, Cell cell, const std::string& separator = "")
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.Height(); ++y) {
        std::string row;
        for (int x = 0; x < image.Width(); ++x) {
            if (x > 0)
                row += separator;
            row += cell(image.Pixel(x, y));
        }
        rows.push_back(row);
    }
    return rows;
}
