#include "AppFixture.h"
#include "SampleGame.h"

#include "app/GameCommands.h"
#include "app/GameDetailsDlg.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QtTest>

namespace {

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// ENGLAND's fleet in LON in an earlier season and in NTH in the latest; the
// earlier season is on show.
void PrepareGame(CKestraneDoc& doc)
{
    doc.m_strGame = "demo";
    doc.m_strMyCountry = "ENGLAND";
    doc.m_strPassword = "pw";
    const std::pair<const char*, const char*> seasons[] = {{"S1901M", "LON"}, {"F1901M", "NTH"}};
    for (const auto& [name, province] : seasons) {
        auto season = std::make_unique<CSeasonHdr>(doc.m_nCountries);
        season->m_strSeason = name;
        season->m_units[0].emplace_back(1, MapPos{1, 1}, province);
        season->m_units[0].emplace_back(0, MapPos{2, 2}, "YOR");
        season->m_units[1].emplace_back(0, MapPos{3, 3}, "PAR");
        doc.InsertSeason(std::move(season));
    }
    doc.OnFirstSeason();
}

constexpr const char* kExpectedMail = "signon Edemo pw\nF NTH\nA YOR\nsignoff\n";

} // namespace

// File Send through the desktop's mail tool, and Copy Orders Mail.
class MailTest : public QObject {
    Q_OBJECT
private slots:
    void sendHandsTheTextToTheMailTool();
    void sendFailureIsReported();
    void sendFailureOffersTheCopy_data();
    void sendFailureOffersTheCopy();
    void copySaysSoInTheStatusBar();
    void sendWithoutCountryAsksForIt();
    void copyPutsTheSameTextOnTheClipboard();
    void copyWorksWithoutMailSystem();
    void accentedMailArrivesAsComposed_data();
    void accentedMailArrivesAsComposed();
    void draftsGoInAfterTheCheck();
};

void MailTest::sendHandsTheTextToTheMailTool()
{
    CAppFixture app;
    app.InstallMailTool(0);
    CKestraneDoc* doc = app.NewGame();
    PrepareGame(*doc);
    app.Run(Cmd::SendMail);
    QVERIFY(app.Prompts().messages.empty());
    QCOMPARE(ReadText(app.MailOutputPath()), QString::fromLatin1(kExpectedMail));
    QCOMPARE(doc->m_strMail, std::string(kExpectedMail));
    QVERIFY(app.Frame().isEnabled()); // enabled again after the tool returned
}

void MailTest::sendFailureIsReported()
{
    CAppFixture app;
    app.InstallMailTool(3);
    PrepareGame(*app.NewGame());
    app.Run(Cmd::SendMail);
    // The failure is told in the box that offers the clipboard instead.
    QVERIFY(app.Prompts().messages.empty());
    QCOMPARE(app.Prompts().questions.size(), size_t(1));
    QCOMPARE(app.Prompts().questions[0].text, QStringLiteral("Send Mail failed to send message."));
    QVERIFY(app.Frame().isEnabled());
}

void MailTest::sendFailureOffersTheCopy_data()
{
    QTest::addColumn<int>("toolExit"); // -1: the mail tool vanished after start-up
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("failure");
    QTest::newRow("FailedAccepted") << 3 << true << "Send Mail failed to send message.";
    QTest::newRow("FailedDeclined") << 1 << false << "Send Mail failed to send message.";
    QTest::newRow("ToolGoneAccepted") << -1 << true << "Unable to load mail system support.";
}

void MailTest::sendFailureOffersTheCopy()
{
    QFETCH(int, toolExit);
    QFETCH(bool, accept);
    QFETCH(QString, failure);
    CAppFixture app;
    app.InstallMailTool(std::max(0, toolExit));
    PrepareGame(*app.NewGame());
    // Availability is decided once; the tool may go after that.
    QVERIFY(app.App().Mail().IsAvailable());
    if (toolExit < 0)
        app.RemoveMailTool();
    QGuiApplication::clipboard()->setText("before");
    app.Prompts().continueAnswers.push_back(accept);
    app.Run(Cmd::SendMail);

    QCOMPARE(app.Prompts().questions.size(), size_t(1));
    QCOMPARE(app.Prompts().questions[0].text, failure);
    QCOMPARE(app.Prompts().questions[0].question, QString::fromLatin1(CGameCommands::kOfferCopyQuestion));
    QCOMPARE(app.Prompts().questions[0].acceptLabel, QStringLiteral("Copy to Clipboard"));
    QCOMPARE(QGuiApplication::clipboard()->text(), accept ? QString::fromLatin1(kExpectedMail) : QStringLiteral("before"));
    QCOMPARE(app.Frame().statusBar()->currentMessage() == QLatin1String(CGameCommands::kMailOnClipboard), accept);
    QVERIFY(app.Prompts().messages.empty());
}

void MailTest::copySaysSoInTheStatusBar()
{
    CAppFixture app;
    PrepareGame(*app.NewGame());
    app.Run(Cmd::CopyOrdersMail);
    QCOMPARE(app.Frame().statusBar()->currentMessage(), QStringLiteral("The orders mail is on the clipboard"));
    // The menu that ran the command clears the bar as it closes; the notice stays.
    QStatusTipEvent clear{QString()};
    QCoreApplication::sendEvent(&app.Frame(), &clear);
    QCOMPARE(app.Frame().statusBar()->currentMessage(), QStringLiteral("The orders mail is on the clipboard"));
    // Without a country nothing is copied and nothing is claimed.
    app.Frame().ShowNotice(QString());
    app.Frame().statusBar()->clearMessage();
    app.Frame().ActiveDocument()->m_strMyCountry.clear();
    app.Run(Cmd::CopyOrdersMail);
    QVERIFY(app.Frame().statusBar()->currentMessage() != QStringLiteral("The orders mail is on the clipboard"));
}

void MailTest::sendWithoutCountryAsksForIt()
{
    CAppFixture app;
    app.InstallMailTool(0);
    CKestraneDoc* doc = app.NewGame();
    PrepareGame(*doc);
    doc->m_strMyCountry.clear();
    app.Run(Cmd::SendMail);
    QCOMPARE(app.Prompts().messages.size(), size_t(1));
    QCOMPARE(app.Prompts().messages[0].text,
             QStringLiteral("Please tell me which country you are\nbefore sending a message"));
    QCOMPARE(app.Prompts().messages[0].icon, MessageIcon::Exclamation);
    QVERIFY(!QFile::exists(app.MailOutputPath()));
}

void MailTest::copyPutsTheSameTextOnTheClipboard()
{
    CAppFixture app;
    app.InstallMailTool(0);
    PrepareGame(*app.NewGame());
    QGuiApplication::clipboard()->setText("before");
    app.Run(Cmd::CopyOrdersMail);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(kExpectedMail));
    app.Run(Cmd::SendMail);
    QCOMPARE(ReadText(app.MailOutputPath()), QGuiApplication::clipboard()->text());
}

void MailTest::copyWorksWithoutMailSystem()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    PrepareGame(*doc);
    QVERIFY(app.Frame().Action(Cmd::CopyOrdersMail)->isEnabled());
    app.Run(Cmd::CopyOrdersMail);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(kExpectedMail));

    // Without a country the clipboard is left alone.
    doc->m_strMyCountry.clear();
    QGuiApplication::clipboard()->setText("kept");
    app.Run(Cmd::CopyOrdersMail);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(app.Prompts().messages.size(), size_t(1));
}

void MailTest::accentedMailArrivesAsComposed_data()
{
    // The game file's bytes (Windows-1252) and the characters they stand for.
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("game");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed"); // the password typed in Game Details instead
    QTest::newRow("LatinLetter") << QByteArray("p\xE4") << QByteArray("demo") << QStringLiteral("demo p\u00E4") << QString();
    QTest::newRow("EuroSign") << QByteArray("\x80uro") << QByteArray("demo") << QStringLiteral("demo \u20ACuro") << QString();
    QTest::newRow("AccentedGame") << QByteArray("pw") << QByteArray("d\xE9mo") << QStringLiteral("d\u00E9mo pw") << QString();
    QTest::newRow("TypedPassword") << QByteArray("p\xE4\x80") << QByteArray("demo") << QStringLiteral("demo p\u00E4\u20AC")
                                   << QStringLiteral("p\u00E4\u20AC");
}

// Copy Orders Mail and Send hand on the same characters the game holds.
void MailTest::accentedMailArrivesAsComposed()
{
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, game);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    CAppFixture app;
    app.InstallMailTool(0);
    CKestraneDoc* doc = app.NewGame();
    PrepareGame(*doc);
    doc->m_strGame = game.toStdString();
    if (typed.isEmpty()) {
        doc->m_strPassword = password.toStdString();
    } else {
        app.Prompts().dialogHook = [typed](QDialog& dialog) {
            static_cast<CGameDetailsDlg&>(dialog).PasswordEdit()->setText(typed);
            return true;
        };
        app.Run(Cmd::GameDetails);
        QCOMPARE(QByteArray::fromStdString(doc->m_strPassword), password);
    }
    const QString expected = QStringLiteral("signon E%1\nF NTH\nA YOR\nsignoff\n").arg(shown);
    app.Run(Cmd::CopyOrdersMail);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    app.Run(Cmd::SendMail);
    QFile sent(app.MailOutputPath());
    QVERIFY(sent.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(sent.readAll()), expected);
}

void MailTest::draftsGoInAfterTheCheck()
{
    CAppFixture app(SampleSettings(0, 0));
    CKestraneDoc* doc = OpenSampleGame(app);
    if (!doc)
        QSKIP("no sample game");
    doc->m_strMyCountry = "Austria";
    doc->m_strPassword = "pw";
    // Without drafts the mail holds the unit lines, and nothing is asked.
    app.Run(Cmd::CopyOrdersMail);
    QVERIFY(app.Prompts().questions.empty());
    const QString unitLines = QGuiApplication::clipboard()->text();
    QVERIFY2(unitLines.startsWith("signon Akestrel pw\n") && !unitLines.contains("->"), qPrintable(unitLines));

    CGameOrdersState state;
    state.after = doc->m_seasons.back()->m_strSeason;
    state.drafts = {"A Vie-Bud", "A Ser-War"};
    std::string message;
    QVERIFY(SaveOrdersState(app.App().OrdersStateFile(doc->GetPathName()), state, message));

    // Told what the Judge refuses and holds, the player may keep the clipboard as it was.
    QGuiApplication::clipboard()->setText("kept");
    app.Run(Cmd::CopyOrdersMail);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QCOMPARE(app.Prompts().questions.size(), size_t(1));
    QCOMPARE(app.Prompts().questions[0].text, QStringLiteral("A Ser-War: The army in Serbia can't reach Warsaw.\n"
                                                             "Without an order the Judge holds: Army Serbia, Fleet Albania.\n"));
    app.Prompts().continueAnswers = {true};
    app.Run(Cmd::CopyOrdersMail);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("signon Akestrel pw\nArmy Vienna -> Budapest\nA Ser-War\nsignoff\n"));
}

QTEST_MAIN(MailTest)
#include "MailTest.moc"
