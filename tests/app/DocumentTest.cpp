#include "AppFixture.h"

#include "app/ChildFrame.h"
#include "app/KesTextView.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"

#include <QFile>
#include <QMdiArea>
#include <QSplitter>
#include <QtTest>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A game with a season of units and the player's details, as an import and
// Game Details would leave it.
void FillGame(CKestraneDoc& doc)
{
    doc.m_strJudge = "USTV";
    doc.m_strGame = "demo";
    doc.m_strVariant = "Standard ";
    doc.m_strMyCountry = "ENGLAND";
    doc.m_strPassword = "pw";
    auto season = std::make_unique<CSeasonHdr>(doc.m_nCountries);
    season->m_strSeason = "S1901M";
    season->m_strDeadline = "Mon ";
    season->m_orders = {"England: Fleet LON.", "France: Army PAR."};
    season->m_units[0].emplace_back(1, MapPos{10, 12}, "LON");
    season->m_units[1].emplace_back(0, MapPos{30, 20}, "PAR");
    doc.InsertSeason(std::move(season));
    doc.SetModifiedFlag(true);
}

} // namespace

// File New, Open, Save, Save As and Close through the real main window.
class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void newGameFromTestMap();
    void newGameWindowLayout();
    void newGameCancelledOrFailing();
    void untitledNumbersCount();
    void saveAndOpenRoundTrip();
    void saveAsAddsSuffixAndSuggestsName();
    void openTwiceActivatesTheOpenGame();
    void openDamagedFileKeepsNoWindow();
    void closePrompt_data();
    void closePrompt();
    void exitAsksForEveryModifiedGame();
    void fatalCloseRunsAfterTheCommand();
};

void DocumentTest::newGameFromTestMap()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    QCOMPARE(app.Prompts().openRequests.size(), size_t(1));
    QCOMPARE(app.Prompts().openRequests[0].filter, QStringLiteral("Map Files (*.map);;All Files (*)"));
    QCOMPARE(doc->m_nCountries, 2);
    QCOMPARE(doc->m_dib.Width(), 64);
    QCOMPARE(QString::fromStdString(doc->GetTitle()), QStringLiteral("Kestrane1, Test"));
    QVERIFY(!doc->IsModified());
    QVERIFY(app.Prompts().messages.empty());
}

void DocumentTest::newGameWindowLayout()
{
    CAppFixture app(CAppFixture::Presets{{"Settings/WinRight", 1100}, {"Settings/WinBottom", 900}});
    QCoreApplication::processEvents();
    const QSize client = app.Frame().MdiArea()->viewport()->size();
    QVERIFY(app.NewGame());
    CChildFrame* frame = app.Frame().ActiveFrame();
    QCOMPARE(frame->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(frame->width(), client.width());
    QCOMPARE(frame->height(), client.height() * 9 / 10);
    const QList<int> sizes = frame->Splitter()->sizes();
    QCOMPARE(sizes.size(), 2);
    // The map pane takes seven tenths of the width, give or take the handle.
    QVERIFY2(std::abs(sizes[0] - client.width() * 7 / 10) <= frame->Splitter()->handleWidth() + 12,
             qPrintable(QString::number(sizes[0])));
    QCOMPARE(frame->Splitter()->widget(0), static_cast<QWidget*>(frame->MapView()));
    QCOMPARE(frame->Splitter()->widget(1), static_cast<QWidget*>(frame->TextView()));
    QCOMPARE(frame->ActiveView(), static_cast<QWidget*>(frame->MapView()));
    app.Run(Cmd::NextPane);
    QCOMPARE(frame->ActiveView(), static_cast<QWidget*>(frame->TextView()));
}

void DocumentTest::newGameCancelledOrFailing()
{
    CAppFixture app;
    app.Prompts().openAnswers.push_back(QString()); // cancelled
    app.Run(Cmd::FileNew);
    QVERIFY(app.Frame().Docs().Documents().empty());

    app.Prompts().openAnswers.push_back(app.Path("Maps/Missing.map"));
    app.Run(Cmd::FileNew);
    QVERIFY(app.Frame().Docs().Documents().empty());
    QVERIFY(app.Frame().MdiArea()->subWindowList().isEmpty());
    QCOMPARE(app.Prompts().messages.size(), size_t(1));
    QVERIFY(app.Prompts().messages[0].text.startsWith("Cannot Open File:"));
    QVERIFY(!app.Frame().ShowsGameMenus());
}

void DocumentTest::untitledNumbersCount()
{
    CAppFixture app;
    QCOMPARE(QString::fromStdString(app.NewGame()->GetTitle()), QStringLiteral("Kestrane1, Test"));
    // A failed New takes no number.
    app.Prompts().openAnswers.push_back(app.Path("Maps/Missing.map"));
    app.Run(Cmd::FileNew);
    QCOMPARE(QString::fromStdString(app.NewGame()->GetTitle()), QStringLiteral("Kestrane2, Test"));
}

void DocumentTest::saveAndOpenRoundTrip()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    FillGame(*doc);
    const QString file = app.Path("game.kes");
    app.Prompts().saveAnswers.push_back(file);
    app.Run(Cmd::FileSave); // no file yet: Save As
    QCOMPARE(app.Prompts().saveRequests.size(), size_t(1));
    QCOMPARE(app.Prompts().saveRequests[0].filter, QStringLiteral("Kestrane Files (*.kes)"));
    QVERIFY(!doc->IsModified());
    QCOMPARE(QString::fromStdString(doc->GetTitle()), QStringLiteral("USTV demo Standard  S1901M Mon "));
    const QByteArray saved = ReadAll(file);
    QVERIFY(saved.startsWith(QByteArray("\xFF\xFF\x04\x00\x0C\x00" "CKestraneDoc", 18)));

    // Save again goes straight to the file and writes the same bytes.
    doc->SetModifiedFlag(true);
    app.Run(Cmd::FileSave);
    QCOMPARE(app.Prompts().saveRequests.size(), size_t(1));
    QCOMPARE(ReadAll(file), saved);
    app.Run(Cmd::FileClose);
    QVERIFY(app.Frame().Docs().Documents().empty());

    app.Prompts().openAnswers.push_back(file);
    app.Run(Cmd::FileOpen);
    QCOMPARE(app.Frame().Docs().Documents().size(), size_t(1));
    CKestraneDoc* opened = app.Frame().Docs().Documents().front();
    QCOMPARE(opened->m_strMyCountry, std::string("ENGLAND"));
    QCOMPARE(opened->m_strPassword, std::string("pw"));
    QCOMPARE(opened->m_seasons.size(), size_t(1));
    QCOMPARE(opened->GetCurrentSeason()->m_units[0].front().m_strProvince, std::string("LON"));
    QCOMPARE(QString::fromStdString(opened->GetTitle()), QStringLiteral("USTV demo Standard  S1901M Mon "));
    QVERIFY(!opened->IsModified());

    // Saving the opened game writes what was read; only the order of the
    // entries within a position-table bucket may change on the way.
    const QString again = app.Path("again.kes");
    app.Prompts().saveAnswers.push_back(again);
    app.Run(Cmd::FileSaveAs);
    const QByteArray resaved = ReadAll(again);
    QCOMPARE(resaved.size(), saved.size());
    const qsizetype tables = saved.indexOf(QByteArray("CCountry"));
    QVERIFY(tables > 0);
    QCOMPARE(resaved.left(tables), saved.left(tables));
    QCOMPARE(app.Frame().Docs().RecentFiles().front(), again);
    QCOMPARE(app.Frame().Docs().RecentFiles().at(1), file);
}

void DocumentTest::saveAsAddsSuffixAndSuggestsName()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    app.Prompts().saveAnswers.push_back(app.Path("plain"));
    app.Run(Cmd::FileSaveAs);
    QCOMPARE(app.Prompts().saveRequests[0].suggested, QStringLiteral("Kestrane1.kes"));
    QCOMPARE(app.Prompts().saveRequests[0].defaultSuffix, QStringLiteral("kes"));
    QVERIFY(QFile::exists(app.Path("plain.kes")));
    QCOMPARE(QString::fromStdString(doc->GetPathName()), app.Path("plain.kes"));
    // A game without seasons is titled by its file and map.
    QCOMPARE(QString::fromStdString(doc->GetTitle()), QStringLiteral("plain.kes, Test"));
}

void DocumentTest::openTwiceActivatesTheOpenGame()
{
    CAppFixture app;
    FillGame(*app.NewGame());
    app.Prompts().saveAnswers.push_back(app.Path("game.kes"));
    app.Run(Cmd::FileSave);
    app.Prompts().openAnswers.push_back(app.Path("game.kes"));
    app.Run(Cmd::FileOpen);
    QCOMPARE(app.Frame().Docs().Documents().size(), size_t(1));
    QCOMPARE(app.Frame().MdiArea()->subWindowList().size(), 1);
}

void DocumentTest::openDamagedFileKeepsNoWindow()
{
    CAppFixture app(CAppFixture::Presets{{"Recent File List/File1", ""}});
    app.Dir().Write("damaged.kes", std::string("\xFF\xFF\x04\x00\x0C\x00" "CKestraneDo", 17));
    app.Prompts().openAnswers.push_back(app.Path("damaged.kes"));
    app.Run(Cmd::FileOpen);
    QVERIFY(app.Frame().Docs().Documents().empty());
    QVERIFY(app.Frame().MdiArea()->subWindowList().isEmpty());
    QCOMPARE(app.Prompts().messages.size(), size_t(1));
    QVERIFY(!app.Frame().Docs().RecentFiles().contains(app.Path("damaged.kes")));
}

void DocumentTest::closePrompt_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("No") << int(QMessageBox::No) << true << false;
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false << false;
}

void DocumentTest::closePrompt()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    CAppFixture app;
    FillGame(*app.NewGame());
    app.Prompts().saveChangesAnswers.push_back(QMessageBox::StandardButton(answer));
    app.Prompts().saveAnswers.push_back(app.Path("closing.kes"));
    app.Frame().ActiveFrame()->close(); // the window's own close box
    QCOMPARE(app.Prompts().saveQuestions, std::vector<QString>{"USTV demo Standard  S1901M Mon "});
    QCOMPARE(app.Frame().Docs().Documents().empty(), closed);
    QCOMPARE(QFile::exists(app.Path("closing.kes")), saved);
}

void DocumentTest::exitAsksForEveryModifiedGame()
{
    CAppFixture app;
    FillGame(*app.NewGame());
    app.NewGame(); // unmodified
    FillGame(*app.NewGame());
    app.Prompts().saveChangesAnswers = {QMessageBox::No, QMessageBox::Cancel};
    QVERIFY(!app.Frame().close());
    QCOMPARE(app.Prompts().saveQuestions.size(), size_t(2));
    QCOMPARE(app.Frame().Docs().Documents().size(), size_t(3));

    app.Prompts().saveChangesAnswers = {QMessageBox::No, QMessageBox::No};
    QVERIFY(app.Frame().close());
    QVERIFY(app.Frame().Docs().Documents().empty());
}

void DocumentTest::fatalCloseRunsAfterTheCommand()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    app.App().Services().CloseMainWindow();
    // Still there while the calling command runs.
    QCOMPARE(app.Frame().Docs().FindDocument(doc), doc);
    QVERIFY(app.Frame().isVisible());
    QTRY_VERIFY(!app.Frame().isVisible());
    QVERIFY(app.Frame().Docs().Documents().empty());
}

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
