#pragma once

#include "model/DocumentObserver.h"

#include <QAbstractScrollArea>
#include <QFont>

class CKestraneDoc;
class QPainter;
class QPrinter;

/// The orders pane: "Orders" and the order lines of the season on show, then
/// "Units Dislodged" and the dislodged units, in Arial 10 pt over a fixed
/// 8.26 x 23.40 inch scroll area. Prints page by page under a header.
class CKesTextView : public QAbstractScrollArea, public IDocumentObserver {
    Q_OBJECT
public:
    explicit CKesTextView(CKestraneDoc& doc, QWidget* parent = nullptr);
    ~CKesTextView() override;

    void OnInitialUpdate();
    void Detach();
    void OnDocumentUpdate() override;

    /// Lines a printed page holds on printer, and the pages the season needs.
    int LinesPerPage(QPrinter& printer) const;
    int PageCount(QPrinter& printer) const;
    /// Prints every page of the season, or the printer's page range.
    void Print(QPrinter& printer);

    /// The text face, "Arial".
    const QString& FontName() const { return m_strFontName; }
    /// The line distance on this screen, in 0.01 inch.
    int ScreenLineHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QFont TextFont() const;
    void UpdateScrollRanges();

    CKestraneDoc* m_pDoc;
    QString m_strFontName = QStringLiteral("Arial");
};
