#include "AppFixture.h"

#include "app/ChildFrame.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

namespace {

QStringList Orders(const CKestraneDoc& doc)
{
    QStringList lines;
    if (const CSeasonHdr* season = doc.GetCurrentSeason())
        for (const std::string& line : season->m_orders)
            lines << QString::fromStdString(line);
    return lines;
}

} // namespace

// Edit Import and Import from Clipboard through the real window, the core
// doing the reading.
class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void importFileFillsSeasonAndRedraws();
    void importCancelledChangesNothing();
    void importSecondReportEnablesNavigation();
    void clipboardImport();
    void clipboardWithoutText_data();
    void clipboardWithoutText();
    void rejectedReportIsReported();
};

void ImportTest::importFileFillsSeasonAndRedraws()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    const QImage bare = view->RenderedPicture();

    app.Dir().Write("start.txt", StartingReport());
    app.Prompts().openAnswers.push_back(app.Path("start.txt"));
    app.Run(Cmd::Import);
    QCOMPARE(app.Prompts().openRequests.back().filter,
             QStringLiteral("Text Files (*.txt);;Judge Files (*.jud);;All Files (*)"));
    QVERIFY2(app.Prompts().messages.empty(), app.Prompts().messages.empty() ? "" : qPrintable(app.Prompts().messages[0].text));
    QCOMPARE(doc->m_seasons.size(), size_t(1));
    QCOMPARE(QString::fromStdString(doc->GetCurrentSeason()->m_strSeason), QStringLiteral("S1900M"));
    QCOMPARE(Orders(*doc), (QStringList{"England: Fleet LON.", "England: Army PAR.", "France:  Fleet STP (south coast)."}));
    QCOMPARE(doc->GetCurrentSeason()->m_units[0].size(), size_t(2));
    QVERIFY(doc->IsModified());
    QVERIFY(app.Frame().ActiveFrame()->isWindowModified());
    QVERIFY(app.Frame().Action(Cmd::RemoveSeason)->isEnabled());
    QCOMPARE(app.Frame().ActiveFrame()->windowTitle(),
             QStringLiteral("USTV demo Standard  S1900M Mon Mar 02 2026 23 30 00 +0000 *"));
    // The units now stand on the board.
    QVERIFY(view->RenderedPicture() != bare);
}

void ImportTest::importCancelledChangesNothing()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    app.Prompts().openAnswers.push_back(QString());
    app.Run(Cmd::Import);
    QVERIFY(doc->m_seasons.empty());
    QVERIFY(!doc->IsModified());
}

void ImportTest::importSecondReportEnablesNavigation()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    app.Dir().Write("start.txt", StartingReport());
    app.Dir().Write("spring.txt", SpringMovementReport());
    app.Prompts().openAnswers = {app.Path("start.txt"), app.Path("spring.txt")};
    app.Run(Cmd::Import);
    app.Run(Cmd::Import);
    QCOMPARE(doc->m_seasons.size(), size_t(2));
    QCOMPARE(QString::fromStdString(doc->GetCurrentSeason()->m_strSeason), QStringLiteral("S1901M"));
    QVERIFY(app.Frame().Action(Cmd::FirstSeason)->isEnabled());
    QVERIFY(!app.Frame().Action(Cmd::LatestSeason)->isEnabled());
    app.Run(Cmd::FirstSeason);
    QCOMPARE(Orders(*doc).size(), 3);
}

void ImportTest::clipboardImport()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QGuiApplication::clipboard()->setText(QString::fromStdString(StartingReport()));
    app.Run(Cmd::ImportClipboard);
    QVERIFY(app.Prompts().messages.empty());
    QCOMPARE(doc->m_seasons.size(), size_t(1));
    QCOMPARE(Orders(*doc).size(), 3);
    // The shortcut reaches the same command.
    QCOMPARE(app.Frame().Action(Cmd::ImportClipboard)->shortcut(), QKeySequence("Ctrl+C"));
}

void ImportTest::clipboardWithoutText_data()
{
    QTest::addColumn<bool>("image");
    QTest::newRow("Empty") << false;
    QTest::newRow("ImageOnly") << true;
}

void ImportTest::clipboardWithoutText()
{
    QFETCH(bool, image);
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    if (image) {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(picture);
    } else {
        QGuiApplication::clipboard()->clear();
    }
    app.Run(Cmd::ImportClipboard);
    QCOMPARE(app.Prompts().messages.size(), size_t(1));
    QCOMPARE(app.Prompts().messages[0].text, QStringLiteral("No text to import"));
    QVERIFY(doc->m_seasons.empty());
    QVERIFY(!doc->IsModified());
}

void ImportTest::rejectedReportIsReported()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    app.Dir().Write("start.txt", StartingReport());
    app.Prompts().openAnswers = {app.Path("start.txt"), app.Path("start.txt")};
    app.Run(Cmd::Import);
    app.Run(Cmd::Import);
    QCOMPARE(doc->m_seasons.size(), size_t(1));
    QCOMPARE(app.Prompts().messages.size(), size_t(1));
    QCOMPARE(app.Prompts().messages[0].text,
             QStringLiteral("This Season S1900M has been imported previously,\ndata rejected."));
    QCOMPARE(app.Prompts().messages[0].icon, MessageIcon::Exclamation);
}

QTEST_MAIN(ImportTest)
#include "ImportTest.moc"
