#include "app/ImportSummaryDlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CImportSummaryDlg::CImportSummaryDlg(const QString& headline, const QString& details, QWidget* parent)
    : QDialog(parent), m_pHeadline(new QLabel(headline, this)), m_pDetails(new QPlainTextEdit(details, this))
{
    setWindowTitle(QStringLiteral("Import Mailbox"));
    m_pHeadline->setWordWrap(true);
    QFont bold = m_pHeadline->font();
    bold.setBold(true);
    m_pHeadline->setFont(bold);
    m_pDetails->setReadOnly(true);
    // Long lines (a path, a message) wrap rather than hide behind a scroll bar.
    m_pDetails->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Mail subjects and season names line up in a fixed-width font.
    m_pDetails->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pDetails->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pHeadline);
    layout->addWidget(m_pDetails, 1);
    layout->addWidget(buttons);
    resize(780, 460);
}

QString CImportSummaryDlg::Headline() const
{
    return m_pHeadline->text();
}

QString CImportSummaryDlg::Details() const
{
    return m_pDetails->toPlainText();
}
