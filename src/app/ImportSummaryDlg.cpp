#include "app/ImportSummaryDlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CImportSummaryDlg::CImportSummaryDlg(const QString& headline, const QString& summary, const QString& details,
                                     QWidget* parent)
    : QDialog(parent), m_strSummary(summary), m_strDetails(details), m_pHeadline(new QLabel(headline, this)),
      m_pText(new QPlainTextEdit(summary, this)), m_pDetails(new QPushButton(tr("&Details"), this))
{
    setWindowTitle(QStringLiteral("Import Mailbox"));
    m_pHeadline->setWordWrap(true);
    QFont bold = m_pHeadline->font();
    bold.setBold(true);
    m_pHeadline->setFont(bold);
    m_pText->setReadOnly(true);
    // Long lines (a path, a message) wrap rather than hide behind a scroll bar.
    m_pText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Mail subjects and season names line up in a fixed-width font.
    m_pText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pText->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_pDetails->setCheckable(true);
    m_pDetails->setToolTip(tr("List every mail with why it was skipped"));
    // Nothing more to show when the summary names every mail already.
    m_pDetails->setEnabled(details != summary);
    buttons->addButton(m_pDetails, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pDetails, &QPushButton::toggled, this, &CImportSummaryDlg::ShowDetails);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pHeadline);
    layout->addWidget(m_pText, 1);
    layout->addWidget(buttons);
    resize(780, 460);
}

void CImportSummaryDlg::ShowDetails(bool show)
{
    m_pText->setPlainText(show ? m_strDetails : m_strSummary);
}

QString CImportSummaryDlg::Headline() const
{
    return m_pHeadline->text();
}

QString CImportSummaryDlg::Summary() const
{
    return m_strSummary;
}

QString CImportSummaryDlg::Details() const
{
    return m_strDetails;
}

bool CImportSummaryDlg::ShowsDetails() const
{
    return m_pDetails->isChecked();
}
