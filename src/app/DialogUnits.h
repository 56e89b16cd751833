#pragma once

#include <QRect>

class QFont;
class QWidget;

/// Dialog units of a dialog font: a quarter of the average character width
/// across, an eighth of the character height down.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);
    CDialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}

    int X(int units) const { return units * m_baseX / 4; }
    int Y(int units) const { return units * m_baseY / 8; }
    /// A rectangle given as x, y, width, height in dialog units.
    QRect Rect(int x, int y, int width, int height) const { return QRect(X(x), Y(y), X(width), Y(height)); }

    /// Places widget at the rectangle; a label is widened to its text.
    void Place(QWidget& widget, int x, int y, int width, int height) const;

private:
    int m_baseX;
    int m_baseY;
};
