#include "AppFixture.h"
#include "SampleGame.h"

#include "app/ChildFrame.h"
#include "model/KestraneDoc.h"

#include <QMdiArea>
#include <QToolBar>
#include <QtTest>

namespace {

void AddSeasons(CKestraneDoc& doc, const QStringList& names)
{
    for (const QString& name : names) {
        auto season = std::make_unique<CSeasonHdr>(doc.m_nCountries);
        season->m_strSeason = name.toStdString();
        season->m_strDeadline = "Mon ";
        doc.InsertSeason(std::move(season));
    }
}

} // namespace

// Enabling and effect of First, Previous, Next, Latest and Remove, from the
// menu items and toolbar buttons of the real window.
class SeasonCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void enabling_data();
    void enabling();
    void noGameDisablesEverything();
    void navigationMovesAndRetitles();
    void removeFromTheMenu();
    void windowsOfOneGameShareTheSeason();
};

void SeasonCommandsTest::enabling_data()
{
    QTest::addColumn<QStringList>("seasons");
    QTest::addColumn<int>("moveTo"); // a command run first, 0 for none
    QTest::addColumn<QList<bool>>("expected"); // First, Previous, Next, Latest, Remove
    QTest::newRow("NoSeason") << QStringList{} << 0 << QList<bool>{false, false, false, false, false};
    QTest::newRow("OneSeason") << QStringList{"S1901M"} << 0 << QList<bool>{false, false, false, false, true};
    QTest::newRow("ThreeOnLatest") << QStringList{"S1901M", "F1901M", "F1901B"} << 0
                                   << QList<bool>{true, true, false, false, true};
    QTest::newRow("ThreeOnFirst") << QStringList{"S1901M", "F1901M", "F1901B"} << int(Cmd::FirstSeason)
                                  << QList<bool>{false, false, true, true, true};
    QTest::newRow("ThreeInMiddle") << QStringList{"S1901M", "F1901M", "F1901B"} << int(Cmd::PreviousSeason)
                                   << QList<bool>{true, true, true, true, true};
}

void SeasonCommandsTest::enabling()
{
    QFETCH(QStringList, seasons);
    QFETCH(int, moveTo);
    QFETCH(QList<bool>, expected);
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    AddSeasons(*doc, seasons);
    if (moveTo)
        app.Run(Cmd(moveTo));
    else
        app.Frame().UpdateActions();

    const Cmd commands[] = {Cmd::FirstSeason, Cmd::PreviousSeason, Cmd::NextSeason, Cmd::LatestSeason,
                            Cmd::RemoveSeason};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(app.Frame().Action(commands[i])->isEnabled(), expected[i]);
    // The toolbar buttons are the same commands.
    QVERIFY(app.Frame().ToolBar()->actions().contains(app.Frame().Action(Cmd::FirstSeason)));
}

void SeasonCommandsTest::noGameDisablesEverything()
{
    CAppFixture app;
    for (Cmd id : {Cmd::FirstSeason, Cmd::PreviousSeason, Cmd::NextSeason, Cmd::LatestSeason, Cmd::RemoveSeason,
                   Cmd::FileSave, Cmd::Print, Cmd::Import, Cmd::ImportClipboard, Cmd::GameDetails})
        QVERIFY2(!app.Frame().Action(id)->isEnabled(), qPrintable(QString::number(int(id))));
    for (Cmd id : {Cmd::FileNew, Cmd::FileOpen, Cmd::PrintSetup, Cmd::AppAbout, Cmd::AppExit})
        QVERIFY(app.Frame().Action(id)->isEnabled());
}

void SeasonCommandsTest::navigationMovesAndRetitles()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    doc->m_strJudge = "USTV";
    doc->m_strGame = "demo";
    doc->m_strVariant = "Standard ";
    AddSeasons(*doc, {"F1901M", "S1901M", "S1902M"});
    QCOMPARE(Current(*doc), QStringLiteral("S1902M")); // the season filed last is on show

    struct Step {
        Cmd command;
        const char* season;
    };
    const Step steps[] = {{Cmd::FirstSeason, "S1901M"},    {Cmd::PreviousSeason, "S1901M"},
                          {Cmd::NextSeason, "F1901M"},     {Cmd::LatestSeason, "S1902M"},
                          {Cmd::NextSeason, "S1902M"},     {Cmd::PreviousSeason, "F1901M"}};
    for (const Step& step : steps) {
        app.Run(step.command);
        QCOMPARE(Current(*doc), QString::fromLatin1(step.season));
        const QString title = QStringLiteral("USTV demo Standard  %1 Mon ").arg(step.season);
        QCOMPARE(QString::fromStdString(doc->GetTitle()), title);
        QCOMPARE(app.Frame().ActiveFrame()->windowTitle(), title);
        QCOMPARE(app.Frame().windowTitle(), "Kestrane - " + title);
    }
    QVERIFY(!doc->IsModified()); // moving changes nothing
}

void SeasonCommandsTest::removeFromTheMenu()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    AddSeasons(*doc, {"S1901M", "F1901M", "S1902M"});
    app.Run(Cmd::PreviousSeason);
    app.Run(Cmd::RemoveSeason);
    QCOMPARE(doc->m_seasons.size(), size_t(2));
    QCOMPARE(Current(*doc), QStringLiteral("S1902M"));
    QVERIFY(doc->IsModified());
    QVERIFY(app.Frame().ActiveFrame()->isWindowModified());
    QVERIFY(!app.Frame().Action(Cmd::NextSeason)->isEnabled());

    app.Run(Cmd::RemoveSeason);
    app.Run(Cmd::RemoveSeason);
    QVERIFY(doc->m_seasons.empty());
    QVERIFY(!doc->IsModified()); // removing the last season clears the flag
    QVERIFY(!app.Frame().Action(Cmd::RemoveSeason)->isEnabled());
}

void SeasonCommandsTest::windowsOfOneGameShareTheSeason()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QCOMPARE(QString::fromStdString(doc->GetTitle()), QStringLiteral("Kestrane1, Test"));
    app.Run(Cmd::WindowNew);
    const auto frames = app.Frame().Docs().Frames(*doc);
    QCOMPARE(frames.size(), size_t(2));
    // A second window does not add the map name again.
    QCOMPARE(frames[0]->windowTitle(), QStringLiteral("Kestrane1, Test:1"));
    QCOMPARE(frames[1]->windowTitle(), QStringLiteral("Kestrane1, Test:2"));

    // Closing one window of the game keeps the game and asks nothing.
    doc->SetModifiedFlag(true);
    frames[1]->close();
    QVERIFY(app.Prompts().saveQuestions.empty());
    QCOMPARE(app.Frame().Docs().Documents().size(), size_t(1));
    QCOMPARE(frames[0]->windowTitle(), QStringLiteral("Kestrane1, Test*"));
    QVERIFY(frames[0]->isWindowModified());
}

QTEST_MAIN(SeasonCommandsTest)
#include "SeasonCommandsTest.moc"
