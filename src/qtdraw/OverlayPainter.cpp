#include "qtdraw/OverlayPainter.h"

#include "views/UnitPictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <map>

namespace {

QColor ToColour(uint32_t rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

QPointF ToPoint(const COverlayPointF& p)
{
    return {p.x, p.y};
}

Qt::PenStyle ToStyle(OverlayLineStyle style)
{
    switch (style) {
    case OverlayLineStyle::Dashed: return Qt::DashLine;
    case OverlayLineStyle::Dotted: return Qt::DotLine;
    default: return Qt::SolidLine;
    }
}

// The head's three corners at the end of the last segment.
QPolygonF ArrowHead(const COverlayLine& line)
{
    const COverlayPointF& tip = line.points.back();
    const COverlayPointF& before = line.points[line.points.size() - 2];
    const double dx = tip.x - before.x;
    const double dy = tip.y - before.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0)
        return {};
    const double ux = dx / length;
    const double uy = dy / length;
    const double back = std::min(line.width * 3.2, length * 0.6);
    const double half = line.width * 1.9;
    const QPointF base(tip.x - ux * back, tip.y - uy * back);
    return QPolygonF({QPointF(tip.x, tip.y), base + QPointF(-uy * half, ux * half),
                      base + QPointF(uy * half, -ux * half)});
}

// The line stops where the head begins, so a dashed line ends in a whole head.
QPainterPath LinePath(const COverlayLine& line, const QPolygonF& head)
{
    QPainterPath path(ToPoint(line.points.front()));
    for (size_t i = 1; i + 1 < line.points.size(); ++i)
        path.lineTo(ToPoint(line.points[i]));
    if (!head.isEmpty()) {
        const QPointF base = (head[1] + head[2]) / 2;
        path.lineTo(base);
    } else {
        path.lineTo(ToPoint(line.points.back()));
    }
    return path;
}

void StrokeLine(QPainter& painter, const COverlayLine& line, double outline, const QColor& halo, bool outlinePass)
{
    if (line.points.size() < 2)
        return;
    const QPolygonF head = line.arrowHead ? ArrowHead(line) : QPolygonF();
    const QColor colour = outlinePass ? halo : ToColour(line.colour);
    const double width = outlinePass ? line.width + 2 * outline : line.width;
    QPen pen(colour, width, outlinePass ? Qt::SolidLine : ToStyle(line.style), Qt::FlatCap, Qt::RoundJoin);
    if (outlinePass && line.style != OverlayLineStyle::Solid)
        pen.setStyle(ToStyle(line.style));
    if (line.style == OverlayLineStyle::Dashed) {
        pen.setCapStyle(Qt::FlatCap);
        // Dashes measured in line widths: scale with the line.
        pen.setDashPattern(outlinePass ? QList<qreal>{3.0 * line.width / width, 1.6 * line.width / width}
                                       : QList<qreal>{3.0, 1.6});
    } else if (line.style == OverlayLineStyle::Dotted) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setDashPattern(outlinePass ? QList<qreal>{0.01, 2.4 * line.width / width}
                                       : QList<qreal>{0.01, 2.4});
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(LinePath(line, head));
    if (!head.isEmpty()) {
        painter.setPen(QPen(outlinePass ? colour : halo, outlinePass ? 2 * outline : outline * 0.6,
                            Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        painter.setBrush(colour);
        painter.drawPolygon(head);
    }
}

void StrokeRing(QPainter& painter, const COverlayRing& ring, double outline, const QColor& halo, bool outlinePass)
{
    QPen pen(outlinePass ? halo : ToColour(ring.colour),
             outlinePass ? ring.width + 2 * outline : ring.width, Qt::SolidLine, Qt::FlatCap);
    if (ring.dashed)
        pen.setDashPattern(outlinePass ? QList<qreal>{2.5 * ring.width / pen.widthF(), 1.5 * ring.width / pen.widthF()}
                                       : QList<qreal>{2.5, 1.5});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF box(ring.centre.x - ring.radius, ring.centre.y - ring.radius, 2 * ring.radius, 2 * ring.radius);
    if (ring.openTop <= 0) {
        painter.drawEllipse(box);
        return;
    }
    // Qt's arcs are in sixteenths of a degree, counter-clockwise from three
    // o'clock: start at the opening's left edge and go round the bottom.
    const double start = 90 + ring.openTop / 2;
    painter.drawArc(box, int(std::lround(start * 16)), int(std::lround((360 - ring.openTop) * 16)));
}

// The map's unit picture filled with colour, transparent outside its mask.
QImage UnitImage(bool fleet, uint32_t colour)
{
    const CUnitPicture& art = fleet ? FleetPicture() : ArmyPicture();
    CRgbImage picture = art.picture;
    for (const CRasterPoint& p : art.fillPoints)
        raster::FloodFill(picture, p.x, p.y, raster::kBlack, colour);
    QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            image.setPixel(x, y, art.mask.Bit(x, y) ? QRgb(0xFF000000u | picture.Row(y)[x]) : QRgb(0));
    return image;
}

void DrawUnits(QPainter& painter, const std::vector<COverlayUnit>& units)
{
    std::map<std::pair<bool, uint32_t>, QImage> images;
    for (const COverlayUnit& unit : units) {
        auto [at, added] = images.try_emplace({unit.fleet, unit.colour});
        if (added)
            at->second = UnitImage(unit.fleet, unit.colour);
        painter.drawImage(QRectF(unit.topLeft.x, unit.topLeft.y, unit.width, unit.height), at->second);
    }
}

void StrokeCross(QPainter& painter, const COverlayCross& cross, double outline, const QColor& halo, bool outlinePass)
{
    painter.setPen(QPen(outlinePass ? halo : ToColour(cross.colour),
                        outlinePass ? cross.width + 2 * outline : cross.width, Qt::SolidLine,
                        outlinePass ? Qt::SquareCap : Qt::FlatCap));
    const QPointF c = ToPoint(cross.centre);
    const double h = cross.halfSize;
    painter.drawLine(c + QPointF(-h, -h), c + QPointF(h, h));
    painter.drawLine(c + QPointF(-h, h), c + QPointF(h, -h));
}

} // namespace

void PaintOverlayShapes(QPainter& painter, const COverlayShapes& shapes)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double outline = shapes.outlineWidth;
    DrawUnits(painter, shapes.units);
    const QColor halo = ToColour(shapes.outlineColour);
    // Shape by shape, outline then colour, so a later shape's outline
    // separates it from an earlier one it crosses.
    for (const COverlayLine& line : shapes.lines) {
        StrokeLine(painter, line, outline, halo, true);
        StrokeLine(painter, line, outline, halo, false);
    }
    for (const COverlayRing& ring : shapes.rings) {
        StrokeRing(painter, ring, outline, halo, true);
        StrokeRing(painter, ring, outline, halo, false);
    }
    for (const COverlayCross& cross : shapes.crosses) {
        StrokeCross(painter, cross, outline, halo, true);
        StrokeCross(painter, cross, outline, halo, false);
    }
    painter.restore();
}
