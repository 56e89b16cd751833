#include "app/AppServices.h"

#include "app/ImportSummaryDlg.h"
#include "app/TextConv.h"
#include "app/UiPrompts.h"
#include "mailbox/ImportSummaryText.h"
#include "model/Settings.h"

#include <QMetaObject>

void CAppServices::ShowMessage(std::string_view text, MessageIcon icon)
{
    m_prompts.ShowMessage(m_window, QString::fromUtf8(text.data(), qsizetype(text.size())), icon);
}

std::string CAppServices::GetInstallDir() const
{
    return m_settings.m_strInstallDir;
}

void CAppServices::CloseMainWindow()
{
    // The caller is a document operation that returns right after this; a
    // close now would delete that document under its feet. The close is
    // therefore queued and runs when the command has returned.
    QPointer<QWidget> window = m_window;
    if (window)
        QMetaObject::invokeMethod(window, [window] { if (window) window->close(); }, Qt::QueuedConnection);
}

void CAppServices::ShowImportSummary(const CBatchSummary& summary)
{
    CImportSummaryDlg dialog(FromDocText(ImportHeadline(summary, 0)),
                             FromDocText(ImportSummaryText(summary, {}, SummaryDetail::Grouped)),
                             FromDocText(ImportSummaryText(summary, {}, SummaryDetail::Full)), m_window);
    dialog.setWindowTitle(QStringLiteral("Import"));
    m_prompts.RunDialog(dialog);
}

std::string CAppServices::OrdersStateFileOf(const std::string& gamePath) const
{
    return m_stateFiles && !gamePath.empty() ? m_stateFiles(gamePath) : std::string();
}
