#include "app/KesTextView.h"

#include "app/TextConv.h"
#include "model/KestraneDoc.h"
#include "views/OrdersLayout.h"

#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

namespace {

// 0.01 inch units with y growing upwards, as device pixels.
int ToDeviceX(int x, int dpi)
{
    return x * dpi / 100;
}
int ToDeviceY(int y, int dpi)
{
    return -y * dpi / 100;
}

// The character height of the font a device context starts with, in
// 0.01 inch: the distance between two lines.
int DefaultLineHeight(QPaintDevice* device)
{
    const QFontMetrics metrics(QFont(), device);
    return std::max(1, metrics.height() * 100 / std::max(1, device->logicalDpiY()));
}

void DrawLines(QPainter& painter, const std::vector<COrdersLine>& lines, int originX, int originY, int dpiX,
               int dpiY)
{
    const int ascent = painter.fontMetrics().ascent();
    for (const COrdersLine& line : lines)
        painter.drawText(QPoint(originX + ToDeviceX(0, dpiX), originY + ToDeviceY(line.y, dpiY) + ascent),
                         FromDocText(line.text));
}

} // namespace

CKesTextView::CKesTextView(CKestraneDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), m_pDoc(&doc)
{
    setFocusPolicy(Qt::StrongFocus);
    setWhatsThis(tr("The orders of the season on show and the units that were dislodged."));
    m_pDoc->AddObserver(this);
}

CKesTextView::~CKesTextView()
{
    Detach();
}

void CKesTextView::Detach()
{
    if (m_pDoc)
        m_pDoc->RemoveObserver(this);
    m_pDoc = nullptr;
}

void CKesTextView::OnInitialUpdate()
{
    UpdateScrollRanges();
    viewport()->update();
}

void CKesTextView::OnDocumentUpdate()
{
    viewport()->update();
}

QFont CKesTextView::TextFont() const
{
    QFont font(m_strFontName);
    font.setPointSize(10);
    return font;
}

int CKesTextView::ScreenLineHeight() const
{
    return DefaultLineHeight(viewport());
}

void CKesTextView::UpdateScrollRanges()
{
    // The scroll size is fixed and does not follow the text's length.
    const int cx = ToDeviceX(kOrdersScrollWidth, logicalDpiX());
    const int cy = ToDeviceX(kOrdersScrollHeight, logicalDpiY());
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setSingleStep(std::max(1, cx / 100));
    verticalScrollBar()->setSingleStep(std::max(1, cy / 100));
    horizontalScrollBar()->setRange(0, std::max(0, cx - viewport()->width()));
    verticalScrollBar()->setRange(0, std::max(0, cy - viewport()->height()));
}

void CKesTextView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void CKesTextView::scrollContentsBy(int, int)
{
    // Every scroll step repaints the whole visible text.
    viewport()->update();
}

void CKesTextView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    if (!m_pDoc)
        return;
    const int lineHeight = ScreenLineHeight();
    painter.setFont(TextFont());
    painter.setPen(palette().color(QPalette::Text));
    DrawLines(painter, LayoutScreenLines(m_pDoc->GetCurrentSeason(), lineHeight), -horizontalScrollBar()->value(),
              -verticalScrollBar()->value(), logicalDpiX(), logicalDpiY());
}

int CKesTextView::LinesPerPage(QPrinter& printer) const
{
    // Device units: the page height and the default font's height.
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const QFontMetrics metrics(QFont(), &printer);
    return ::LinesPerPage(pageHeight, std::max(1, metrics.height()));
}

int CKesTextView::PageCount(QPrinter& printer) const
{
    if (!m_pDoc)
        return 0;
    return ::PageCount(m_pDoc->GetCurrentSeason(), LinesPerPage(printer));
}

void CKesTextView::Print(QPrinter& printer)
{
    if (!m_pDoc)
        return;
    const int linesPerPage = LinesPerPage(printer);
    const int pages = std::max(1, PageCount(printer));
    int from = 1;
    int to = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage();
        to = std::min(pages, printer.toPage() > 0 ? printer.toPage() : pages);
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const int lineHeight = DefaultLineHeight(&printer);
    const int pageWidthUnits = printer.pageLayout().paintRectPixels(printer.resolution()).width() * 100 / dpiX;
    const QString title = FromDocText(m_pDoc->GetTitle());

    painter.setFont(TextFont());
    const int charHeight = painter.fontMetrics().height() * 100 / dpiY;
    const int ascent = painter.fontMetrics().ascent();
    const COrdersPageHeader header = LayoutOrdersPageHeader(charHeight, pageWidthUnits);

    for (int page = from; page <= to; ++page) {
        if (page != from)
            printer.newPage();
        painter.drawText(QPoint(ToDeviceX(header.titleX, dpiX), ToDeviceY(header.titleY, dpiY) + ascent), title);
        painter.drawLine(ToDeviceX(header.ruleFromX, dpiX), ToDeviceY(header.ruleY, dpiY),
                         ToDeviceX(header.ruleToX, dpiX), ToDeviceY(header.ruleY, dpiY));
        DrawLines(painter, LayoutPage(m_pDoc->GetCurrentSeason(), page, linesPerPage, lineHeight),
                  ToDeviceX(header.bodyOriginX, dpiX), ToDeviceY(header.bodyOriginY, dpiY), dpiX, dpiY);
    }
    painter.end();
}
