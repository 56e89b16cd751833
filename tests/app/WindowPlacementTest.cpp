#include "AppFixture.h"

#include "app/CentreChartWindow.h"
#include "app/HelpWindow.h"
#include "app/WindowPlacement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QProgressDialog>
#include <QScreen>
#include <QtTest>

// New windows open inside the screen's available area wherever the main
// window stands, and progress dialogs leave room for their whole title.
class WindowPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void newWindowsOpenOnTheScreen_data();
    void newWindowsOpenOnTheScreen();
    void progressTitlesFit();
};

void WindowPlacementTest::newWindowsOpenOnTheScreen_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QPoint>("corner");
    QTest::newRow("ChartBottomRight") << int(Cmd::CentreChart) << QPoint(1, 1);
    QTest::newRow("ChartTopLeft") << int(Cmd::CentreChart) << QPoint(-1, -1);
    QTest::newRow("HelpBottomRight") << int(Cmd::HelpTopics) << QPoint(1, 1);
    QTest::newRow("HelpTopLeft") << int(Cmd::HelpTopics) << QPoint(-1, -1);
}

void WindowPlacementTest::newWindowsOpenOnTheScreen()
{
    QFETCH(int, command);
    QFETCH(QPoint, corner);
    CAppFixture app;
    QVERIFY(app.NewGame());
    const QRect area = app.Frame().screen()->availableGeometry();
    // The main window pushed against one corner of the screen, partly off it.
    app.Frame().resize(area.width() / 2, area.height() / 2);
    app.Frame().move(corner.x() > 0 ? area.right() - area.width() / 3 : area.left() - 50,
                     corner.y() > 0 ? area.bottom() - area.height() / 3 : area.top() - 50);
    app.Run(Cmd(command));
    QWidget* opened = command == int(Cmd::CentreChart) ? static_cast<QWidget*>(app.Frame().ChartWindow(*app.Frame().ActiveDocument()))
                                                       : app.Frame().HelpWindow();
    QVERIFY(opened);
    QVERIFY(opened->isVisible());
    QVERIFY2(area.contains(opened->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4 outside %5x%6")
                                                                    .arg(opened->x()).arg(opened->y())
                                                                    .arg(opened->width()).arg(opened->height())
                                                                    .arg(area.width()).arg(area.height())));
}

void WindowPlacementTest::progressTitlesFit()
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    for (const char* title : {"Export Animation", "Import Mailbox", "Fetch from Mailbox"}) {
        QProgressDialog progress(QStringLiteral("Working..."), QStringLiteral("Cancel"), 0, 10);
        progress.setWindowTitle(QString::fromLatin1(title));
        KeepTitleWhole(progress);
        progress.show();
        // The title and a window manager's icon and three buttons beside it.
        QVERIFY2(progress.width() >= QFontMetrics(bold).horizontalAdvance(progress.windowTitle()) + 100, title);
    }
}

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
