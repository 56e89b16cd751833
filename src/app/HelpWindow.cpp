#include "app/HelpWindow.h"

#include "app/AboutDlg.h"
#include "app/WindowPlacement.h"

#include <QImage>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_pBrowser(new CGuideBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kestrane Help"));
    setWindowIcon(ProgramIcon());
    m_pBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    m_pBrowser->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction(QStringLiteral("Back"), m_pBrowser, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("Forward"), m_pBrowser, &QTextBrowser::forward);
    bar->addAction(QStringLiteral("Contents"), m_pBrowser, &QTextBrowser::home);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_pBrowser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Kestrane Help") : QStringLiteral("Kestrane Help - ") + title);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_pBrowser);
    resize(860, 700);
}

void CHelpWindow::ShowGuide(const QString& path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    if (url != m_home) {
        m_home = url;
        m_pBrowser->setSource(url);
    }
    PlaceInsideScreen(*this, parentWidget());
    show();
    raise();
    activateWindow();
}

QVariant CGuideBrowser::loadResource(int type, const QUrl& name)
{
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::ImageResource)
        return resource;
    QImage image;
    if (resource.canConvert<QByteArray>())
        image.loadFromData(resource.toByteArray());
    else
        image = resource.value<QImage>();
    // The pictures are screenshots up to 1280 pixels wide; a help window is
    // narrower and must not need a sideways scroll bar to show them.
    const int room = std::max(200, viewport()->width() - 40);
    if (!image.isNull() && image.width() > room)
        return image.scaledToWidth(room, Qt::SmoothTransformation);
    return image.isNull() ? resource : QVariant(image);
}
