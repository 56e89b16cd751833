#include "AppFixture.h"
#include "SampleGame.h"
#include "WarningCatcher.h"

#include "app/AboutDlg.h"
#include "app/ChildFrame.h"
#include "app/GameDetailsDlg.h"
#include "app/HelpWindow.h"
#include "app/KesTextView.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QtTest>

namespace {

// The icon's pictures compared by content: the same pixels at 32 x 32.
QImage IconPicture(const QIcon& icon)
{
    return icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The program's own icon as a window shows it; checked against the picture
// that tools/icon drew.
QImage ProgramPicture()
{
    const QImage shown = IconPicture(ProgramIcon());
    const QImage drawn(QStringLiteral(KESTRANE_SOURCE_DIR "/data/icons/hicolor/32x32/apps/kestrane.png"));
    if (shown.size() != drawn.size() || shown.pixel(16, 16) != drawn.pixel(16, 16) || qAlpha(shown.pixel(0, 0)) != 0)
        return {};
    return shown;
}

QString ReadSourceFile(const QString& relative)
{
    QFile file(QStringLiteral(KESTRANE_SOURCE_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// What a new user meets: the sample game, the program's icon on every
// window, Game Details with every country, and a session without a single
// warning from the toolkit.
class NewcomerTest : public QObject {
    Q_OBJECT
private slots:
    void sampleGameHoldsTheSampleYear();
    void sampleGameOpensFromTheCommandLine();
    void everyWindowShowsTheProgramIcon();
    void iconIsInstalledAndNamedByTheDesktopEntry();
    void gameDetailsReachesEveryCountry_data();
    void gameDetailsReachesEveryCountry();
    void scriptedSessionRaisesNoWarning();
};

void NewcomerTest::sampleGameHoldsTheSampleYear()
{
    CAppFixture app(SampleSettings(1, 1));
    CKestraneDoc* doc = OpenSampleGame(app);
    QVERIFY2(doc, qPrintable(SampleGamePath()));
    // The five mails of data/samples, the latest on show.
    QCOMPARE(doc->m_seasons.size(), size_t(5));
    QCOMPARE(QString::fromStdString(doc->GetCurrentSeason()->m_strSeason), QStringLiteral("F1901B"));
    QCOMPARE(doc->m_nCountries, 7);
    QVERIFY(!doc->IsModified());
    QVERIFY(app.Prompts().messages.empty());
    // The title names the Judge, the game and the season on show.
    const QString title = app.Frame().ActiveFrame()->windowTitle();
    QVERIFY2(title.contains(QStringLiteral("kestrel")) && title.contains(QStringLiteral("F1901B")), qPrintable(title));
    // The board is drawn with units on it: not the bare picture.
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    const QImage withUnits = view->RenderedPicture();
    app.Run(Cmd::FirstSeason);
    QCOMPARE(withUnits.size(), QSize(1200, 1169));
    QVERIFY(withUnits != view->RenderedPicture());
}

void NewcomerTest::sampleGameOpensFromTheCommandLine()
{
    // As scripts/run.sh starts the program: the file named on the command line.
    CAppFixture app(SampleSettings(0, 0));
    CKestraneApp::StartOptions options;
    options.showSplash = false;
    options.files = {SampleGamePath()};
    CKestraneApp second;
    QVERIFY(second.InitInstance(options));
    QCOMPARE(second.MainFrame()->Docs().Documents().size(), size_t(1));
    QVERIFY(second.MainFrame()->ShowsGameMenus());
    second.MainFrame()->close();
}

void NewcomerTest::everyWindowShowsTheProgramIcon()
{
    CAppFixture app(SampleSettings(0, 0));
    QVERIFY(OpenSampleGame(app));
    const QImage program = ProgramPicture();
    QVERIFY(!program.isNull());
    QCOMPARE(IconPicture(QApplication::windowIcon()), program);
    QCOMPARE(IconPicture(app.Frame().windowIcon()), program);
    QCOMPARE(IconPicture(app.Frame().ActiveFrame()->windowIcon()), program);
    CGameDetailsDlg details(*app.Frame().ActiveDocument(), &app.Frame());
    QCOMPARE(IconPicture(details.windowIcon()), program);
    app.Run(Cmd::HelpTopics);
    QVERIFY(app.Frame().HelpWindow());
    QCOMPARE(IconPicture(app.Frame().HelpWindow()->windowIcon()), program);
    // Every size of the icon theme is built in.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY2(QApplication::windowIcon().availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
}

void NewcomerTest::iconIsInstalledAndNamedByTheDesktopEntry()
{
    const QString entry = ReadSourceFile("src/app/kestrane.desktop");
    QVERIFY(entry.contains(QStringLiteral("\nIcon=kestrane\n")));
    const QString svg = ReadSourceFile("data/icons/hicolor/scalable/apps/kestrane.svg");
    QVERIFY(svg.startsWith(QStringLiteral("<?xml")) && svg.contains(QStringLiteral("<svg")));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage png(QStringLiteral(KESTRANE_SOURCE_DIR "/data/icons/hicolor/%1x%1/apps/kestrane.png").arg(size));
        QCOMPARE(png.size(), QSize(size, size));
        QVERIFY(png.hasAlphaChannel());
        // Transparent corners, an opaque middle.
        QCOMPARE(qAlpha(png.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(png.pixel(size / 2, size / 2)), 255);
    }
    QVERIFY(ReadSourceFile("data/CMakeLists.txt").contains(QStringLiteral("DESTINATION ${CMAKE_INSTALL_DATADIR}/icons")));
}

void NewcomerTest::gameDetailsReachesEveryCountry_data()
{
    QTest::addColumn<int>("countries");
    QTest::addColumn<bool>("allAtOnce"); // every country in view without scrolling
    QTest::newRow("SampleGameSeven") << 7 << true;
    QTest::newRow("TwelveCountries") << 12 << true;
    QTest::newRow("TwentyCountries") << 20 << false;
}

void NewcomerTest::gameDetailsReachesEveryCountry()
{
    QFETCH(int, countries);
    QFETCH(bool, allAtOnce);
    std::unique_ptr<CAppFixture> app;
    CKestraneDoc* doc = nullptr;
    if (countries == 7) {
        app = std::make_unique<CAppFixture>(SampleSettings(0, 0));
        doc = OpenSampleGame(*app);
    } else {
        testgame::TestGameSpec game = testgame::StandardTestGame();
        game.countries.clear();
        for (int i = 0; i < countries; ++i)
            game.countries.push_back({"Power" + std::string(1, char('A' + i)), 10 * i, 0, 0});
        game.countries.back().name = "Zanzibar"; // the last in the list's order
        app = std::make_unique<CAppFixture>(CAppFixture::Presets{}, game);
        doc = app->NewGame();
    }
    QVERIFY(doc);
    CGameDetailsDlg dialog(*doc, &app->Frame());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QListWidget* list = dialog.Countries();
    QCOMPARE(list->count(), countries);
    int inView = 0;
    for (int row = 0; row < countries; ++row)
        inView += list->viewport()->rect().contains(list->visualItemRect(list->item(row))) ? 1 : 0;
    QCOMPARE(inView == countries, allAtOnce);
    // The password stays below the list, inside the dialog.
    QVERIFY(dialog.PasswordEdit()->geometry().top() > list->geometry().bottom());
    QVERIFY(dialog.rect().contains(dialog.PasswordEdit()->geometry()));
    // Each country, the last one included, can be brought fully into view.
    for (int row : {countries - 1, 0, countries / 2, countries - 1}) {
        list->scrollToItem(list->item(row));
        const QRect shown = list->visualItemRect(list->item(row));
        QVERIFY2(list->viewport()->rect().contains(shown),
                 qPrintable(QStringLiteral("row %1 at %2,%3 %4x%5 in %6 high")
                                .arg(row).arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())
                                .arg(list->viewport()->height())));
    }
    dialog.close();
}

void NewcomerTest::scriptedSessionRaisesNoWarning()
{
    const CWarningCatcher catcher;
    {
        CAppFixture app(SampleSettings(1, 1));
        CKestraneDoc* sample = OpenSampleGame(app);
        QVERIFY(sample);
        app.Frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&app.Frame()));
        for (Cmd id : {Cmd::FirstSeason, Cmd::NextSeason, Cmd::LatestSeason, Cmd::PreviousSeason, Cmd::ToggleZoom,
                       Cmd::ToggleInitials, Cmd::ToggleSCDisplay, Cmd::NextPane, Cmd::WindowNew, Cmd::WindowTile,
                       Cmd::WindowCascade, Cmd::ViewToolbar, Cmd::ViewToolbar, Cmd::ViewStatusBar,
                       Cmd::ViewStatusBar})
            app.Run(id);
        // A game modified in a maximised window: the winter season removed
        // and its Judge mail imported again.
        app.Frame().ActiveFrame()->showMaximized();
        app.Run(Cmd::LatestSeason);
        app.Run(Cmd::RemoveSeason);
        QVERIFY(sample->IsModified());
        QFile::copy(QStringLiteral(KESTRANE_SOURCE_DIR "/data/samples/5-F1901B-adjustments.txt"),
                    app.Path("winter.txt"));
        app.Prompts().openAnswers.push_back(app.Path("winter.txt"));
        app.Run(Cmd::Import);
        QCOMPARE(sample->m_seasons.size(), size_t(5));
        app.Frame().ActiveFrame()->showNormal();
        app.Prompts().dialogHook = [](QDialog& dialog) {
            if (auto* preview = dialog.findChild<QPrintPreviewWidget*>())
                preview->updatePreview();
            return false;
        };
        app.Run(Cmd::GameDetails);
        app.Run(Cmd::PrintPreview);
        app.Run(Cmd::NextPane);
        app.Run(Cmd::PrintPreview);
        app.Run(Cmd::CopyOrdersMail);
        app.Run(Cmd::HelpTopics);
        app.Run(Cmd::ContextHelp);
        app.Run(Cmd::NextSeason);
        app.Frame().ActiveFrame()->TextView()->SelectAll();
        app.Frame().ActiveFrame()->TextView()->CopySelection();
        QTest::qWait(50);
        app.Prompts().saveChangesAnswers.assign(5, QMessageBox::No);
        app.Exit();
    }
    QVERIFY2(catcher.Warnings().isEmpty(), qPrintable(catcher.Warnings().join('\n')));
}

QTEST_MAIN(NewcomerTest)
#include "NewcomerTest.moc"
