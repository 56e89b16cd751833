#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

/// The one summary after Import Mailbox: a headline (seasons filed, mails
/// read), then every mail's outcome and every problem message in a list the
/// user can scroll, select and copy.
class CImportSummaryDlg : public QDialog {
    Q_OBJECT
public:
    CImportSummaryDlg(const QString& headline, const QString& details, QWidget* parent = nullptr);

    QString Headline() const;
    QString Details() const;

private:
    QLabel* m_pHeadline;
    QPlainTextEdit* m_pDetails;
};
