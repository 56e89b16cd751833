#include "app/AppServices.h"

#include "app/KestraneApp.h"
#include "app/MainFrame.h"
#include "app/UiPrompts.h"

#include <QMetaObject>
#include <QPointer>

void CAppServices::ShowMessage(std::string_view text, MessageIcon icon)
{
    m_app.Prompts().ShowMessage(m_app.MainFrame(), QString::fromUtf8(text.data(), qsizetype(text.size())), icon);
}

std::string CAppServices::GetInstallDir() const
{
    return m_app.Settings().m_strInstallDir;
}

void CAppServices::CloseMainWindow()
{
    // The caller is a document operation that returns right after this; a
    // close now would delete that document under its feet. The close is
    // therefore queued and runs when the command has returned.
    QPointer<CMainFrame> frame = m_app.MainFrame();
    if (frame)
        QMetaObject::invokeMethod(frame, [frame] { if (frame) frame->close(); }, Qt::QueuedConnection);
}
