#include "AppFixture.h"

#include <QGuiApplication>
#include <QtTest>

// Quitting and starting again under a window manager puts the main window
// back where it was, however often it is done.
class WindowRestartCheck : public QObject {
    Q_OBJECT
private slots:
    void tenRestartsKeepThePlace();
};

void WindowRestartCheck::tenRestartsKeepThePlace()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server with a window manager (run through WithWindowManager.sh)");
    const QStringList keys{"Settings/WinLeft", "Settings/WinTop", "Settings/WinRight", "Settings/WinBottom"};
    const QList<int> first{200, 150, 900, 650};
    QList<int> place = first;
    for (int run = 0; run < 10; ++run) {
        CAppFixture::Presets presets;
        for (int i = 0; i < keys.size(); ++i)
            presets.append({keys[i], place[i]});
        // With the start-up picture, which is shown before the main window.
        CAppFixture app(presets, testgame::StandardTestGame(), true);
        QVERIFY(QTest::qWaitForWindowExposed(&app.Frame()));
        // The window manager's frame is known once it has reparented the window.
        QTRY_VERIFY(app.Frame().frameGeometry() != app.Frame().geometry());
        QTest::qWait(100);
        // The frame's corner is the stored one, as close stores it.
        QCOMPARE(app.Frame().frameGeometry().topLeft(), QPoint(place[0], place[1]));
        app.Exit();
        for (int i = 0; i < keys.size(); ++i)
            place[i] = app.Stored(keys[i]).toInt();
    }
    QCOMPARE(place, first);
}

QTEST_MAIN(WindowRestartCheck)
#include "WindowRestartCheck.moc"
