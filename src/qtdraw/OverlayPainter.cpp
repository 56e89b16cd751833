#include "qtdraw/OverlayPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

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

void StrokeLine(QPainter& painter, const COverlayLine& line, double outline, bool outlinePass)
{
    if (line.points.size() < 2)
        return;
    const QPolygonF head = line.arrowHead ? ArrowHead(line) : QPolygonF();
    const QColor colour = outlinePass ? ToColour(kOverlayOutlineColour) : ToColour(line.colour);
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
        painter.setPen(QPen(outlinePass ? colour : ToColour(kOverlayOutlineColour), outlinePass ? 2 * outline : outline * 0.6,
                            Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        painter.setBrush(colour);
        painter.drawPolygon(head);
    }
}

void StrokeRing(QPainter& painter, const COverlayRing& ring, double outline, bool outlinePass)
{
    QPen pen(outlinePass ? ToColour(kOverlayOutlineColour) : ToColour(ring.colour),
             outlinePass ? ring.width + 2 * outline : ring.width);
    if (ring.dashed)
        pen.setDashPattern(outlinePass ? QList<qreal>{2.5 * ring.width / pen.widthF(), 1.5 * ring.width / pen.widthF()}
                                       : QList<qreal>{2.5, 1.5});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ToPoint(ring.centre), ring.radius, ring.radius);
}

void StrokeCross(QPainter& painter, const COverlayCross& cross, double outline, bool outlinePass)
{
    painter.setPen(QPen(outlinePass ? ToColour(kOverlayOutlineColour) : ToColour(cross.colour),
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
    // Shape by shape, outline then colour, so a later shape's outline
    // separates it from an earlier one it crosses.
    for (const COverlayLine& line : shapes.lines) {
        StrokeLine(painter, line, outline, true);
        StrokeLine(painter, line, outline, false);
    }
    for (const COverlayRing& ring : shapes.rings) {
        StrokeRing(painter, ring, outline, true);
        StrokeRing(painter, ring, outline, false);
    }
    for (const COverlayCross& cross : shapes.crosses) {
        StrokeCross(painter, cross, outline, true);
        StrokeCross(painter, cross, outline, false);
    }
    painter.restore();
}
