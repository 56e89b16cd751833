#include "qtdraw/MapDrawing.h"

#include "model/KestraneDoc.h"
#include "qtdraw/OverlayPainter.h"
#include "views/BareBoard.h"
#include "views/OrderOverlay.h"
#include "views/SmoothScale.h"

#include <QPainter>

QImage WrapPicture(const CRgbImage& picture)
{
    return QImage(reinterpret_cast<const uchar*>(picture.Pixels().data()), picture.Width(), picture.Height(),
                  picture.Width() * 4, QImage::Format_RGB32);
}

QImage OpaqueImage(const CRgbImage& picture)
{
    QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    for (int y = 0; y < picture.Height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        const uint32_t* from = picture.Row(y);
        for (int x = 0; x < picture.Width(); ++x)
            row[x] = from[x] | 0xFF000000u;
    }
    return image;
}

std::vector<uint32_t> CountryColours(const CKestraneDoc& doc)
{
    std::vector<uint32_t> colours;
    for (const CCountry& country : doc.m_countries)
        colours.push_back(CRgbImage::Rgb(country.Red(), country.Green(), country.Blue()));
    return colours;
}

COverlayShapes SeasonOverlayShapes(const CKestraneDoc& doc, const COverlayTransform& transform)
{
    const CSeasonHdr* season = doc.GetCurrentSeason();
    if (!season)
        return {};
    return LayOutOverlay(BuildOrderOverlay(doc, *season), CountryColours(doc), transform);
}

namespace {

// The orders over a picture whose from rectangle was drawn into to.
void PaintOrdersOver(QPainter& painter, const QRect& to, const QRect& from, const CKestraneDoc& doc)
{
    if (from.isEmpty())
        return;
    COverlayTransform transform;
    transform.scaleX = double(to.width()) / from.width();
    transform.scaleY = double(to.height()) / from.height();
    transform.offsetX = to.x() - from.x() * transform.scaleX;
    transform.offsetY = to.y() - from.y() * transform.scaleY;
    painter.save();
    painter.setClipRect(to, Qt::IntersectClip);
    PaintOverlayShapes(painter, SeasonOverlayShapes(doc, transform));
    painter.restore();
}

bool ScalesSmoothly(const CMapDrawOptions& options, const QRect& to, const QRect& from, QSize picture)
{
    return options.smooth && from == QRect(QPoint(0, 0), picture) && to.size() != from.size() && !to.isEmpty();
}

} // namespace

void DrawComposedMap(QPainter& painter, const QRect& to, const CRgbImage& picture, const QRect& from,
                     const CKestraneDoc& doc, const CMapDrawOptions& options, CSmoothZoomCache* cache)
{
    if (ScalesSmoothly(options, to, from, QSize(picture.Width(), picture.Height()))) {
        if (cache) {
            const CRgbImage& scaled = cache->Scale(picture, ComposeBareBoard(doc), to.width(), to.height());
            painter.drawImage(to.topLeft(), WrapPicture(scaled));
        } else {
            CRgbImage scaled(to.width(), to.height());
            raster::SmoothScale(scaled, picture);
            // A copy that owns its pixels: a print preview plays the
            // drawing back after this returns.
            painter.drawImage(to.topLeft(), OpaqueImage(scaled));
        }
    } else {
        painter.drawImage(to, WrapPicture(picture), from);
    }
    if (options.orders)
        PaintOrdersOver(painter, to, from, doc);
}

void DrawComposedMap(QPainter& painter, const QRect& to, const QImage& picture, const QRect& from,
                     const CKestraneDoc& doc, const CMapDrawOptions& options)
{
    if (ScalesSmoothly(options, to, from, picture.size())) {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        CRgbImage pixels(rgb.width(), rgb.height());
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            uint32_t* row = pixels.Row(y);
            for (int x = 0; x < rgb.width(); ++x)
                row[x] = line[x] & 0x00FFFFFFu;
        }
        CRgbImage scaled(to.width(), to.height());
        raster::SmoothScale(scaled, pixels);
        painter.drawImage(to.topLeft(), OpaqueImage(scaled));
    } else {
        // picture owns its pixels, so a recorded drawing stays valid.
        painter.drawImage(to, picture, from);
    }
    if (options.orders)
        PaintOrdersOver(painter, to, from, doc);
}

QImage RenderMapPicture(const CKestraneDoc& doc, const CDisplaySettings& settings, QSize size,
                        const CMapDrawOptions& options, const CRenderOptions& render, int dpiY)
{
    const CRgbImage picture = ComposeSeason(doc, settings, dpiY, render);
    if (picture.Width() <= 0 || picture.Height() <= 0)
        return {};
    if (size.isEmpty())
        size = QSize(picture.Width(), picture.Height());
    // Scaled in the core, so that without the overlay the picture is the
    // one the plain nearest-pixel copy has always made.
    CRgbImage scaled(size.width(), size.height(), raster::kWhite);
    if (options.smooth && size != QSize(picture.Width(), picture.Height()))
        raster::SmoothScale(scaled, picture);
    else
        raster::StretchCopy(scaled, {0, 0, size.width(), size.height()}, picture,
                            {0, 0, picture.Width(), picture.Height()});
    QImage image = OpaqueImage(scaled);
    if (image.isNull())
        return {};
    if (options.orders) {
        COverlayTransform transform;
        transform.scaleX = double(size.width()) / picture.Width();
        transform.scaleY = double(size.height()) / picture.Height();
        QPainter painter(&image);
        PaintOverlayShapes(painter, SeasonOverlayShapes(doc, transform));
    }
    return image;
}
