#pragma once

#include "app/DocumentObservation.h"
#include "app/OrdersSelection.h"
#include "model/DocumentObserver.h"
#include "views/OrdersLayout.h"

#include <QAbstractScrollArea>
#include <QFont>

#include <memory>

class CKestraneDoc;
class CSeasonHdr;
class QAction;
class QMenu;
class QPainter;
class QPrinter;

/// The orders pane: "Orders" and the order lines of the season on show, then
/// "Units Dislodged" and the dislodged units, in Arial 10 pt over a fixed
/// 8.26 x 23.40 inch scroll area; with the phase summary on, "Centres and
/// Units" and a line per power follow. Prints page by page under a header.
class CKesTextView : public QAbstractScrollArea, public IDocumentObserver {
    Q_OBJECT
public:
    explicit CKesTextView(CKestraneDoc& doc, QWidget* parent = nullptr);
    ~CKesTextView() override;

    void OnInitialUpdate();
    void Detach() { m_observation.Detach(); }
    void OnDocumentUpdate() override;

    /// Shows (and prints) the phase summary under the orders, or leaves it
    /// out so the pane holds only its two sections.
    void SetPhaseSummary(bool on);
    bool PhaseSummary() const { return m_bPhaseSummary; }

    /// Lines a printed page holds on printer, and the pages the season needs.
    int LinesPerPage(QPrinter& printer) const;
    int PageCount(QPrinter& printer) const;
    /// Prints every page of the season, or the printer's page range.
    void Print(QPrinter& printer);

    /// The text face, "Arial".
    const QString& FontName() const { return m_strFontName; }
    /// The line distance on this screen, in 0.01 inch.
    int ScreenLineHeight() const;

    /// The lines the pane shows, headings included, top to bottom.
    QStringList ScreenLines() const;
    /// The line under a point of the viewport (the last line below the
    /// text), -1 when the pane shows nothing.
    int LineAt(QPoint viewportPos) const;
    /// The selected lines, joined by line feeds; empty without a selection.
    QString SelectedText() const;
    const COrdersSelection& Selection() const { return m_selection; }
    /// Select All (Ctrl+A) and Copy (Ctrl+Shift+C), also on the context menu.
    void SelectAll();
    void CopySelection();
    /// The pane's context menu: Copy (when lines are selected) and Select All.
    std::unique_ptr<QMenu> ContextMenu();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QFont TextFont() const;
    void UpdateScrollRanges();
    void CreateSelectionActions();
    std::vector<COrdersLine> ScreenLayout() const;
    /// The summary's lines for season, none while the summary is off.
    std::vector<std::string> SummaryLines(const CSeasonHdr* season) const;
    void PaintSelection(QPainter& painter, const std::vector<COrdersLine>& layout, int lineHeight);

    CKestraneDoc* Doc() const { return m_observation.Document(); }

    CDocumentObservation m_observation;
    QString m_strFontName = QStringLiteral("Arial");
    COrdersSelection m_selection;
    bool m_bPhaseSummary = false;
    QAction* m_pCopy = nullptr;
    QAction* m_pSelectAll = nullptr;
};
