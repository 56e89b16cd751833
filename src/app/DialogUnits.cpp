#include "app/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

CDialogUnits::CDialogUnits(const QFont& font)
{
    // The average width of the 52 letters, rounded, as dialogs measure it.
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_baseY = metrics.height();
    if (m_baseX < 1)
        m_baseX = 1;
    if (m_baseY < 1)
        m_baseY = 1;
}

void CDialogUnits::Place(QWidget& widget, int x, int y, int width, int height) const
{
    QRect rect = Rect(x, y, width, height);
    // A label's text must not be clipped when the desktop's font runs wider
    // than the one the layout was drawn for.
    if (qobject_cast<QLabel*>(&widget))
        rect.setWidth(std::max(rect.width(), widget.sizeHint().width()));
    widget.setGeometry(rect);
}
