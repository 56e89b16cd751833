#include "app/KesTextView.h"

#include "app/TextConv.h"
#include "model/KestraneDoc.h"
#include "views/OrdersLayout.h"
#include "views/PhaseSummary.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
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

CKesTextView::CKesTextView(CKestraneDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), m_observation(doc, *this)
{
    setFocusPolicy(Qt::StrongFocus);
    setWhatsThis(tr("The orders of the season on show and the units that were dislodged."));
    CreateSelectionActions();
}

void CKesTextView::CreateSelectionActions()
{
    // Ctrl+C belongs to Import from Clipboard, so copying takes Ctrl+Shift+C;
    // both work only while the pane has the focus.
    m_pCopy = new QAction(tr("&Copy\tCtrl+Shift+C"), this);
    m_pCopy->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    m_pCopy->setStatusTip(tr("Copy the selected lines to the clipboard"));
    m_pSelectAll = new QAction(tr("Select &All\tCtrl+A"), this);
    m_pSelectAll->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    m_pSelectAll->setStatusTip(tr("Select every line of the season on show"));
    for (QAction* action : {m_pCopy, m_pSelectAll}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(m_pCopy, &QAction::triggered, this, &CKesTextView::CopySelection);
    connect(m_pSelectAll, &QAction::triggered, this, &CKesTextView::SelectAll);
}

CKesTextView::~CKesTextView() = default;

void CKesTextView::OnInitialUpdate()
{
    UpdateScrollRanges();
    viewport()->update();
}

void CKesTextView::OnDocumentUpdate()
{
    // Another season (or the same one changed): the old line numbers mean
    // nothing any more.
    m_selection.Clear();
    viewport()->update();
}

void CKesTextView::SetPhaseSummary(bool on)
{
    if (on == m_bPhaseSummary)
        return;
    m_bPhaseSummary = on;
    // The lines below the orders change, so a selection no longer fits them.
    m_selection.Clear();
    viewport()->update();
}

std::vector<std::string> CKesTextView::SummaryLines(const CSeasonHdr* season) const
{
    if (!m_bPhaseSummary || !Doc())
        return {};
    return PhaseSummaryLines(*Doc(), season);
}

std::vector<COrdersLine> CKesTextView::ScreenLayout() const
{
    if (!Doc())
        return {};
    const CSeasonHdr* season = Doc()->GetCurrentSeason();
    return LayoutScreenLines(season, ScreenLineHeight(), SummaryLines(season));
}

QStringList CKesTextView::ScreenLines() const
{
    QStringList lines;
    for (const COrdersLine& line : ScreenLayout())
        lines << FromDocText(line.text);
    return lines;
}

int CKesTextView::LineAt(QPoint viewportPos) const
{
    const std::vector<COrdersLine> layout = ScreenLayout();
    if (layout.empty())
        return -1;
    const int y = viewportPos.y() + verticalScrollBar()->value();
    int found = 0;
    for (size_t i = 0; i < layout.size(); ++i)
        if (ToDeviceY(layout[i].y, logicalDpiY()) <= y)
            found = int(i);
    return found;
}

QString CKesTextView::SelectedText() const
{
    return m_selection.Text(ScreenLines());
}

void CKesTextView::SelectAll()
{
    m_selection.SelectAll(int(ScreenLayout().size()));
    viewport()->update();
}

void CKesTextView::CopySelection()
{
    const QString text = SelectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void CKesTextView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const int line = LineAt(event->position().toPoint());
        if (line < 0)
            m_selection.Clear();
        else if (event->modifiers() & Qt::ShiftModifier && !m_selection.IsEmpty())
            m_selection.Extend(line);
        else
            m_selection.Begin(line);
        viewport()->update();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CKesTextView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton && !m_selection.IsEmpty()) {
        const int line = LineAt(event->position().toPoint());
        if (line >= 0) {
            m_selection.Extend(line);
            viewport()->update();
        }
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

std::unique_ptr<QMenu> CKesTextView::ContextMenu()
{
    // The menu's own items, greyed as the pane's state asks; the pane's keys
    // stay on whatever the menu showed.
    auto menu = std::make_unique<QMenu>(this);
    for (QAction* key : {m_pCopy, m_pSelectAll}) {
        QAction* item = menu->addAction(key->text());
        item->setShortcut(key->shortcut());
        item->setStatusTip(key->statusTip());
        connect(item, &QAction::triggered, key, &QAction::trigger);
    }
    menu->actions()[0]->setEnabled(!m_selection.IsEmpty());
    menu->actions()[1]->setEnabled(!ScreenLayout().empty());
    return menu;
}

void CKesTextView::contextMenuEvent(QContextMenuEvent* event)
{
    ContextMenu()->exec(event->globalPos());
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
    if (!Doc())
        return;
    const int lineHeight = ScreenLineHeight();
    const CSeasonHdr* season = Doc()->GetCurrentSeason();
    const std::vector<COrdersLine> layout =
        LayoutScreenLines(season, lineHeight, SummaryLines(season));
    PaintSelection(painter, layout, lineHeight);
    painter.setFont(TextFont());
    painter.setPen(palette().color(QPalette::Text));
    DrawLines(painter, layout, -horizontalScrollBar()->value(), -verticalScrollBar()->value(), logicalDpiX(),
              logicalDpiY());
}

void CKesTextView::PaintSelection(QPainter& painter, const std::vector<COrdersLine>& layout, int lineHeight)
{
    // Selected lines lie on the highlight colour across the pane; the text
    // keeps its colour, which reads on the light highlight of every style.
    if (m_selection.IsEmpty())
        return;
    const int dpiY = logicalDpiY();
    QColor highlight = palette().color(QPalette::Highlight);
    highlight.setAlpha(90);
    for (int i = m_selection.First(); i <= m_selection.Last() && i < int(layout.size()); ++i) {
        // From this line's top to the next one's, so the band has no gaps.
        const int y = layout[size_t(i)].y;
        const int top = ToDeviceY(y, dpiY) - verticalScrollBar()->value();
        const int height = std::max(1, ToDeviceY(y - lineHeight, dpiY) - ToDeviceY(y, dpiY));
        painter.fillRect(QRect(0, top, viewport()->width(), height), highlight);
    }
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
    if (!Doc())
        return 0;
    const CSeasonHdr* season = Doc()->GetCurrentSeason();
    return ::PageCount(season, LinesPerPage(printer), SummaryLines(season));
}

void CKesTextView::Print(QPrinter& printer)
{
    if (!Doc())
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
    const QString title = FromDocText(Doc()->GetTitle());

    painter.setFont(TextFont());
    const int charHeight = painter.fontMetrics().height() * 100 / dpiY;
    const int ascent = painter.fontMetrics().ascent();
    const COrdersPageHeader header = LayoutOrdersPageHeader(charHeight, pageWidthUnits);
    const CSeasonHdr* season = Doc()->GetCurrentSeason();
    const std::vector<std::string> summary = SummaryLines(season);

    for (int page = from; page <= to; ++page) {
        if (page != from)
            printer.newPage();
        painter.drawText(QPoint(ToDeviceX(header.titleX, dpiX), ToDeviceY(header.titleY, dpiY) + ascent), title);
        painter.drawLine(ToDeviceX(header.ruleFromX, dpiX), ToDeviceY(header.ruleY, dpiY),
                         ToDeviceX(header.ruleToX, dpiX), ToDeviceY(header.ruleY, dpiY));
        DrawLines(painter, LayoutPage(season, page, linesPerPage, lineHeight, summary),
                  ToDeviceX(header.bodyOriginX, dpiX), ToDeviceY(header.bodyOriginY, dpiY), dpiX, dpiY);
    }
    painter.end();
}
