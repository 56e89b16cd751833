#include "app/ExportMapDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kLargestSide = 16000;

QSpinBox* SideBox(const QString& name, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(16, kLargestSide);
    box->setSuffix(QStringLiteral(" px"));
    box->setValue(value);
    return box;
}

} // namespace

CExportMapDlg::CExportMapDlg(QSize boardSize, QWidget* parent)
    : QDialog(parent), m_board(boardSize.expandedTo(QSize(1, 1)))
{
    setWindowTitle(QStringLiteral("Export Map"));
    m_actual = new QCheckBox(QStringLiteral("&Actual size (%1 \u00d7 %2)").arg(m_board.width()).arg(m_board.height()), this);
    m_actual->setObjectName(QStringLiteral("ActualSize"));
    m_actual->setChecked(true);
    m_keep = new QCheckBox(QStringLiteral("&Keep proportions"), this);
    m_keep->setObjectName(QStringLiteral("KeepProportions"));
    m_keep->setChecked(true);
    m_width = SideBox(QStringLiteral("Width"), m_board.width(), this);
    m_height = SideBox(QStringLiteral("Height"), m_board.height(), this);

    auto* form = new QFormLayout;
    form->addRow(m_actual);
    form->addRow(QStringLiteral("&Width:"), m_width);
    form->addRow(QStringLiteral("&Height:"), m_height);
    form->addRow(m_keep);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_actual, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    connect(m_width, &QSpinBox::valueChanged, this, &CExportMapDlg::OnWidthChanged);
    connect(m_height, &QSpinBox::valueChanged, this, &CExportMapDlg::OnHeightChanged);
    UpdateEnabled();
}

QSize CExportMapDlg::ChosenSize() const
{
    return m_actual->isChecked() ? m_board : QSize(m_width->value(), m_height->value());
}

void CExportMapDlg::OnWidthChanged(int width)
{
    if (m_bAdjusting || !m_keep->isChecked())
        return;
    m_bAdjusting = true;
    m_height->setValue(std::clamp(int(std::lround(double(width) * m_board.height() / m_board.width())), 16, kLargestSide));
    m_bAdjusting = false;
}

void CExportMapDlg::OnHeightChanged(int height)
{
    if (m_bAdjusting || !m_keep->isChecked())
        return;
    m_bAdjusting = true;
    m_width->setValue(std::clamp(int(std::lround(double(height) * m_board.width() / m_board.height())), 16, kLargestSide));
    m_bAdjusting = false;
}

void CExportMapDlg::UpdateEnabled()
{
    const bool custom = !m_actual->isChecked();
    m_width->setEnabled(custom);
    m_height->setEnabled(custom);
    m_keep->setEnabled(custom);
}
