#include "app/MailSourceDialog.h"

#include "app/TextConv.h"
#include "mailbox/MailSources.h"

#include <QFileInfo>

CMailSourceDialog::CMailSourceDialog(QWidget* parent)
    : QFileDialog(parent, QStringLiteral("Import Mailbox"), QString(), Filter())
{
    // The program's own dialog: a platform one cannot take a folder and
    // files in one choice.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFiles);
    setLabelText(QFileDialog::Accept, QStringLiteral("&Import"));
}

QString CMailSourceDialog::Filter()
{
    // Mail programs keep mbox files without an extension (Thunderbird's
    // "Inbox"), so every file is offered first.
    return QStringLiteral("All Files (*);;Mail Messages (*.eml);;Mailboxes (*.mbox *.mbx)");
}

void CMailSourceDialog::accept()
{
    QStringList candidates = selectedFiles();
    if (candidates.isEmpty())
        candidates << directory().absolutePath();
    for (const QString& path : candidates) {
        if (QFileInfo(path).isDir() && IsMaildir(ToPath(path))) {
            m_chosen = QStringList{path};
            QDialog::accept();
            return;
        }
    }
    QFileDialog::accept();
    if (result() == QDialog::Accepted)
        m_chosen = selectedFiles();
}
