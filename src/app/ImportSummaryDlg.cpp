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
    m_pDetails->setReadOnly(true);
    m_pDetails->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Mail subjects and season names line up in a fixed-width font.
    m_pDetails->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pHeadline);
    layout->addWidget(m_pDetails, 1);
    layout->addWidget(buttons);
    resize(640, 420);
}

QString CImportSummaryDlg::Headline() const
{
    return m_pHeadline->text();
}

QString CImportSummaryDlg::Details() const
{
    return m_pDetails->toPlainText();
}
