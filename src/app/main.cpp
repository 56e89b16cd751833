#include "app/KestraneApp.h"
#include "app/MainFrame.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
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
