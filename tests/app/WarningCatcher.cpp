#include "WarningCatcher.h"

#include <QMutex>

namespace {

QMutex g_lock;
QStringList g_caught;
QtMessageHandler g_passOn = nullptr;

void Catch(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtDebugMsg || type == QtInfoMsg) {
        if (g_passOn)
            g_passOn(type, context, text);
        return;
    }
    // The offscreen platform the tests run on says so whenever a window
    // asks for what only a real display does (raise, keyboard grab, size
    // hints); the program is not at fault.
    if (text.startsWith(QLatin1String("This plugin does not support"))) {
        if (g_passOn)
            g_passOn(QtDebugMsg, context, text);
        return;
    }
    const QMutexLocker lock(&g_lock);
    g_caught << text;
}

} // namespace

CWarningCatcher::CWarningCatcher()
{
    const QMutexLocker lock(&g_lock);
    g_caught.clear();
    m_previous = qInstallMessageHandler(Catch);
    g_passOn = m_previous;
}

CWarningCatcher::~CWarningCatcher()
{
    qInstallMessageHandler(m_previous);
    g_passOn = nullptr;
}

QStringList CWarningCatcher::Warnings() const
{
    const QMutexLocker lock(&g_lock);
    return g_caught;
}
