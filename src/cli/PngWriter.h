#pragma once

#include "picture/RgbImage.h"

#include <string>

/// Writes image as a PNG file at path; false with the reason on failure.
bool WritePngFile(const CRgbImage& image, const std::string& path, std::string& error);
