#include "keyring/QtKeyring.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

// True when nothing on the session bus keeps passwords: no Secret Service
// and no KWallet running or startable (QtKeychain then says only "Unknown
// error").
bool NoKeyringService()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return true;
    const QStringList activatable = bus.interface()->activatableServiceNames().value();
    for (const char* name : {"org.freedesktop.secrets", "org.kde.kwalletd6", "org.kde.kwalletd5"}) {
        const QString service = QString::fromLatin1(name);
        if (bus.interface()->isServiceRegistered(service).value() || activatable.contains(service))
            return false;
    }
    return true;
}

// Runs a keychain job to its end; the job's error, if any, goes to error.
bool Run(QKeychain::Job& job, std::string& error)
{
    job.setAutoDelete(false);
    // Never the plain-file fallback: a password stays in the keyring or nowhere.
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() == QKeychain::NoError)
        return true;
    if (job.error() != QKeychain::EntryNotFound)
        error = NoKeyringService() ? CQtKeyring::kNoService : job.errorString().toStdString();
    return false;
}

} // namespace

std::optional<std::string> CQtKeyring::Read(const std::string& key, std::string& error)
{
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(QString::fromStdString(key));
    if (!Run(job, error))
        return std::nullopt;
    return job.textData().toStdString();
}

bool CQtKeyring::Write(const std::string& key, const std::string& password, std::string& error)
{
    QKeychain::WritePasswordJob job(kService);
    job.setKey(QString::fromStdString(key));
    job.setTextData(QString::fromStdString(password));
    if (Run(job, error))
        return true;
    if (error.empty())
        error = "the keyring did not take the password";
    return false;
}

bool CQtKeyring::Remove(const std::string& key, std::string& error)
{
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(QString::fromStdString(key));
    // A password that was never stored is as good as removed.
    return Run(job, error) || error.empty();
}
