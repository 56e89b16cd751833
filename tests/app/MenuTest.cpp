#include "AppFixture.h"

#include "app/ActionTable.h"
#include "app/MenuRules.h"
#include "app/ToolbarIcons.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include <map>

// The menus, accelerators, toolbar and status bar of the main window.
class MenuTest : public QObject {
    Q_OBJECT
private slots:
    void noGameMenus();
    void gameMenus();
    void menuSetFollowsGameWindows();
    void shortcuts_data();
    void shortcuts();
    void statusPrompts_data();
    void statusPrompts();
    void toolbarOrder();
    void toolbarIcons();
    void statusBarPanes();
    void mailUnavailableRemovesSendAndOneSeparator();
    void mailAvailableKeepsSend();
    void removeMenuItemRule_data();
    void removeMenuItemRule();
    void recentFilesListed();
    void acceleratorsAreUniqueInEachMenu_data();
    void acceleratorsAreUniqueInEachMenu();
    void windowMenuListsTheGameWindows();
};

namespace {

// The accelerator letter of a menu item's text ('&&' is a plain '&'); none
// is a null character.
QChar Accelerator(const QString& text)
{
    for (qsizetype i = text.indexOf('&'); i >= 0 && i + 1 < text.size(); i = text.indexOf('&', i + 2))
        if (text[i + 1] != '&')
            return text[i + 1].toLower();
    return {};
}

// The Window menu filled as it is when the user opens it.
QMenu* OpenedWindowMenu(CMainFrame& frame)
{
    QMenu* menu = FindMenu(frame, "&Window");
    if (menu)
        emit menu->aboutToShow();
    return menu;
}

} // namespace

void MenuTest::noGameMenus()
{
    CAppFixture app;
    CMainFrame& frame = app.Frame();
    QCOMPARE(MenuTitles(frame), (QStringList{"&File", "&View", "&Help"}));
    QCOMPARE(MenuItems(*FindMenu(frame, "&File")),
             (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "-", "P&rint Setup...", "-", "Recent File", "-",
                          "E&xit"}));
    QCOMPARE(MenuItems(*FindMenu(frame, "&View")), (QStringList{"&Toolbar", "&Status Bar"}));
    QCOMPARE(MenuItems(*FindMenu(frame, "&Help")), (QStringList{"&Help Topics", "&About Kestrane..."}));
    QVERIFY(!frame.ShowsGameMenus());
}

void MenuTest::gameMenus()
{
    CAppFixture app;
    app.InstallMailTool(0);
    QVERIFY(app.NewGame());
    CMainFrame& frame = app.Frame();
    QCOMPARE(MenuTitles(frame), (QStringList{"&File", "&Edit", "&View", "&Window", "&Help"}));
    QCOMPARE(MenuItems(*FindMenu(frame, "&File")),
             (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Close", "&Save\tCtrl+S", "Save &As...", "-",
                          "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-", "&Export Map...",
                          "Export Ani&mation...", "-", "Send Orders to &Judge", "Sen&d...", "Cop&y Orders Mail", "-",
                          "Recent File", "-", "E&xit"}));
    QCOMPARE(MenuItems(*FindMenu(frame, "&Edit")),
             (QStringList{"&Import...\tCtrl+I", "Import from &Clipboard\tCtrl+C", "Import &Mailbox...",
                          "Fe&tch from Mailbox\tCtrl+F5", "Mailbox &Settings...", "Remove\tCtrl+R",
                          "-", "&First", "&Previous", "&Next", "&Latest", "-", "&Game Details",
                          "&Orders Mode\tCtrl+E"}));
    QCOMPARE(MenuItems(*FindMenu(frame, "&View")),
             (QStringList{"&Toolbar", "&Status Bar", "&Zoom to Fit", "Zoom I&n\tCtrl++", "Zoom O&ut\tCtrl+-",
                          "&Actual Size\tCtrl+0", "&Initials", "Supply &Centres", "&Orders on Map",
                          "S&mooth Zoom", "-", "S&easons", "&Phase Summary", "Supply Centre C&hart"}));
    QCOMPARE(MenuItems(*FindMenu(frame, "&Window")),
             (QStringList{"&New Window", "&Cascade", "&Tile", "&Arrange Icons"}));
    QCOMPARE(MenuItems(*FindMenu(frame, "&Help")), (QStringList{"&Help Topics", "-", "&About Kestrane..."}));
}

void MenuTest::menuSetFollowsGameWindows()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    QVERIFY(app.Frame().ShowsGameMenus());
    app.Run(Cmd::FileClose); // unmodified: no question
    QVERIFY(app.Prompts().saveQuestions.empty());
    QVERIFY(app.Frame().Docs().Documents().empty());
    QVERIFY(!app.Frame().ShowsGameMenus());
    QCOMPARE(MenuTitles(app.Frame()), (QStringList{"&File", "&View", "&Help"}));
}

void MenuTest::shortcuts_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("keys");
    QTest::newRow("ImportClipboard") << int(Cmd::ImportClipboard) << "Ctrl+C";
    QTest::newRow("Import") << int(Cmd::Import) << "Ctrl+I";
    QTest::newRow("New") << int(Cmd::FileNew) << "Ctrl+N";
    QTest::newRow("Open") << int(Cmd::FileOpen) << "Ctrl+O";
    QTest::newRow("Print") << int(Cmd::Print) << "Ctrl+P";
    QTest::newRow("Fetch") << int(Cmd::FetchMailbox) << "Ctrl+F5";
    QTest::newRow("Remove") << int(Cmd::RemoveSeason) << "Ctrl+R";
    QTest::newRow("Save") << int(Cmd::FileSave) << "Ctrl+S";
    QTest::newRow("OrdersMode") << int(Cmd::OrdersMode) << "Ctrl+E";
    QTest::newRow("Help") << int(Cmd::Help) << "F1";
    QTest::newRow("ContextHelp") << int(Cmd::ContextHelp) << "Shift+F1";
    QTest::newRow("NextPane") << int(Cmd::NextPane) << "F6";
    QTest::newRow("PreviousPane") << int(Cmd::PreviousPane) << "Shift+F6";
    // Keys beyond the menus' own.
    QTest::newRow("First") << int(Cmd::FirstSeason) << "Alt+Home";
    QTest::newRow("Previous") << int(Cmd::PreviousSeason) << "Alt+Left";
    QTest::newRow("Next") << int(Cmd::NextSeason) << "Alt+Right";
    QTest::newRow("Latest") << int(Cmd::LatestSeason) << "Alt+End";
    QTest::newRow("Exit") << int(Cmd::AppExit) << "Ctrl+Q";
}

void MenuTest::shortcuts()
{
    QFETCH(int, command);
    QFETCH(QString, keys);
    CAppFixture app;
    QAction* action = app.Frame().Action(Cmd(command));
    QVERIFY(action);
    QCOMPARE(action->shortcut(), QKeySequence(keys));
    // Reachable whichever menu set is shown.
    QVERIFY(app.Frame().actions().contains(action));

    // No other command may carry the same keys.
    int holders = 0;
    for (QAction* other : app.Frame().actions())
        holders += other->shortcut() == QKeySequence(keys) ? 1 : 0;
    QCOMPARE(holders, 1);
}

void MenuTest::statusPrompts_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("tip");
    QTest::newRow("Previous") << int(Cmd::PreviousSeason) << "Display the previous season" << "Previous";
    QTest::newRow("Next") << int(Cmd::NextSeason) << "Display the next season" << "Next";
    QTest::newRow("Latest") << int(Cmd::LatestSeason) << "Display the Latest season" << "Latest";
    QTest::newRow("First") << int(Cmd::FirstSeason) << "Display the First season" << "First";
    QTest::newRow("Details") << int(Cmd::GameDetails) << "Edit the details for this Game" << "Details";
    QTest::newRow("Import") << int(Cmd::Import) << "Import a Judge response" << "Import";
    QTest::newRow("Zoom") << int(Cmd::ToggleZoom) << "Select this option to display the whole map" << "Toggle Zoom";
    QTest::newRow("Initials") << int(Cmd::ToggleInitials)
                              << "Select this option to display country initial letters" << "Toggle Initials";
    QTest::newRow("Clipboard") << int(Cmd::ImportClipboard) << "Import data from the clipboard" << "ClipBoard";
    QTest::newRow("Mailbox") << int(Cmd::ImportMailbox)
                             << "Import every Judge mail of saved mails, an mbox file or a Maildir folder"
                             << "Import Mailbox";
    QTest::newRow("Fetch") << int(Cmd::FetchMailbox)
                           << "Fetch this game's new Judge mail from the mailbox and import it" << "Fetch from Mailbox";
    QTest::newRow("MailboxSettings") << int(Cmd::MailboxSettings)
                                     << "Set the mailbox this game's Judge mail is fetched from" << "Mailbox Settings";
    QTest::newRow("Remove") << int(Cmd::RemoveSeason) << "Remove this season's data" << "Remove";
    QTest::newRow("Centres") << int(Cmd::ToggleSCDisplay) << "View supply centre ownership"
                             << "Toggle Supply Centres";
    QTest::newRow("Seasons") << int(Cmd::ToggleSeasons) << "Show or hide the list of the game's seasons"
                             << "Toggle Seasons";
    QTest::newRow("Chart") << int(Cmd::CentreChart) << "Chart every power's supply centres season by season"
                           << "Supply Centre Chart";
    QTest::newRow("Send") << int(Cmd::SendMail) << "Send the active document through electronic mail"
                          << "Send Mail";
}

void MenuTest::statusPrompts()
{
    QFETCH(int, command);
    QFETCH(QString, status);
    QFETCH(QString, tip);
    CAppFixture app;
    QAction* action = app.Frame().Action(Cmd(command));
    QCOMPARE(action->statusTip(), status);
    QCOMPARE(action->toolTip(), tip);
}

void MenuTest::toolbarOrder()
{
    CAppFixture app;
    QStringList order;
    for (QAction* action : app.Frame().ToolBar()->actions())
        order << (action->isSeparator() ? QStringLiteral("-") : QString::number(action->data().toInt()));
    QCOMPARE(order, (QStringList{"57600", "57601", "57603", "-", "32778", "32773", "32774", "32776", "-", "57607",
                                 "57664", "57669", "-", "32824", "32809"}));
    QCOMPARE(app.Frame().ToolBar()->iconSize(), QSize(16, 15));
}

void MenuTest::toolbarIcons()
{
    // Twelve pictures of 16 x 15, no two alike.
    const Cmd buttons[] = {Cmd::FileNew,    Cmd::FileOpen,     Cmd::FileSave, Cmd::FirstSeason, Cmd::PreviousSeason,
                           Cmd::NextSeason, Cmd::LatestSeason, Cmd::Print,    Cmd::AppAbout,    Cmd::ContextHelp,
                           Cmd::OrdersMode, Cmd::SendToJudge};
    QList<QImage> images;
    for (Cmd id : buttons) {
        const QImage image = ToolbarPixmap(id).toImage();
        QCOMPARE(image.size(), QSize(16, 15));
        for (const QImage& earlier : images)
            QVERIFY(earlier != image);
        images << image;
    }
    QVERIFY(ToolbarPixmap(Cmd::GameDetails).isNull());
}

void MenuTest::statusBarPanes()
{
    CAppFixture app;
    QStatusBar* bar = app.Frame().statusBar();
    QCOMPARE(bar->currentMessage(), QStringLiteral("For Help, press F1"));
    // The idle prompt returns once a command's prompt is cleared.
    bar->showMessage("Display the next season");
    bar->clearMessage();
    QCOMPARE(bar->currentMessage(), QStringLiteral("For Help, press F1"));

    QStringList indicators;
    for (QLabel* label : bar->findChildren<QLabel*>())
        if (label->property("indicatorText").isValid())
            indicators << label->property("indicatorText").toString();
    QCOMPARE(indicators, (QStringList{"CAP", "NUM", "SCRL"}));
}

void MenuTest::mailUnavailableRemovesSendAndOneSeparator()
{
    CAppFixture app; // no mail tool on the search path
    QVERIFY(app.NewGame());
    const QStringList file = MenuItems(*FindMenu(app.Frame(), "&File"));
    QVERIFY(!file.contains("Sen&d..."));
    // The copy command stays between the two separators, which both stay.
    QCOMPARE(file, (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Close", "&Save\tCtrl+S", "Save &As...", "-",
                                "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-", "&Export Map...",
                                "Export Ani&mation...", "-", "Send Orders to &Judge", "Cop&y Orders Mail", "-",
                                "Recent File", "-", "E&xit"}));
    QVERIFY(!app.Frame().Action(Cmd::SendMail)->isEnabled());
    QVERIFY(app.Frame().Action(Cmd::CopyOrdersMail)->isEnabled());
}

void MenuTest::mailAvailableKeepsSend()
{
    CAppFixture app;
    app.InstallMailTool(0);
    QVERIFY(app.NewGame());
    QVERIFY(MenuItems(*FindMenu(app.Frame(), "&File")).contains("Sen&d..."));
    QVERIFY(app.Frame().Action(Cmd::SendMail)->isEnabled());
}

void MenuTest::removeMenuItemRule_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("BetweenSeparatorsDropsTheOneAbove")
        << QStringList{"a", "-", "send", "-", "b"} << "send" << QStringList{"a", "-", "b"};
    QTest::newRow("NeighbourItemKeepsSeparators")
        << QStringList{"a", "-", "send", "copy", "-", "b"} << "send" << QStringList{"a", "-", "copy", "-", "b"};
    QTest::newRow("FirstItemBeforeSeparatorDropsTheOneBelow")
        << QStringList{"send", "-", "b"} << "send" << QStringList{"b"};
    QTest::newRow("LastItemAfterSeparatorDropsTheOneAbove")
        << QStringList{"a", "-", "send"} << "send" << QStringList{"a"};
    QTest::newRow("BetweenItemsOnlyTheItem") << QStringList{"a", "send", "b"} << "send" << QStringList{"a", "b"};
    QTest::newRow("OnlyItem") << QStringList{"send"} << "send" << QStringList{};
}

void MenuTest::removeMenuItemRule()
{
    QFETCH(QStringList, items);
    QFETCH(QString, removed);
    QFETCH(QStringList, expected);
    QMenu menu;
    QAction* target = nullptr;
    for (const QString& item : items) {
        QAction* action = item == "-" ? menu.addSeparator() : menu.addAction(item);
        if (item == removed)
            target = action;
    }
    RemoveMenuItem(menu, target);
    QCOMPARE(MenuItems(menu), expected);
}

void MenuTest::recentFilesListed()
{
    CAppFixture app(CAppFixture::Presets{{"Recent File List/File1", "/games/one.kes"},
                                         {"Recent File List/File2", "/games/two.kes"}});
    const QStringList file = MenuItems(*FindMenu(app.Frame(), "&File"));
    QCOMPARE(file.mid(5, 3), (QStringList{"&1 /games/one.kes", "&2 /games/two.kes", "-"}));
}

void MenuTest::acceleratorsAreUniqueInEachMenu_data()
{
    QTest::addColumn<int>("games");
    QTest::newRow("NoGame") << 0;
    QTest::newRow("OneGame") << 1;
    QTest::newRow("TwoGames") << 2;
}

// Every menu of both sets, the recent files and the Window menu's list
// included: whatever items are added, no letter serves two.
void MenuTest::acceleratorsAreUniqueInEachMenu()
{
    QFETCH(int, games);
    CAppFixture app(CAppFixture::Presets{{"Recent File List/File1", "/games/one.kes"}});
    app.InstallMailTool(0);
    for (int i = 0; i < games; ++i)
        QVERIFY(app.NewGame());
    OpenedWindowMenu(app.Frame());
    for (const QString& title : MenuTitles(app.Frame())) {
        std::map<QChar, QString> taken;
        for (const QString& item : MenuItems(*FindMenu(app.Frame(), title))) {
            const QChar letter = Accelerator(item);
            if (letter.isNull())
                continue;
            const auto [it, fresh] = taken.emplace(letter, item);
            QVERIFY2(fresh, qPrintable(title + ": '" + item + "' and '" + it->second + "' share " + letter));
        }
    }
}

void MenuTest::windowMenuListsTheGameWindows()
{
    CAppFixture app;
    CKestraneDoc* first = app.NewGame();
    QVERIFY(first && app.NewGame());
    QMenu* window = OpenedWindowMenu(app.Frame());
    QVERIFY(window);
    const QList<QAction*> items = window->actions();
    QCOMPARE(items.size(), 4 + 1 + 2);
    QVERIFY(items[4]->isSeparator());
    const QList<QMdiSubWindow*> frames = app.Frame().MdiArea()->subWindowList();
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(items[5 + i]->text(), QStringLiteral("&%1 ").arg(i + 1) + frames[i]->windowTitle());
        QCOMPARE(items[5 + i]->isChecked(), frames[i] == app.Frame().MdiArea()->activeSubWindow());
    }
    // Choosing the unchecked one activates it; the list, opened again, follows.
    const int other = items[5]->isChecked() ? 6 : 5;
    items[other]->trigger();
    QCOMPARE(app.Frame().MdiArea()->activeSubWindow(), frames[other - 5]);
    QVERIFY(OpenedWindowMenu(app.Frame())->actions()[other]->isChecked());
    QCOMPARE(OpenedWindowMenu(app.Frame())->actions().size(), 7);
}

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
