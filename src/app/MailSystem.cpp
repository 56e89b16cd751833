#include "app/MailSystem.h"

#include "model/DocText.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

bool CMailSystem::IsAvailable()
{
    if (!m_available)
        m_available = !QStandardPaths::findExecutable(kToolName).isEmpty();
    return *m_available;
}

CMailSystem::Result CMailSystem::Send(const std::string& text, QWidget* owner)
{
    const QString tool = QStandardPaths::findExecutable(kToolName);
    if (tool.isEmpty())
        return Result::ToolMissing;

    // The mail program's window takes over; ours stays disabled until the
    // tool returns, so no other command can run meanwhile.
    if (owner)
        owner->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QProcess process;
    process.setProgram(tool);
    // The mail is document text (Windows-1252 bytes), handed on as the
    // characters it stands for.
    process.setArguments({QStringLiteral("--body"), QString::fromStdString(DocTextToUtf8(text))});
    process.start();
    bool ok = process.waitForStarted();
    if (ok)
        ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    QApplication::restoreOverrideCursor();
    if (owner) {
        owner->setEnabled(true);
        owner->activateWindow();
    }
    return ok ? Result::Sent : Result::Failed;
}
