#include "picture/Dib.h"
#include "picture/RgbImage.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

// Loads a bitmap file from arbitrary bytes, decodes it and draws it shrunk
// and enlarged into a small target, partly off its edges.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
    CDIB dib;
    if (!dib.Load(file))
        return 0;
    const CRgbImage decoded = dib.Decode();
    const int rows = dib.Height() < 0 ? -dib.Height() : dib.Height();
    if (decoded.Width() != dib.Width() || decoded.Height() != rows)
        __builtin_trap();
    CRgbImage target(32, 24);
    dib.Draw(target, -5, 3, 40, 17);
    dib.Draw(target, 0, 0, 7, 5);
    return 0;
}
