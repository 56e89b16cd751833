#pragma once

#include "model/DocumentObserver.h"
#include "views/MapPlacement.h"

#include <QAbstractScrollArea>

class CKestraneApp;
class CKestraneDoc;
class QPrinter;

/// The map pane: the board for the season on show with the units, initials
/// and supply-centre circles the settings ask for, at actual size with
/// scroll bars or stretched to the window. Prints on one page under the
/// title line.
class CKestraneView : public QAbstractScrollArea, public IDocumentObserver {
    Q_OBJECT
public:
    CKestraneView(CKestraneDoc& doc, CKestraneApp& app, QWidget* parent = nullptr);
    ~CKestraneView() override;

    /// First showing: scroll sizes from the board picture.
    void OnInitialUpdate();
    /// Stops observing the document, which is about to go.
    void Detach();

    void OnDocumentUpdate() override;

    /// Prints the map on the printer's current page, under the title line.
    void Print(QPrinter& printer);

    /// The picture as the screen shows it now, for tests and screenshots.
    QImage RenderedPicture() const;
    QSize ScrollSize() const { return {m_cache.Cx(), m_cache.Cy()}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollSizes(int cx, int cy);
    CScreenTarget ScreenTarget() const;

    CKestraneDoc* m_pDoc;
    CKestraneApp& m_app;
    CScrollSizeCache m_cache;
};
