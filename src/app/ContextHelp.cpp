#include "app/ContextHelp.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <QWhatsThis>

namespace {

// Menus and toolbars must get their clicks: choosing a command there is how
// the user asks about it, and the main window answers instead of running it.
bool LeadsToACommand(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w) || qobject_cast<const QToolBar*>(w))
            return true;
    return false;
}

QString WhatsThisOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (!w->whatsThis().isEmpty())
            return w->whatsThis();
    return {};
}

} // namespace

CContextHelp::CContextHelp(QMainWindow& window) : QObject(&window), m_window(window) {}

CContextHelp::~CContextHelp()
{
    Leave();
}

void CContextHelp::Enter()
{
    if (m_bActive)
        return;
    m_bActive = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
    emit notice(QStringLiteral("Choose a command or click a pane for help; Esc cancels"));
}

void CContextHelp::Leave()
{
    if (!m_bActive)
        return;
    m_bActive = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

void CContextHelp::Answer(const QString& text)
{
    Leave();
    m_strLastAnswer = text;
    emit notice(text);
    QWhatsThis::showText(QCursor::pos(), text, &m_window);
}

bool CContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_bActive)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            Leave();
            emit notice(QString());
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || LeadsToACommand(widget))
            return false;
        const QString text = WhatsThisOf(widget);
        if (text.isEmpty())
            Leave();
        else
            Answer(text);
        return true;
    }
    default:
        return false;
    }
}
