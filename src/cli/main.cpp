#include "cli/Commands.h"
#include "cli/MapFileWriter.h"
#include "cli/PngWriter.h"
#include "model/Settings.h"

#include <QSettings>
#include <QString>

#include <exception>
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

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const CCliEnvironment env{std::cin, std::cout, std::cerr, StoredInstallDir, WritePngFile, WriteMapFile,
                              WriteAnimationFile};
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
