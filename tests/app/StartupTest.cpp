#include "AppFixture.h"

#include "app/AboutDlg.h"
#include "app/ChildFrame.h"
#include "app/HelpGuide.h"
#include "app/SplashWnd.h"
#include "model/KestraneDoc.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

// Start-up with files to open, the splash picture and the About box.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void fileOnCommandLineIsOpened();
    void droppedFileIsOpened();
    void arrangeIconsLinesUpMinimisedWindows();
    void splashPicture();
    void splashTakesFirstKeyPress();
    void splashTakesFirstClickAndTimesOut();
    void splashDisabledShowsNothing();
    void closingTheMainWindowTakesTheSplashAlong();
    void maximisedGameWindowTitle();
    void aboutBox();
    void landscapeDefault();
    void userGuideFound();
};

void StartupTest::fileOnCommandLineIsOpened()
{
    QString file;
    {
        CAppFixture maker;
        CKestraneDoc* doc = maker.NewGame();
        doc->m_strGame = "cmdline";
        file = maker.Path("../cmdline.kes");
        QVERIFY(maker.Frame().Docs().DoSave(*doc, file));
    }
    CAppFixture app;
    CKestraneApp::StartOptions options;
    options.showSplash = false;
    options.files = {file};
    // A second start in the same process: a fresh application object.
    CKestraneApp second(std::make_unique<CScriptedPrompts>());
    QSettings(CQtSettingsStore::kOrganisation, CQtSettingsStore::kApplication)
        .setValue("Settings/InstallDir", app.Dir().Path().c_str());
    QVERIFY(second.InitInstance(options));
    QCOMPARE(second.MainFrame()->Docs().Documents().size(), size_t(1));
    QCOMPARE(second.MainFrame()->Docs().Documents().front()->m_strGame, std::string("cmdline"));
    QVERIFY(second.MainFrame()->ShowsGameMenus());
    QFile::remove(file);
}

void StartupTest::droppedFileIsOpened()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    doc->m_strGame = "dropped";
    QVERIFY(app.Frame().Docs().DoSave(*doc, app.Path("dropped.kes")));
    app.Run(Cmd::FileClose);
    QVERIFY(app.Frame().Docs().Documents().empty());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(app.Path("dropped.kes"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app.Frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app.Frame(), &drop);
    QCOMPARE(app.Frame().Docs().Documents().size(), size_t(1));
    QCOMPARE(app.Frame().Docs().Documents().front()->m_strGame, std::string("dropped"));
}

void StartupTest::arrangeIconsLinesUpMinimisedWindows()
{
    CAppFixture app(CAppFixture::Presets{{"Settings/WinRight", 1000}, {"Settings/WinBottom", 800}});
    app.NewGame();
    app.NewGame();
    const auto windows = app.Frame().MdiArea()->subWindowList();
    QCOMPARE(windows.size(), 2);
    for (QMdiSubWindow* window : windows)
        window->showMinimized();
    app.Run(Cmd::WindowArrange);
    const int bottom = app.Frame().MdiArea()->viewport()->height();
    QCOMPARE(windows[0]->geometry().bottom() + 1, bottom);
    QCOMPARE(windows[1]->geometry().bottom() + 1, bottom);
    QCOMPARE(windows[0]->x(), 0);
    QCOMPARE(windows[1]->x(), windows[0]->width());
}

void StartupTest::splashPicture()
{
    const QImage picture = CSplashWnd::MakePicture().toImage();
    QCOMPARE(picture.size(), QSize(520, 317));
    // Sea, land and the framed box all appear.
    QCOMPARE(QColor(picture.pixel(510, 10)), QColor(96, 160, 208));
    QCOMPARE(QColor(picture.pixel(5, 5)), QColor(232, 216, 168));
    QCOMPARE(QColor(picture.pixel(251, 171)), QColor(Qt::black));
}

void StartupTest::splashTakesFirstKeyPress()
{
    QWidget owner;
    owner.show();
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&owner);
    CSplashWnd* splash = CSplashWnd::Instance();
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    CSplashWnd::ShowSplashScreen(&owner); // at most one
    QCOMPARE(CSplashWnd::Instance(), splash);

    QLineEdit target;
    target.show();
    QTest::keyClick(&target, Qt::Key_A);
    QCOMPARE(target.text(), QString()); // consumed by the splash
    QVERIFY(!CSplashWnd::Instance());
    QTest::keyClick(&target, Qt::Key_B);
    QCOMPARE(target.text(), QStringLiteral("b"));
    CSplashWnd::EnableSplashScreen(false);
}

void StartupTest::splashTakesFirstClickAndTimesOut()
{
    QWidget owner;
    owner.show();
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&owner);
    QVERIFY(CSplashWnd::Instance());
    QPushButton button("x");
    int clicks = 0;
    connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 0);
    QVERIFY(!CSplashWnd::Instance());

    CSplashWnd::ShowSplashScreen(&owner);
    QVERIFY(CSplashWnd::Instance());
    QTRY_VERIFY_WITH_TIMEOUT(!CSplashWnd::Instance(), CSplashWnd::kShowMilliseconds + 2000);
    CSplashWnd::EnableSplashScreen(false);
}

void StartupTest::splashDisabledShowsNothing()
{
    CAppFixture app; // started as with -nosplash
    QVERIFY(!CSplashWnd::Instance());
}

void StartupTest::closingTheMainWindowTakesTheSplashAlong()
{
    CAppFixture app;
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&app.Frame());
    QVERIFY(CSplashWnd::Instance());
    app.Exit();
    QVERIFY(!CSplashWnd::Instance());
    CSplashWnd::EnableSplashScreen(false);
}

void StartupTest::maximisedGameWindowTitle()
{
    CAppFixture app;
    app.NewGame();
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Kestrane - Kestrane1, Test"));
    app.Frame().ActiveFrame()->showMaximized();
    app.Frame().UpdateActions();
    QCoreApplication::processEvents();
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Kestrane - [Kestrane1, Test]"));
    app.Run(Cmd::ToggleInitials); // a later update keeps it
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Kestrane - [Kestrane1, Test]"));
    app.Frame().ActiveFrame()->showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(app.Frame().windowTitle(), QStringLiteral("Kestrane - Kestrane1, Test"));
}

void StartupTest::aboutBox()
{
    CAppFixture app;
    QStringList texts;
    app.Prompts().dialogHook = [&texts](QDialog& dialog) {
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
        return true;
    };
    app.Run(Cmd::AppAbout);
    QCOMPARE(app.Prompts().dialogTitles, std::vector<QString>{"About Kestrane"});
    QCOMPARE(texts, (QStringList{"Kestrane Version 1.3.3", CAboutDlg::kSecondLine}));
}

void StartupTest::landscapeDefault()
{
    CAppFixture app;
    QCOMPARE(app.App().Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

void StartupTest::userGuideFound()
{
    // The guide of the source tree, or the installed one.
    const QString guide = UserGuidePath();
    QVERIFY2(guide.endsWith("/docs/index.html"), qPrintable(guide));
    QVERIFY(QFileInfo(guide).isFile());
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
