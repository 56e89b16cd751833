#include "AppFixture.h"
#include "SampleGame.h"

#include "app/ActionTable.h"
#include "app/ChildFrame.h"
#include "app/ContextHelp.h"
#include "app/HelpGuide.h"
#include "app/HelpWindow.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"

#include <QApplication>
#include <QStatusBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

bool Activate(QWidget& window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QString StatusPrompt(Cmd id)
{
    const QString prompt = QString::fromLatin1(ActionSpec(id).prompt);
    return prompt.left(prompt.indexOf('\n'));
}

} // namespace

// Help Topics and F1 open the user guide in the program's own help window;
// context help explains the next command instead of running it.
class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void guideOpensInTheHelpWindow_data();
    void guideOpensInTheHelpWindow();
    void guidePicturesLoadAndFit();
    void contentsLinksReachTheirSections();
    void missingGuideNamesWhereItLooked();
    void contextHelpExplainsTheNextCommand_data();
    void contextHelpExplainsTheNextCommand();
    void contextHelpOnAPane();
    void contextHelpEscapeRunsNothing();
};

void HelpTest::guideOpensInTheHelpWindow_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<bool>("gameOpen");
    QTest::newRow("F1WithoutGame") << true << false;
    QTest::newRow("F1WithGame") << true << true;
    QTest::newRow("HelpTopicsMenu") << false << true;
}

void HelpTest::guideOpensInTheHelpWindow()
{
    QFETCH(bool, byKey);
    QFETCH(bool, gameOpen);
    CAppFixture app;
    if (gameOpen)
        QVERIFY(app.NewGame());
    QVERIFY(!app.Frame().HelpWindow());
    if (byKey) {
        QVERIFY(Activate(app.Frame()));
        QTest::keyClick(&app.Frame(), Qt::Key_F1);
    } else {
        app.Run(Cmd::HelpTopics);
    }
    CHelpWindow* help = app.Frame().HelpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(app.Prompts().messages.empty());
    QCOMPARE(help->Browser()->source(), QUrl::fromLocalFile(UserGuidePath()));
    QCOMPARE(help->Browser()->documentTitle(), QStringLiteral("Kestrane user guide"));
    QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("Importing the Judge's mails")));
    QVERIFY(help->windowTitle().contains(QStringLiteral("Kestrane user guide")));

    // Asking again brings the same window back rather than a second one.
    app.Run(Cmd::HelpTopics);
    QCOMPARE(app.Frame().HelpWindow(), help);
    QCOMPARE(app.Frame().findChildren<CHelpWindow*>().size(), 1);
}

void HelpTest::guidePicturesLoadAndFit()
{
    CAppFixture app;
    app.Run(Cmd::HelpTopics);
    CHelpWindow* help = app.Frame().HelpWindow();
    QVERIFY(help);
    help->resize(700, 600);
    // Every picture the guide names loads, no wider than the window.
    QTextDocument* document = help->Browser()->document();
    const QString html = document->toHtml();
    const QStringList names = {"images/file-menu.png", "images/window-start.png", "images/game-details.png"};
    for (const QString& name : names) {
        QVERIFY2(html.contains(name), qPrintable(name));
        const QVariant picture = help->Browser()->loadResource(QTextDocument::ImageResource, QUrl(name));
        const QImage image = picture.value<QImage>();
        QVERIFY2(!image.isNull(), qPrintable(name));
        QVERIFY2(image.width() <= help->Browser()->viewport()->width(), qPrintable(name));
    }
}

// The guide opens on using the program, with the build steps further down,
// and every link of its list of sections scrolls the window further down.
void HelpTest::contentsLinksReachTheirSections()
{
    CAppFixture app;
    app.Run(Cmd::HelpTopics);
    CHelpWindow* help = app.Frame().HelpWindow();
    QVERIFY(help);
    QTextBrowser* browser = help->Browser();
    const QString text = browser->toPlainText();
    QVERIFY(text.indexOf(QStringLiteral("Starting a game")) < text.indexOf(QStringLiteral("scripts/run.sh")));
    QStringList links;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref().startsWith(QLatin1Char('#')))
                links << it.fragment().charFormat().anchorHref();
    QVERIFY(links.size() > 10);
    int previous = -1;
    for (const QString& link : links) {
        browser->setSource(browser->source().resolved(QUrl(link)));
        const int at = browser->verticalScrollBar()->value();
        QVERIFY2(at > previous || at == browser->verticalScrollBar()->maximum(), qPrintable(link));
        previous = at;
    }
}

void HelpTest::missingGuideNamesWhereItLooked()
{
    const QStringList places = UserGuideCandidates();
    QVERIFY(places.size() >= 2);
    const QString message = MissingGuideMessage();
    QVERIFY(message.startsWith(QStringLiteral("The user guide was not found.")));
    for (const QString& place : places) {
        QVERIFY(place.endsWith(QStringLiteral("/index.html")));
        QVERIFY2(message.contains(QDir::toNativeSeparators(place)), qPrintable(place));
    }
    // The installed place comes first, the source tree's last.
    QVERIFY(places.front().contains(QStringLiteral("share/kestrane/docs")));
}

void HelpTest::contextHelpExplainsTheNextCommand_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("fromToolbar");
    QTest::newRow("NextFromMenu") << int(Cmd::NextSeason) << false;
    QTest::newRow("FirstFromToolbar") << int(Cmd::FirstSeason) << true;
    QTest::newRow("RemoveFromMenu") << int(Cmd::RemoveSeason) << false;
    QTest::newRow("PrintFromToolbar") << int(Cmd::Print) << true;
}

void HelpTest::contextHelpExplainsTheNextCommand()
{
    QFETCH(int, command);
    QFETCH(bool, fromToolbar);
    CAppFixture app(SampleSettings(0, 0));
    CKestraneDoc* doc = OpenSampleGame(app);
    QVERIFY(doc);
    app.Run(Cmd::PreviousSeason);
    const QString before = Current(*doc);
    const size_t seasons = doc->m_seasons.size();

    // Shift+F1, as the toolbar's help button does.
    QVERIFY(Activate(app.Frame()));
    QTest::keyClick(&app.Frame(), Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(app.Frame().ContextHelp().IsActive());
    QCOMPARE(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor,
             Qt::WhatsThisCursor);

    QAction* action = app.Frame().Action(Cmd(command));
    if (fromToolbar) {
        auto* button = qobject_cast<QToolButton*>(app.Frame().ToolBar()->widgetForAction(action));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        action->trigger();
    }
    // Explained, not run.
    QVERIFY(!app.Frame().ContextHelp().IsActive());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(app.Frame().ContextHelp().LastAnswer(), StatusPrompt(Cmd(command)));
    QCOMPARE(app.Frame().statusBar()->currentMessage(), StatusPrompt(Cmd(command)));
    QCOMPARE(Current(*doc), before);
    QCOMPARE(doc->m_seasons.size(), seasons);
    QVERIFY(app.Prompts().dialogTitles.empty());

    // The next time the command runs.
    app.Run(Cmd(command) == Cmd::Print ? Cmd::NextSeason : Cmd(command));
    QVERIFY(Current(*doc) != before || doc->m_seasons.size() != seasons);
}

void HelpTest::contextHelpOnAPane()
{
    CAppFixture app(SampleSettings(0, 0));
    QVERIFY(OpenSampleGame(app));
    app.Run(Cmd::ContextHelp);
    CKestraneView* map = app.Frame().ActiveFrame()->MapView();
    QTest::mouseClick(map->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QVERIFY(!app.Frame().ContextHelp().IsActive());
    QCOMPARE(app.Frame().ContextHelp().LastAnswer(), map->whatsThis());
    QVERIFY(map->whatsThis().contains(QStringLiteral("board")));
}

void HelpTest::contextHelpEscapeRunsNothing()
{
    CAppFixture app(SampleSettings(0, 0));
    CKestraneDoc* doc = OpenSampleGame(app);
    QVERIFY(doc);
    QVERIFY(Activate(app.Frame()));
    app.Run(Cmd::ContextHelp);
    QTest::keyClick(&app.Frame(), Qt::Key_Escape);
    QVERIFY(!app.Frame().ContextHelp().IsActive());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(app.Frame().ContextHelp().LastAnswer().isEmpty());
    // Commands run again.
    app.Run(Cmd::FirstSeason);
    QVERIFY(!app.Frame().Action(Cmd::FirstSeason)->isEnabled());
}

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
