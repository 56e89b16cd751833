#include "app/ExportAnimationDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

CExportAnimationDlg::CExportAnimationDlg(QSize boardSize, bool orders, QWidget* parent)
    : QDialog(parent), m_board(boardSize.expandedTo(QSize(1, 1)))
{
    setWindowTitle(QStringLiteral("Export Animation"));
    m_delay = new QDoubleSpinBox(this);
    m_delay->setObjectName(QStringLiteral("Delay"));
    m_delay->setRange(0.1, 60.0);
    m_delay->setSingleStep(0.5);
    m_delay->setDecimals(2);
    m_delay->setSuffix(QStringLiteral(" s"));
    m_delay->setValue(1.5);
    m_actual = new QCheckBox(QStringLiteral("&Actual size (%1 \u00d7 %2)").arg(m_board.width()).arg(m_board.height()), this);
    m_actual->setObjectName(QStringLiteral("ActualSize"));
    m_actual->setChecked(true);
    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("Width"));
    m_width->setRange(100, 8000);
    m_width->setSuffix(QStringLiteral(" px"));
    m_width->setValue(m_board.width());
    m_width->setEnabled(false);
    m_orders = new QCheckBox(QStringLiteral("Draw the &orders"), this);
    m_orders->setObjectName(QStringLiteral("Orders"));
    m_orders->setChecked(orders);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Each season shown for:"), m_delay);
    form->addRow(m_actual);
    form->addRow(QStringLiteral("Map &width (proportions kept):"), m_width);
    form->addRow(m_orders);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_actual, &QCheckBox::toggled, m_width, [this](bool actual) { m_width->setEnabled(!actual); });
}

int CExportAnimationDlg::Delay() const
{
    return int(std::lround(m_delay->value() * 100));
}

QSize CExportAnimationDlg::MapSize() const
{
    if (m_actual->isChecked())
        return m_board;
    const int width = m_width->value();
    return QSize(width, std::max(1, int(std::lround(double(width) * m_board.height() / m_board.width()))));
}

bool CExportAnimationDlg::Orders() const
{
    return m_orders->isChecked();
}
