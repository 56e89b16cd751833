#include "cli/PngWriter.h"

#include <QImage>
#include <QImageWriter>
#include <QString>

bool WritePngFile(const CRgbImage& image, const std::string& path, std::string& error)
{
    if (image.Width() <= 0 || image.Height() <= 0) {
        error = "the picture is empty";
        return false;
    }
    QImage picture(image.Width(), image.Height(), QImage::Format_RGB32);
    if (picture.isNull()) {
        error = "out of memory";
        return false;
    }
    for (int y = 0; y < image.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const uint32_t* source = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            line[x] = 0xFF000000u | source[x];
    }
    QImageWriter writer(QString::fromLocal8Bit(path.c_str()), "png");
    if (!writer.write(picture)) {
        error = writer.errorString().toStdString();
        return false;
    }
    return true;
}
