#pragma once

#include "app/DocumentObservation.h"
#include "model/DocumentObserver.h"
#include "model/MapPos.h"
#include "views/MapPlacement.h"
#include "views/OverlayGeometry.h"
#include "views/SmoothScale.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <optional>

class CAppContext;
class CKestraneDoc;
class COrdersPane;
class IUserMessages;
class QPrinter;

/// The map pane: the board for the season on show with the units, initials
/// and supply-centre circles the settings ask for, at actual size with
/// scroll bars or stretched to the window. Prints on one page under the
/// title line.
class CKestraneView : public QAbstractScrollArea, public IDocumentObserver {
    Q_OBJECT
public:
    CKestraneView(CKestraneDoc& doc, CAppContext& context, QWidget* parent = nullptr);
    ~CKestraneView() override;

    /// First showing: scroll sizes from the board picture.
    void OnInitialUpdate();
    /// Stops observing the document, which is about to go.
    void Detach() { m_observation.Detach(); }

    void OnDocumentUpdate() override;

    /// Prints the map on the printer's current page, under the title line.
    void Print(QPrinter& printer);

    /// What Print puts on a page of printer.
    struct CPrintedMap {
        CMapPrintHeader header;
        /// Baseline of the title line, in device pixels of the printable area.
        int titleBaseline = 0;
        /// The composed season, owning its pixels; null when the copy failed.
        QImage picture;
        /// The part of picture copied, and where it goes in device pixels of
        /// the printable area (scaled as a whole, proportions kept).
        QRect from;
        QRect to;
    };
    /// Composes the season for printer and places it under the header;
    /// messages gets the core's complaints (a printer without bitmaps).
    CPrintedMap LayOutPrintedMap(QPrinter& printer, IUserMessages& messages) const;

    /// View, Zoom In and Zoom Out: a step larger or smaller than the size
    /// shown now (from Zoom to Fit, the smaller of its two stretches);
    /// Actual Size: the board's own size. Zoom to Fit goes off.
    void ZoomIn();
    void ZoomOut();
    void ActualSize();
    /// The size shown now in percent of the board's own.
    int ShownPercent() const;

    /// The picture as the screen shows it now, for tests and screenshots.
    QImage RenderedPicture() const;
    QSize ScrollSize() const { return {m_cache.Cx(), m_cache.Cy()}; }

    /// The Orders mode whose clicks the view passes on and whose drafts and
    /// lit places it draws while the mode is on.
    void SetOrdersPane(COrdersPane* pane) { m_orders = pane; }
    /// Where the board picture is shown in the viewport now (zoom, fit and scrolling).
    std::optional<COverlayTransform> PictureTransform() const;
    /// A point of the board picture in viewport coordinates, and back.
    QPoint ViewPointOf(MapPos point) const;
    std::optional<MapPos> PicturePointOf(QPoint viewPoint) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    /// Ctrl and the wheel zoom in and out; the wheel alone scrolls.
    void wheelEvent(QWheelEvent* event) override;
    /// In Orders mode a click on the map is a step of order entry, a right
    /// click opens the menu on the place.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void UpdateScrollSizes(int cx, int cy);
    CScreenTarget ScreenTarget() const;
    void PaintOrders(QPainter& painter, const QRect& to);
    CPrinterTarget PrinterTarget(const QRect& page, CRasterPoint windowOrigin, int printerDpiY) const;

    CKestraneDoc* Doc() const { return m_observation.Document(); }

    CAppContext& m_context;
    CDocumentObservation m_observation;
    CScrollSizeCache m_cache;
    // The scaled bare board that smooth zoom reuses from season to season.
    CSmoothZoomCache m_smoothZoom;
    COrdersPane* m_orders = nullptr;
};
