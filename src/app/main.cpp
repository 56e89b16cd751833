#include "app/KestraneApp.h"
#include "app/MainFrame.h"
#include "app/StartOptions.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // Answered before any window system is needed, so they work anywhere.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(StartHelpText().c_str(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("kestrane %s\n", KESTRANE_VERSION);
            return 0;
        }
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrane"));
    QApplication::setOrganizationName(QStringLiteral("Morvellan"));

    CKestraneApp::StartOptions options;
    QString screenshot;
    const QStringList args = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("-nosplash") || arg == QLatin1String("/nosplash"))
            options.showSplash = false;
        else if (arg == QLatin1String("-screenshot") && i + 1 < args.size())
            screenshot = args[++i];
        else
            options.files << arg;
    }

    CKestraneApp app;
    if (!app.InitInstance(options))
        return 1;

    if (!screenshot.isEmpty()) {
        // Smoke tests: picture the whole main window once it has settled.
        QTimer::singleShot(1500, [&app, screenshot] {
            app.MainFrame()->grab().save(screenshot);
            QApplication::quit();
        });
    }

    const int result = application.exec();
    app.ExitInstance();
    return result;
}
