#pragma once

#include <QDialog>
#include <QSize>

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

/// "Export Animation": how long each season is shown, the map's size in the
/// frames (the board's own size by default) and whether the orders are drawn.
class CExportAnimationDlg : public QDialog {
    Q_OBJECT
public:
    CExportAnimationDlg(QSize boardSize, bool orders, QWidget* parent = nullptr);

    /// Hundredths of a second per frame.
    int Delay() const;
    QSize MapSize() const;
    bool Orders() const;

private:
    QSize m_board;
    QDoubleSpinBox* m_delay;
    QCheckBox* m_actual;
    QSpinBox* m_width;
    QCheckBox* m_orders;
};
