#include "cli/Commands.h"
#include "cli/MapFileWriter.h"
#include "cli/PngWriter.h"
#include "keyring/QtKeyring.h"
#include "mailaccess/MailAccount.h"
#include "mailaccess/WatchSettings.h"
#include "mailaccess/OutgoingAccount.h"
#include "model/OrdersStateFile.h"
#include "model/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>

#include <exception>
#include <memory>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The folder the desktop program would use: its stored "InstallDir", else
// the current folder when it holds Maps, else the installed data.
std::string StoredInstallDir()
{
    std::error_code ec;
    const std::string current = std::filesystem::current_path(ec).string();
    const std::string fallback = DefaultInstallDir(current, InstalledDataDir());
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Morvellan", "Kestrane");
    const QVariant stored = settings.value(QString(CAppSettings::kSection) + "/InstallDir");
    if (!stored.isValid())
        return fallback;
    return stored.toString().toStdString();
}

QSettings& StoredSettings()
{
    static QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Morvellan", "Kestrane");
    return settings;
}

// The desktop program's settings, read-only, as the account code reads them.
class CReadOnlySettings : public ISettingsStore {
public:
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const override
    {
        bool ok = false;
        const int value = StoredSettings().value(Key(section, entry)).toInt(&ok);
        return ok ? value : defaultValue;
    }
    void WriteProfileInt(const std::string&, const std::string&, int) override {}
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue) const override
    {
        const QVariant value = StoredSettings().value(Key(section, entry));
        return value.isValid() ? value.toString().toStdString() : defaultValue;
    }
    void WriteProfileString(const std::string&, const std::string&, const std::string&) override {}

private:
    static QString Key(const std::string& section, const std::string& entry)
    {
        return QString::fromStdString(section) + '/' + QString::fromStdString(entry);
    }
};

CMailAccount StoredAccount(const std::string& gamePath)
{
    return CMailAccount::Load(CReadOnlySettings(), gamePath);
}

COutgoingAccount StoredOutgoing(const std::string& gamePath)
{
    return COutgoingAccount::Load(CReadOnlySettings(), gamePath);
}

// The keyring talks to the desktop's keyring service through Qt's event
// loop, so an application object is made the first time it is needed.
IPasswordKeyring* DesktopKeyring()
{
    static int argc = 1;
    static char name[] = "kestrane-cli";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QCoreApplication> app =
        QCoreApplication::instance() ? nullptr : std::make_unique<QCoreApplication>(argc, argv);
    static CQtKeyring keyring;
    return &keyring;
}

CWatchSettings StoredWatch(const std::string& gamePath)
{
    return CWatchSettings::Load(CReadOnlySettings(), gamePath);
}

std::string MarksFile()
{
    return QFileInfo(StoredSettings().fileName()).dir().filePath("Kestrane-mailbox-marks.txt").toStdString();
}

std::string GameOrdersStateFile(const std::string& gamePath)
{
    return OrdersStateFile(QFile::encodeName(StoredSettings().fileName()).toStdString(), gamePath);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const CCliEnvironment env{std::cin,          std::cout,          std::cerr,     StoredInstallDir,
                              WritePngFile,      WriteMapFile,       WriteAnimationFile, StoredAccount,
                              DesktopKeyring,    MarksFile,          GameOrdersStateFile, StoredWatch,
                              StoredOutgoing};
    // The core reports its problems as messages; what can still escape is
    // running out of memory, which must end the command, not crash it.
    try {
        const int status = RunCli(args, env);
        std::cout.flush();
        return std::cout.fail() ? kExitFailed : status;
    } catch (const std::exception& e) {
        std::cerr << "kestrane-cli: " << e.what() << '\n';
        return kExitFailed;
    }
}
