#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

/// The one summary after an import of many mails: a headline (seasons
/// filed, mails read), then the summary with the mails skipped counted by
/// reason and only those a player must act on named, in a list the user can
/// scroll, select and copy. Details shows every mail with why it was skipped.
class CImportSummaryDlg : public QDialog {
    Q_OBJECT
public:
    CImportSummaryDlg(const QString& headline, const QString& summary, const QString& details,
                      QWidget* parent = nullptr);

    QString Headline() const;
    /// The grouped summary shown first.
    QString Summary() const;
    /// Every mail, as Details shows it.
    QString Details() const;
    /// Whether the list shows the details now.
    bool ShowsDetails() const;

private:
    void ShowDetails(bool show);

    QString m_strSummary;
    QString m_strDetails;
    QLabel* m_pHeadline;
    QPlainTextEdit* m_pText;
    QPushButton* m_pDetails;
};
