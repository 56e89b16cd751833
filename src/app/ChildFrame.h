#pragma once

#include "app/DocumentObservation.h"
#include "model/DocumentObserver.h"

#include <QMdiSubWindow>

class CAppContext;
class CKestraneDoc;
class CKestraneView;
class CKesTextView;
class COrdersPane;
class QSplitter;

/// One game window: a splitter with the map pane on the left and the orders
/// pane on the right. Its caption follows the document's title, with ":n"
/// when the document has several windows and "*" while it is modified.
/// Whoever made the window decides whether it may close (an event filter
/// on its close event); the window itself asks no one.
class CChildFrame : public QMdiSubWindow, public IDocumentObserver {
    Q_OBJECT
public:
    /// client: the main window's client size, from which the splitter and
    /// the frame take their first sizes. The panes redraw when context's
    /// display settings change.
    CChildFrame(CKestraneDoc& doc, CAppContext& context, QSize client);
    ~CChildFrame() override;

    CKestraneDoc* Document() const { return m_observation.Document(); }
    CKestraneView* MapView() const { return m_pMapView; }
    CKesTextView* TextView() const { return m_pTextView; }
    QSplitter* Splitter() const { return m_pSplitter; }
    /// The Orders mode of this window, its pane beside the orders pane.
    COrdersPane* OrdersPane() const { return m_pOrdersPane; }
    /// Edit, Orders Mode: on or off for this window.
    void ToggleOrdersMode();
    /// The pane that commands such as Print go to: the one last focused,
    /// the map pane at first.
    QWidget* ActiveView() const;

    /// Moves the focus to the other pane (F6, Shift+F6).
    void NextPane();

    /// ":n" after the title, or nothing.
    void SetWindowNumber(int number);
    /// The views stop observing; the frame is going with its document.
    void Detach();

    void OnDocumentUpdate() override;
    void OnDocumentTitleChanged() override;
    void OnDocumentModifiedChanged() override;

signals:
    /// The season on show, the title or the modified flag changed.
    void documentChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateCaption();

    CDocumentObservation m_observation;
    QSplitter* m_pSplitter = nullptr;
    CKestraneView* m_pMapView = nullptr;
    CKesTextView* m_pTextView = nullptr;
    COrdersPane* m_pOrdersPane = nullptr;
    QWidget* m_pActiveView = nullptr;
    int m_nWindow = 0;
};
