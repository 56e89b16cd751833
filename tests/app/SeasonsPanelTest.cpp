#include "AppFixture.h"
#include "SampleGame.h"

#include "app/ChildFrame.h"
#include "app/KesTextView.h"
#include "app/KestraneView.h"
#include "app/SeasonsPanel.h"
#include "model/KestraneDoc.h"

#include <QMdiArea>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList Column(const QTreeWidget& list, int column)
{
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        texts << list.topLevelItem(i)->text(column);
    return texts;
}

int RowOf(const QTreeWidget& list, const QString& words)
{
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        if (list.topLevelItem(i)->text(0) == words)
            return i;
    return -1;
}

// A real click on the row; false when the row cannot be seen to click.
bool ClickRow(QTreeWidget& list, int row)
{
    QTreeWidgetItem* item = list.topLevelItem(row);
    if (!item || !QTest::qWaitForWindowExposed(list.window()))
        return false;
    list.scrollToItem(item);
    QCoreApplication::processEvents();
    const QRect rect = list.visualItemRect(item);
    if (!rect.isValid() || !list.viewport()->rect().contains(rect.center()))
        return false;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    return true;
}

// Everything the season on show decides: titles, both views' pictures and
// the commands' enabling.
struct Shown {
    QString docTitle;
    QString frameTitle;
    QString mainTitle;
    QImage map;
    QImage text;
    QList<bool> enabled;
};

Shown Capture(CAppFixture& app)
{
    CChildFrame* frame = app.Frame().ActiveFrame();
    Shown shown;
    shown.docTitle = QString::fromStdString(frame->Document()->GetTitle());
    shown.frameTitle = frame->windowTitle();
    shown.mainTitle = app.Frame().windowTitle();
    shown.map = frame->MapView()->viewport()->grab().toImage();
    shown.text = frame->TextView()->viewport()->grab().toImage();
    for (Cmd id : {Cmd::FirstSeason, Cmd::PreviousSeason, Cmd::NextSeason, Cmd::LatestSeason, Cmd::RemoveSeason})
        shown.enabled << app.Frame().Action(id)->isEnabled();
    return shown;
}

// The real game's program, game and seasons list, to bind by name.
struct OpenedList {
    CAppFixture& app;
    CKestraneDoc* doc;
    QTreeWidget& list;
};

OpenedList WithList(CKestrelSession& opened)
{
    return {opened.app, opened.doc, *opened.app.Frame().SeasonsPanel()->List()};
}

// The list shown, in a main window large enough to hold it and a game.
const CAppFixture::Presets kPanelOn{{"Settings/SeasonsPanel", 1},
                                    {"Settings/WinLeft", 0},
                                    {"Settings/WinTop", 0},
                                    {"Settings/WinRight", 1200},
                                    {"Settings/WinBottom", 900}};

const QStringList kKestrelInWords{
    "Starting position 1901", "Spring 1901 Movement", "Fall 1901 Movement",      "Fall 1901 Retreats",
    "Winter 1901 Adjustments", "Spring 1902 Movement", "Spring 1902 Retreats",   "Fall 1902 Movement",
    "Fall 1902 Retreats",      "Winter 1902 Adjustments", "Spring 1903 Movement", "Spring 1903 Retreats",
    "Fall 1903 Movement",      "Fall 1903 Retreats",      "Winter 1903 Adjustments"};

} // namespace

// The seasons list beside the game windows: its setting, its rows for the
// real game, and showing a season from it exactly as the season commands do.
class SeasonsPanelTest : public QObject {
    Q_OBJECT
private slots:
    void offByDefaultAndStored();
    void closingThePanelUnchecksIt();
    void listsTheRealGameInOrderInWords();
    void clickShowsTheSeasonAsPreviousAndNextDo();
    void enterShowsTheSelectedSeason();
    void followsTheCommandsRemovalAndImport();
    void followsTheActiveWindow();
};

void SeasonsPanelTest::offByDefaultAndStored()
{
    CAppFixture app;
    CSeasonsPanel* panel = app.Frame().SeasonsPanel();
    QVERIFY(panel);
    QVERIFY(panel->isHidden());
    QVERIFY(app.NewGame());
    QAction* toggle = app.Frame().Action(Cmd::ToggleSeasons);
    QVERIFY(toggle->isCheckable());
    QVERIFY(!toggle->isChecked());
    QVERIFY(panel->isHidden());

    toggle->trigger();
    QVERIFY(toggle->isChecked());
    QVERIFY(!panel->isHidden());
    app.Exit();
    QCOMPARE(app.Stored("Settings/SeasonsPanel").toInt(), 1);

    // Stored on, it is shown with a game and hidden without one.
    CAppFixture again(CAppFixture::Presets{{"Settings/SeasonsPanel", 1}});
    QVERIFY(again.Frame().SeasonsPanel()->isHidden());
    QVERIFY(again.NewGame());
    QVERIFY(!again.Frame().SeasonsPanel()->isHidden());
    QVERIFY(again.Frame().Action(Cmd::ToggleSeasons)->isChecked());
    again.Run(Cmd::FileClose);
    QVERIFY(again.Frame().SeasonsPanel()->isHidden());
}

void SeasonsPanelTest::closingThePanelUnchecksIt()
{
    CAppFixture app(kPanelOn);
    QVERIFY(app.NewGame());
    CSeasonsPanel* panel = app.Frame().SeasonsPanel();
    QVERIFY(!panel->isHidden());
    panel->close();
    QVERIFY(panel->isHidden());
    QVERIFY(!app.Frame().Action(Cmd::ToggleSeasons)->isChecked());
    // A later update must not bring it back.
    app.Run(Cmd::ToggleInitials);
    QVERIFY(panel->isHidden());
    app.Exit();
    QCOMPARE(app.Stored("Settings/SeasonsPanel").toInt(), 0);
}

void SeasonsPanelTest::listsTheRealGameInOrderInWords()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened(kPanelOn);
    auto& [app, doc] = opened;
    QVERIFY(doc);
    // Every mail imports without a word from the program.
    QCOMPARE(app.Prompts().messages.size(), size_t(0));
    QTreeWidget& list = *app.Frame().SeasonsPanel()->List();
    QCOMPARE(Column(list, 0), kKestrelInWords);
    // Every season has its deadline, written as the Judge wrote it.
    QCOMPARE(list.topLevelItem(8)->text(1), QStringLiteral("Tue Jan 20 2004 21:31:00 +0000"));
    for (const QString& deadline : Column(list, 1))
        QVERIFY(deadline.endsWith("+0000"));
    // The season imported last is on show and selected.
    QCOMPARE(list.currentItem(), list.topLevelItem(14));
    QCOMPARE(Current(*doc), QStringLiteral("F1903B"));
}

void SeasonsPanelTest::clickShowsTheSeasonAsPreviousAndNextDo()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened(kPanelOn);
    auto [app, doc, list] = WithList(opened);
    QVERIFY(doc);
    const int row = RowOf(list, "Fall 1902 Retreats");
    QVERIFY(row >= 0);

    QVERIFY(ClickRow(list, row));
    QCOMPARE(Current(*doc), QStringLiteral("F1902R"));
    const Shown clicked = Capture(app);
    QVERIFY(clicked.docTitle.contains("F1902R"));
    QCOMPARE(list.currentItem(), list.topLevelItem(row));

    // The same season reached one step at a time.
    app.Run(Cmd::LatestSeason);
    QVERIFY(Capture(app).docTitle != clicked.docTitle);
    while (Current(*doc) != "F1902R")
        app.Run(Cmd::PreviousSeason);
    const Shown stepped = Capture(app);
    QCOMPARE(clicked.docTitle, stepped.docTitle);
    QCOMPARE(clicked.frameTitle, stepped.frameTitle);
    QCOMPARE(clicked.mainTitle, stepped.mainTitle);
    QCOMPARE(clicked.enabled, stepped.enabled);
    QCOMPARE(clicked.enabled, (QList<bool>{true, true, true, true, true}));
    QVERIFY(clicked.map == stepped.map);
    QVERIFY(clicked.text == stepped.text);

    // The first row is the game start, reached as First reaches it.
    QVERIFY(ClickRow(list, 0));
    QCOMPARE(Current(*doc), QStringLiteral("S1900M"));
    QVERIFY(!app.Frame().Action(Cmd::FirstSeason)->isEnabled());
}

void SeasonsPanelTest::enterShowsTheSelectedSeason()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened(kPanelOn);
    auto [app, doc, list] = WithList(opened);
    QVERIFY(doc);
    list.setFocus();
    // Arrow keys only move the selection; Enter shows the season.
    QTest::keyClick(&list, Qt::Key_Up);
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(Current(*doc), QStringLiteral("F1903B"));
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(Current(*doc), QStringLiteral("F1903M"));
    QTest::keyClick(&list, Qt::Key_Home);
    QTest::keyClick(&list, Qt::Key_Enter);
    QCOMPARE(Current(*doc), QStringLiteral("S1900M"));
}

void SeasonsPanelTest::followsTheCommandsRemovalAndImport()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened(kPanelOn, 9); // up to F1902R
    auto& [app, doc] = opened;
    QVERIFY(doc);
    CSeasonsPanel& panel = *app.Frame().SeasonsPanel();
    QTreeWidget& list = *panel.List();
    QCOMPARE(Column(list, 0), kKestrelInWords.mid(0, 9));

    struct Step {
        Cmd command;
        int row;
    };
    for (const Step& step : {Step{Cmd::FirstSeason, 0}, Step{Cmd::NextSeason, 1}, Step{Cmd::LatestSeason, 8},
                             Step{Cmd::PreviousSeason, 7}}) {
        app.Run(step.command);
        QCOMPARE(list.currentItem(), list.topLevelItem(step.row));
        QVERIFY(panel.Entries()[size_t(step.row)].onShow);
    }

    // Removing the season on show (F1902M) leaves its successor on show.
    app.Run(Cmd::RemoveSeason);
    QCOMPARE(Current(*doc), QStringLiteral("F1902R"));
    QStringList expected = kKestrelInWords.mid(0, 9);
    expected.removeAt(7);
    QCOMPARE(Column(list, 0), expected);
    QCOMPARE(list.currentItem()->text(0), QStringLiteral("Fall 1902 Retreats"));

    // The removed movement comes back in its place; then the rest of the game.
    app.ImportReport(QString::fromStdString(kestrel::Mails()[7].string()));
    QCOMPARE(Column(list, 0), kKestrelInWords.mid(0, 9));
    QCOMPARE(list.currentItem()->text(0), QStringLiteral("Fall 1902 Movement"));
    const auto mails = kestrel::Mails();
    for (size_t i = 9; i < mails.size(); ++i)
        app.ImportReport(QString::fromStdString(mails[i].string()));
    QCOMPARE(Column(list, 0), kKestrelInWords);
    QCOMPARE(list.currentItem(), list.topLevelItem(14));

    // Removing every season empties the list.
    while (!doc->m_seasons.empty())
        app.Run(Cmd::RemoveSeason);
    QCOMPARE(list.topLevelItemCount(), 0);
    QVERIFY(!panel.isHidden());
}

void SeasonsPanelTest::followsTheActiveWindow()
{
    SKIP_WITHOUT_KESTREL();
    CKestrelSession opened(kPanelOn, 3);
    auto& [app, kestrelGame] = opened;
    QVERIFY(kestrelGame);
    CChildFrame* first = app.Frame().ActiveFrame();
    CKestraneDoc* empty = app.NewGame();
    QVERIFY(empty);
    QTreeWidget& list = *app.Frame().SeasonsPanel()->List();
    QCOMPARE(list.topLevelItemCount(), 0);

    app.Frame().MdiArea()->setActiveSubWindow(first);
    QCOMPARE(Column(list, 0), kKestrelInWords.mid(0, 3));
    // A click shows the season in the game whose list it is.
    QVERIFY(ClickRow(list, 1));
    QCOMPARE(Current(*kestrelGame), QStringLiteral("S1901M"));
    QVERIFY(empty->m_seasons.empty());
}

QTEST_MAIN(SeasonsPanelTest)
#include "SeasonsPanelTest.moc"
