#pragma once

#include <QFileDialog>
#include <QStringList>

/// The file dialog of Import Mailbox: one or more mail files (saved
/// messages, mbox files), or a Maildir folder, which is taken whole when it
/// is chosen (or shown) and Open is pressed rather than opened for browsing.
class CMailSourceDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit CMailSourceDialog(QWidget* parent = nullptr);

    /// The files or the Maildir folder chosen.
    QStringList Chosen() const { return m_chosen; }

    /// The filter the dialog offers.
    static QString Filter();

public slots:
    void accept() override;

private:
    QStringList m_chosen;
};
