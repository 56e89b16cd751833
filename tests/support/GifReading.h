#pragma once

#include "picture/RgbImage.h"

#include <gif_lib.h>

#include <string>
#include <vector>

/// Reads an animated GIF back as the pictures a viewer shows, for tests.
namespace gifreading {

struct Animation {
    bool ok = false;
    int width = 0;
    int height = 0;
    /// Each frame composed over the ones before (frames are never disposed).
    std::vector<CRgbImage> frames;
    /// Hundredths of a second per frame.
    std::vector<int> delays;
    bool loops = false;
};

inline Animation Read(const std::string& path)
{
    Animation out;
    int error = 0;
    GifFileType* file = DGifOpenFileName(path.c_str(), &error);
    if (!file)
        return out;
    if (DGifSlurp(file) != GIF_OK) {
        DGifCloseFile(file, &error);
        return out;
    }
    out.width = file->SWidth;
    out.height = file->SHeight;
    CRgbImage canvas(out.width, out.height, 0);
    for (int i = 0; i < file->ImageCount; ++i) {
        const SavedImage& image = file->SavedImages[i];
        GraphicsControlBlock control{};
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(file, i, &control);
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : file->SColorMap;
        const GifImageDesc& d = image.ImageDesc;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[y * d.Width + x];
                if (index == control.TransparentColor || !map || index >= map->ColorCount)
                    continue;
                const GifColorType c = map->Colors[index];
                canvas.PutPixel(d.Left + x, d.Top + y, CRgbImage::Rgb(c.Red, c.Green, c.Blue));
            }
        out.frames.push_back(canvas);
        out.delays.push_back(control.DelayTime);
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                std::string(reinterpret_cast<const char*>(block.Bytes), 11) == "NETSCAPE2.0")
                out.loops = true;
        }
    }
    out.ok = true;
    DGifCloseFile(file, &error);
    return out;
}

} // namespace gifreading
