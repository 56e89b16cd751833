#pragma once

#include <QDialog>
#include <QSize>

class QCheckBox;
class QSpinBox;

/// "Export Map": the size of the exported picture, the board's own size
/// unless the user asks for another. Width and height keep the board's
/// proportions while "Keep proportions" is ticked.
class CExportMapDlg : public QDialog {
    Q_OBJECT
public:
    CExportMapDlg(QSize boardSize, QWidget* parent = nullptr);

    /// The size chosen; the board's own size at actual size.
    QSize ChosenSize() const;

private:
    void OnWidthChanged(int width);
    void OnHeightChanged(int height);
    void UpdateEnabled();

    QSize m_board;
    QCheckBox* m_actual;
    QCheckBox* m_keep;
    QSpinBox* m_width;
    QSpinBox* m_height;
    bool m_bAdjusting = false;
};
