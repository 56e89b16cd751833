#include "AppFixture.h"
#include "SampleGame.h"

#include "app/ChildFrame.h"
#include "app/KesTextView.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest>

namespace {

// The sample game's seasons in game order, stepped through with the menu
// commands (which the keys must match).
QStringList SeasonsInOrder(CAppFixture& app, CKestraneDoc& doc)
{
    QStringList names;
    app.Run(Cmd::FirstSeason);
    names << Current(doc);
    while (app.Frame().Action(Cmd::NextSeason)->isEnabled()) {
        app.Run(Cmd::NextSeason);
        names << Current(doc);
    }
    return names;
}

bool Activate(QWidget& window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A press, drag and release of the left button across the pane's lines.
void Drag(QWidget* viewport, QPoint from, QPoint to)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, viewport->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, viewport->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &release);
}

// The middle of line n of the pane, in viewport pixels.
QPoint LinePoint(const CKesTextView& view, int line)
{
    const int height = view.ScreenLineHeight() * view.logicalDpiY() / 100;
    return {20, line * height + height / 2};
}

} // namespace

// The keys beyond the menus' own: season stepping, Exit, and selecting and
// copying in the orders pane.
class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void altKeysStepSeasons_data();
    void altKeysStepSeasons();
    void ctrlQExits();
    void ordersPaneSelectsWithTheMouse_data();
    void ordersPaneSelectsWithTheMouse();
    void ordersPaneSelectAllAndContextMenu();
    void ctrlCStillImportsFromTheClipboard();
};

void KeyboardTest::altKeysStepSeasons_data()
{
    QTest::addColumn<QList<int>>("keys");     // Qt keys pressed with Alt, in turn
    QTest::addColumn<int>("expectedIndex");    // index in game order; -1 the latest
    QTest::newRow("HomeGoesToFirst") << QList<int>{Qt::Key_Home} << 0;
    QTest::newRow("HomeThenRight") << QList<int>{Qt::Key_Home, Qt::Key_Right} << 1;
    QTest::newRow("LeftTwiceFromLatest") << QList<int>{Qt::Key_Left, Qt::Key_Left} << -3;
    QTest::newRow("HomeThenEnd") << QList<int>{Qt::Key_Home, Qt::Key_End} << -1;
    QTest::newRow("RightAtLatestStays") << QList<int>{Qt::Key_Right} << -1;
    QTest::newRow("LeftPastFirstStays") << QList<int>{Qt::Key_Home, Qt::Key_Left} << 0;
}

void KeyboardTest::altKeysStepSeasons()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, expectedIndex);
    CAppFixture app(SampleSettings(0, 0));
    CKestraneDoc* doc = OpenSampleGame(app);
    QVERIFY2(doc, qPrintable(SampleGamePath()));
    const QStringList seasons = SeasonsInOrder(app, *doc);
    QCOMPARE(seasons.size(), 5);
    app.Run(Cmd::LatestSeason);
    QVERIFY(Activate(app.Frame()));

    for (int key : keys)
        QTest::keyClick(app.Frame().ActiveFrame()->MapView(), Qt::Key(key), Qt::AltModifier);
    const int index = expectedIndex < 0 ? int(seasons.size()) + expectedIndex : expectedIndex;
    QCOMPARE(Current(*doc), seasons[index]);
    // The menu and toolbar follow the keys.
    QCOMPARE(app.Frame().Action(Cmd::NextSeason)->isEnabled(), index + 1 < seasons.size());
}

void KeyboardTest::ctrlQExits()
{
    CAppFixture app;
    app.NewGame();
    QVERIFY(Activate(app.Frame()));
    QCOMPARE(app.Frame().Action(Cmd::AppExit)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    app.Prompts().saveChangesAnswers.push_back(QMessageBox::No);
    QTest::keyClick(&app.Frame(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!app.Frame().isVisible());
    QVERIFY(app.Frame().Docs().Documents().empty());
}

void KeyboardTest::ordersPaneSelectsWithTheMouse_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("OneLine") << 2 << 2;
    QTest::newRow("Downwards") << 1 << 4;
    QTest::newRow("Upwards") << 5 << 0;
    QTest::newRow("PastTheEnd") << 30 << 200; // below the text: the last line
}

void KeyboardTest::ordersPaneSelectsWithTheMouse()
{
    QFETCH(int, from);
    QFETCH(int, to);
    CAppFixture app(SampleSettings(0, 0));
    CKestraneDoc* doc = OpenSampleGame(app);
    QVERIFY(doc);
    app.Run(Cmd::FirstSeason);
    app.Run(Cmd::NextSeason); // spring 1901 movement: 22 orders
    CKesTextView* pane = app.Frame().ActiveFrame()->TextView();
    pane->resize(400, 4000);
    const QStringList lines = pane->ScreenLines();
    QVERIFY(lines.size() > 20);
    QCOMPARE(lines.front(), QStringLiteral("Orders"));

    Drag(pane->viewport(), LinePoint(*pane, from), LinePoint(*pane, to));
    const int first = std::min(std::min(from, to), int(lines.size()) - 1);
    const int last = std::min(std::max(from, to), int(lines.size()) - 1);
    QCOMPARE(pane->Selection().First(), first);
    QCOMPARE(pane->Selection().Last(), std::max(from, to) >= lines.size() ? int(lines.size()) - 1 : last);
    const QString expected = lines.mid(first, last - first + 1).join('\n');
    QCOMPARE(pane->SelectedText(), expected);

    // Ctrl+Shift+C copies it; Ctrl+C is still Import from Clipboard.
    QVERIFY(Activate(app.Frame()));
    pane->setFocus();
    QGuiApplication::clipboard()->setText("before");
    QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);

    // Another season on show drops the selection.
    app.Run(Cmd::NextSeason);
    QVERIFY(pane->Selection().IsEmpty());
    QVERIFY(pane->SelectedText().isEmpty());
}

void KeyboardTest::ordersPaneSelectAllAndContextMenu()
{
    CAppFixture app(SampleSettings(0, 0));
    CKestraneDoc* doc = OpenSampleGame(app);
    QVERIFY(doc);
    CKesTextView* pane = app.Frame().ActiveFrame()->TextView();

    // Nothing selected: the menu offers Select All but not Copy.
    std::unique_ptr<QMenu> menu = pane->ContextMenu();
    QCOMPARE(MenuItems(*menu), (QStringList{"&Copy\tCtrl+Shift+C", "Select &All\tCtrl+A"}));
    QVERIFY(!menu->actions()[0]->isEnabled());
    QVERIFY(menu->actions()[1]->isEnabled());

    QVERIFY(Activate(app.Frame()));
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(pane->SelectedText(), pane->ScreenLines().join('\n'));
    menu = pane->ContextMenu();
    QVERIFY(menu->actions()[0]->isEnabled());
    menu->actions()[0]->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), pane->ScreenLines().join('\n'));
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Orders")));

    // With every season removed there is nothing to select.
    while (app.Frame().Action(Cmd::RemoveSeason)->isEnabled())
        app.Run(Cmd::RemoveSeason);
    QVERIFY(doc->m_seasons.empty());
    QVERIFY(pane->Selection().IsEmpty());
    pane->SelectAll();
    QVERIFY(pane->Selection().IsEmpty());
    QVERIFY(!pane->ContextMenu()->actions()[1]->isEnabled());
}

void KeyboardTest::ctrlCStillImportsFromTheClipboard()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    QVERIFY(Activate(app.Frame()));
    app.Frame().ActiveFrame()->TextView()->setFocus();
    QGuiApplication::clipboard()->setText(QString::fromStdString(StartingReport()));
    QTest::keyClick(app.Frame().ActiveFrame()->TextView(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(doc->m_seasons.size(), size_t(1));
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
