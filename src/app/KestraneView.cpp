#include "app/KestraneView.h"

#include "app/DeferredMessages.h"
#include "app/AppContext.h"
#include "app/OrdersPane.h"
#include "app/TextConv.h"
#include "model/KestraneDoc.h"
#include "qtdraw/MapDrawing.h"
#include "views/MapRenderer.h"
#include "orders/DraftOverlay.h"
#include "orders/OrdersDesk.h"
#include "qtdraw/OverlayPainter.h"
#include "views/ZoomSteps.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {

QRect ToQRect(const CRasterRect& r)
{
    return QRect(r.x, r.y, r.width, r.height);
}

} // namespace

CKestraneView::CKestraneView(CKestraneDoc& doc, CAppContext& context, QWidget* parent)
    : QAbstractScrollArea(parent), m_context(context), m_observation(doc, *this)
{
    setFocusPolicy(Qt::StrongFocus);
    setWhatsThis(tr("The board for the season on show, with every country's units."));
    viewport()->setAutoFillBackground(false);
}

CKestraneView::~CKestraneView() = default;

void CKestraneView::OnInitialUpdate()
{
    if (Doc())
        UpdateScrollSizes(Doc()->m_dib.Width(), Doc()->m_dib.Height());
    viewport()->update();
}

void CKestraneView::OnDocumentUpdate()
{
    viewport()->update();
}

CScreenTarget CKestraneView::ScreenTarget() const
{
    CScreenTarget target;
    target.m_nClientWidth = viewport()->width();
    target.m_nClientHeight = viewport()->height();
    target.m_nDpiY = logicalDpiY();
    return target;
}

void CKestraneView::UpdateScrollSizes(int cx, int cy)
{
    if (!m_cache.Update(cx, cy))
        return;
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setSingleStep(std::max(1, cx / 100));
    verticalScrollBar()->setSingleStep(std::max(1, cy / 100));
    horizontalScrollBar()->setRange(0, std::max(0, cx - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, cy - viewport()->height()));
}

void CKestraneView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    // The ranges depend on the window's size as well as the scroll size.
    const int cx = m_cache.Cx();
    const int cy = m_cache.Cy();
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setRange(0, std::max(0, cx - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, cy - viewport()->height()));
}

void CKestraneView::scrollContentsBy(int, int)
{
    viewport()->update();
}

int CKestraneView::ShownPercent() const
{
    if (!Doc())
        return 100;
    if (!m_context.Display().ZoomToFit())
        return m_context.Settings().m_nZoomPercent;
    return FittedZoomPercent(Doc()->m_dib.Width(), Doc()->m_dib.Height(), viewport()->width(), viewport()->height());
}

void CKestraneView::ZoomIn()
{
    m_context.SetZoomPercent(ZoomInStep(ShownPercent()));
}

void CKestraneView::ZoomOut()
{
    m_context.SetZoomPercent(ZoomOutStep(ShownPercent()));
}

void CKestraneView::ActualSize()
{
    m_context.SetZoomPercent(100);
}

void CKestraneView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta > 0)
        ZoomIn();
    else if (delta < 0)
        ZoomOut();
    event->accept();
}

void CKestraneView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    if (!Doc())
        return;

    CDeferredMessages messages;
    const CDrawResult result = OnDraw(*Doc(), m_context.Display(), ScreenTarget(), messages);
    if (result.screen)
        UpdateScrollSizes(result.screen->m_cxScroll, result.screen->m_cyScroll);
    if (result.blit) {
        const QRect to = ToQRect(result.blit->to).translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
        DrawComposedMap(painter, to, result.picture, ToQRect(result.blit->from), *Doc(), m_context.MapDraw(),
                        &m_smoothZoom);
        if (m_orders && m_orders->Desk() && m_orders->ShowsLatest())
            PaintOrders(painter, to);
    }
    messages.FlushLater(m_context.Services());
}

std::optional<COverlayTransform> CKestraneView::PictureTransform() const
{
    if (!Doc())
        return std::nullopt;
    const CBlit blit = PlaceOnScreen(Doc()->m_dib.Width(), Doc()->m_dib.Height(), m_context.Display(), ScreenTarget()).blit;
    if (blit.from.width <= 0 || blit.from.height <= 0)
        return std::nullopt;
    COverlayTransform transform;
    transform.scaleX = double(blit.to.width) / blit.from.width;
    transform.scaleY = double(blit.to.height) / blit.from.height;
    transform.offsetX = blit.to.x - horizontalScrollBar()->value() - blit.from.x * transform.scaleX;
    transform.offsetY = blit.to.y - verticalScrollBar()->value() - blit.from.y * transform.scaleY;
    return transform;
}

QPoint CKestraneView::ViewPointOf(MapPos point) const
{
    const COverlayTransform t = PictureTransform().value_or(COverlayTransform{});
    return QPointF(point.x * t.scaleX + t.offsetX, point.y * t.scaleY + t.offsetY).toPoint();
}

std::optional<MapPos> CKestraneView::PicturePointOf(QPoint viewPoint) const
{
    const std::optional<COverlayTransform> t = PictureTransform();
    if (!t)
        return std::nullopt;
    return MapPos{int32_t(std::lround((viewPoint.x() - t->offsetX) / t->scaleX)),
                  int32_t(std::lround((viewPoint.y() - t->offsetY) / t->scaleY))};
}

void CKestraneView::mousePressEvent(QMouseEvent* event)
{
    const std::optional<MapPos> point = PicturePointOf(event->position().toPoint());
    if (!m_orders || !m_orders->IsOn() || !point) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    // Orders are for the phase after the latest season: a click on another
    // season first brings the latest back.
    if (!m_orders->ShowsLatest() && Doc())
        Doc()->OnLatestSeason();
    if (event->button() == Qt::LeftButton)
        m_orders->ClickAt(*point);
    else if (event->button() == Qt::RightButton)
        m_orders->MenuAt(*point, event->globalPosition().toPoint());
    event->accept();
}

void CKestraneView::PaintOrders(QPainter& painter, const QRect& to)
{
    const std::optional<COverlayTransform> transform = PictureTransform();
    if (!transform)
        return;
    const orders::OrdersDesk& desk = *m_orders->Desk();
    painter.save();
    painter.setClipRect(to, Qt::IntersectClip);
    PaintOverlayShapes(painter, orders::LayOutDrafts(desk.Overlay(), CountryColours(*Doc()), *transform));
    // The places the next click may pick: a bright ring with a dark edge, so
    // it shows on land, sea and every country's colour.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const double radius = 11 * OverlayStrokeScale(*transform);
    for (const MapPos& point : desk.LitPoints()) {
        const QPointF centre(point.x * transform->scaleX + transform->offsetX,
                             point.y * transform->scaleY + transform->offsetY);
        painter.setPen(QPen(QColor(0, 0, 0), 5 * OverlayStrokeScale(*transform) / 2));
        painter.drawEllipse(centre, radius, radius);
        painter.setPen(QPen(QColor(255, 230, 0), 3 * OverlayStrokeScale(*transform) / 2));
        painter.drawEllipse(centre, radius, radius);
    }
    painter.restore();
}

QImage CKestraneView::RenderedPicture() const
{
    if (!Doc())
        return {};
    CDeferredMessages messages;
    const CDrawResult result = OnDraw(*Doc(), m_context.Display(), ScreenTarget(), messages);
    return OpaqueImage(result.picture);
}

CPrinterTarget CKestraneView::PrinterTarget(const QRect& page, CRasterPoint windowOrigin, int printerDpiY) const
{
    CPrinterTarget target;
    target.m_nHorzRes = page.width();
    target.m_nVertRes = page.height();
    target.m_origin = windowOrigin;
    // The picture is composed as for the screen and scaled onto the page as
    // a whole, so the initials keep the size they have on screen relative to
    // the units. Composed at the printer's resolution they would grow with it
    // (a 600 dpi printer gives letters three times a unit's height).
    target.m_nDpiY = std::min(ScreenTarget().m_nDpiY, printerDpiY);
    // Qt's paint engine scales any image on any printer.
    target.m_nRasterCaps = kRcBitBlt | kRcStretchBlt | kRcStretchDib;
    return target;
}

CKestraneView::CPrintedMap CKestraneView::LayOutPrintedMap(QPrinter& printer, IUserMessages& messages) const
{
    CPrintedMap printed;
    if (!Doc())
        return printed;
    // Device units: printer pixels of the printable area, as MM_TEXT gives.
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const QFontMetrics metrics(QFont(), &printer);
    printed.header = LayoutMapPrintHeader(metrics.ascent() + metrics.descent(), page.left(), page.top(), page.right());
    printed.titleBaseline = printed.header.title.y + metrics.ascent();

    const CDrawResult result =
        OnDraw(*Doc(), m_context.Display(), PrinterTarget(page, printed.header.windowOrigin, printer.resolution()), messages);
    if (result.blit) {
        printed.picture = OpaqueImage(result.picture);
        printed.from = ToQRect(result.blit->from);
        // Logical coordinates with the window origin at the device's (0, 0).
        printed.to = ToQRect(result.blit->to).translated(-printed.header.windowOrigin.x, -printed.header.windowOrigin.y);
    }
    return printed;
}

void CKestraneView::Print(QPrinter& printer)
{
    if (!Doc())
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const CPrintedMap printed = LayOutPrintedMap(printer, m_context.Services());
    const CMapPrintHeader& header = printed.header;
    painter.drawText(QPoint(header.title.x, printed.titleBaseline), FromDocText(Doc()->GetTitle()));
    painter.drawLine(header.ruleFrom.x, header.ruleFrom.y, header.ruleTo.x, header.ruleTo.y);
    // The rectangle is moved rather than the painter, whose transform a
    // printer would carry into its next print job.
    if (!printed.picture.isNull())
        DrawComposedMap(painter, printed.to, printed.picture, printed.from, *Doc(), m_context.MapDraw());
    painter.end();
}
