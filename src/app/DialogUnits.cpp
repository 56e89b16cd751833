#include "app/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
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
    widget.setGeometry(Rect(x, y, width, height));
}
