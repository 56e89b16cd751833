#include "app/ChildFrame.h"

#include "app/AppContext.h"
#include "app/KesTextView.h"
#include "app/KestraneView.h"
#include "app/OrdersPane.h"
#include "app/TextConv.h"
#include "model/KestraneDoc.h"

#include <QEvent>
#include <QSplitter>

#include <algorithm>

CChildFrame::CChildFrame(CKestraneDoc& doc, CAppContext& context, QSize client) : m_observation(doc, *this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pMapView = new CKestraneView(doc, context, m_pSplitter);
    m_pTextView = new CKesTextView(doc, m_pSplitter);
    m_pSplitter->addWidget(m_pMapView);
    m_pSplitter->addWidget(m_pTextView);
    // The Orders mode's pane joins the splitter when the mode is first
    // turned on; until then the window has its two panes only.
    m_pOrdersPane = new COrdersPane(doc, context, this);
    m_pMapView->SetOrdersPane(m_pOrdersPane);
    connect(m_pOrdersPane, &COrdersPane::changed, m_pMapView->viewport(), qOverload<>(&QWidget::update));
    m_pSplitter->setChildrenCollapsible(false);
    setWidget(m_pSplitter);

    // The map pane takes seven tenths of the client width; the frame spans
    // the full width and nine tenths of the height, at the top-left corner.
    const int width = client.width();
    const int height = client.height();
    const int mapWidth = width * 7 / 10;
    m_pSplitter->setSizes({mapWidth, std::max(1, width - mapWidth)});
    setGeometry(0, 0, width, height * 9 / 10);

    m_pActiveView = m_pMapView;
    m_pMapView->installEventFilter(this);
    m_pTextView->installEventFilter(this);
    m_pTextView->SetPhaseSummary(context.Settings().m_bPhaseSummary == 1);
    connect(&context, &CAppContext::displayChanged, this, [this, &context] {
        m_pMapView->viewport()->update();
        m_pTextView->SetPhaseSummary(context.Settings().m_bPhaseSummary == 1);
        m_pTextView->viewport()->update();
    });
    UpdateCaption();
    setWindowModified(doc.IsModified());
}

CChildFrame::~CChildFrame()
{
    Detach();
}

void CChildFrame::Detach()
{
    if (m_pMapView)
        m_pMapView->Detach();
    if (m_pTextView)
        m_pTextView->Detach();
    m_observation.Detach();
}

QWidget* CChildFrame::ActiveView() const
{
    return m_pActiveView;
}

void CChildFrame::NextPane()
{
    m_pActiveView = m_pActiveView == m_pMapView ? static_cast<QWidget*>(m_pTextView) : m_pMapView;
    m_pActiveView->setFocus(Qt::OtherFocusReason);
}

bool CChildFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_pMapView || watched == m_pTextView))
        m_pActiveView = static_cast<QWidget*>(watched);
    return QMdiSubWindow::eventFilter(watched, event);
}

void CChildFrame::SetWindowNumber(int number)
{
    m_nWindow = number;
    UpdateCaption();
}

void CChildFrame::UpdateCaption()
{
    const CKestraneDoc* doc = Document();
    if (!doc)
        return;
    QString caption = FromDocText(doc->GetTitle());
    if (m_nWindow > 0)
        caption += QStringLiteral(":%1").arg(m_nWindow);
    // The modified mark is written out rather than left to a "[*]"
    // placeholder, which a maximised window would copy into the main
    // window's title as it stands.
    if (doc->IsModified())
        caption += QLatin1Char('*');
    setWindowTitle(caption);
}

namespace {
// The width the orders pane keeps beside the Orders mode's pane.
constexpr int kNarrowText = 220;
} // namespace

void CChildFrame::ToggleOrdersMode()
{
    const bool on = !m_pOrdersPane->IsOn();
    if (m_pSplitter->indexOf(m_pOrdersPane) < 0)
        m_pSplitter->addWidget(m_pOrdersPane);
    m_pOrdersPane->SetOn(on);
    if (on) {
        // The pane's width comes from the orders pane first, down to a
        // narrow column, then from the map.
        QList<int> sizes = m_pSplitter->sizes();
        const int width = std::max(m_pOrdersPane->sizeHint().width(), (sizes[0] + sizes[1]) / 4);
        const int fromText = std::clamp(sizes[1] - kNarrowText, 0, width);
        sizes[1] -= fromText;
        sizes[0] = std::max(1, sizes[0] - (width - fromText));
        sizes[2] = width;
        m_pSplitter->setSizes(sizes);
    }
}

void CChildFrame::OnDocumentUpdate()
{
    m_pOrdersPane->OnDocumentUpdate();
    emit documentChanged();
}

void CChildFrame::OnDocumentTitleChanged()
{
    UpdateCaption();
    emit documentChanged();
}

void CChildFrame::OnDocumentModifiedChanged()
{
    if (const CKestraneDoc* doc = Document())
        setWindowModified(doc->IsModified());
    UpdateCaption();
    emit documentChanged();
}
