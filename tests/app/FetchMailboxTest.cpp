#include "AppFixture.h"

#include "app/ImportSummaryDlg.h"
#include "app/MailboxSettingsDlg.h"
#include "keyring/QtKeyring.h"
#include "mailaccess/PasswordKeyring.h"
#include "model/KestraneDoc.h"
#include "support/DovecotServer.h"
#include "support/JudgeMailbox.h"
#include "support/JudgeRecord.h"
#include "support/MemoryKeyring.h"
#include "support/SeasonSnapshot.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <map>

namespace fs = std::filesystem;
using namespace judgemailbox;

namespace {

const fs::path kShared(KESTRANE_SHARED_DIR);
const fs::path kKestrel = kShared / "judge-games" / "kestrel";

QString Lines(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list.join('\n');
}

QString ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// Edit, Mailbox Settings and Fetch from Mailbox through the real window,
// against a real Dovecot on loopback holding the kestrel game.
class FetchMailboxTest : public QObject {
    Q_OBJECT
private slots:
    void menuCarriesBothCommands();
    void untitledGameIsToldToSaveFirst();
    void fetchFilesTheGameAndRemembersOnlyOnSave();
    void failuresLeaveTheGameAlone();
    void settingsDialogStoresPerGameAndNoPassword();
    void cancelReachesAFetchWaitingForASilentServer();
    void withoutKeyringThePasswordIsAskedOncePerSession_data();
    void withoutKeyringThePasswordIsAskedOncePerSession();
    void desktopKeyringNamesAMissingService();

private:
    struct Session {
        std::unique_ptr<CAppFixture> app;
        CMemoryKeyring* keyring = nullptr;
        std::unique_ptr<CDovecotServer> server;
        CKestraneDoc* doc = nullptr;
        QString gamePath;
        QStringList headlines;
    };
    bool Start(Session& session);
};

bool FetchMailboxTest::Start(Session& s)
{
    if (!CDovecotServer::Unavailable().empty() || !fs::exists(kKestrel))
        return false;
    const QString data = QString::fromStdString((fs::path(KESTRANE_SOURCE_DIR) / "data").string());
    s.app = std::make_unique<CAppFixture>(CAppFixture::Presets{{"Settings/InstallDir", data}});
    auto keyring = std::make_unique<CMemoryKeyring>();
    s.keyring = keyring.get();
    s.app->App().SetKeyring(std::move(keyring));
    s.server = std::make_unique<CDovecotServer>(s.app->Dir().Path() / "server", CDovecotServer::Security::Plain);
    std::string error;
    if (!s.server->Start(error)) {
        qWarning("%s", error.c_str());
        return false;
    }
    s.app->Prompts().openAnswers.push_back(data + "/Maps/Standard.map");
    s.app->Run(Cmd::FileNew);
    s.doc = s.app->Frame().ActiveDocument();
    s.gamePath = s.app->Path("kestrel.kes");
    s.app->Prompts().saveAnswers.push_back(s.gamePath);
    s.app->Run(Cmd::FileSaveAs);
    const int port = s.server->Port();
    s.app->Prompts().dialogHook = [&s, port](QDialog& dialog) {
        if (auto* settings = qobject_cast<CMailboxSettingsDlg*>(&dialog)) {
            settings->ServerEdit()->setText("127.0.0.1");
            settings->SecurityBox()->setCurrentIndex(2);
            settings->PortBox()->setValue(port);
            settings->UserEdit()->setText(CDovecotServer::kUser);
            settings->PasswordEdit()->setText(CDovecotServer::kPassword);
            settings->accept();
            return dialog.result() == QDialog::Accepted;
        }
        if (auto* summary = qobject_cast<CImportSummaryDlg*>(&dialog)) {
            s.headlines << summary->Headline() + "\n" + summary->Details();
            return true;
        }
        return false;
    };
    return s.doc && QFileInfo::exists(s.gamePath);
}

void FetchMailboxTest::menuCarriesBothCommands()
{
    CAppFixture app;
    app.NewGame();
    const QStringList items = MenuItems(*FindMenu(app.Frame(), "&Edit"));
    QVERIFY(items.contains("Fe&tch from Mailbox\tCtrl+F5"));
    QVERIFY(items.contains("Mailbox &Settings..."));
    QCOMPARE(app.Frame().Action(Cmd::FetchMailbox)->shortcut(), QKeySequence("Ctrl+F5"));
    QVERIFY(app.Frame().Action(Cmd::FetchMailbox)->isEnabled());
}

void FetchMailboxTest::untitledGameIsToldToSaveFirst()
{
    CAppFixture app;
    app.NewGame();
    app.Run(Cmd::FetchMailbox);
    QCOMPARE(app.Prompts().messages.size(), size_t(1));
    QVERIFY(app.Prompts().messages[0].text.startsWith("Save the game first"));
    QVERIFY(app.Prompts().dialogTitles.empty());
}

void FetchMailboxTest::fetchFilesTheGameAndRemembersOnlyOnSave()
{
    Session s;
    if (!Start(s))
        QSKIP("no dovecot, no shared games, or the server did not start");
    const auto game = GameMails(kKestrel);
    const auto other = OtherMail(kShared);
    QCOMPARE(game.size(), size_t(15));
    QVERIFY(other.size() >= 4);
    // The first nine results among the rest of a player's mail.
    const auto deliver = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) {
            s.server->Deliver(AsMessage(game[i], int(i)));
            if (i < other.size())
                s.server->Deliver(AsMessage(other[i], int(100 + i)));
        }
    };
    deliver(0, 9);

    s.app->Run(Cmd::FetchMailbox);
    QVERIFY2(s.app->Prompts().messages.empty(),
             s.app->Prompts().messages.empty() ? "" : qPrintable(s.app->Prompts().messages[0].text));
    // No fetch before the account is set; the summary is the fetch's own.
    QCOMPARE(s.app->Prompts().dialogTitles, (std::vector<QString>{"Mailbox Settings", "Fetch from Mailbox"}));
    QCOMPARE(s.headlines.size(), 1);
    QVERIFY2(s.headlines[0].startsWith("9 seasons filed"), qPrintable(s.headlines[0]));
    QCOMPARE(s.doc->m_seasons.size(), size_t(9));
    QVERIFY(s.doc->IsModified());
    QCOMPARE(s.keyring->entries.at("imap:player@127.0.0.1"), std::string(CDovecotServer::kPassword));
    // Not the whole game yet: the comparison with the record sees it.
    QVERIFY(!judgerecord::Differences(*s.doc, "kestrel").empty());

    // How far the mailbox was read is remembered once the game is saved.
    const QString marks = QString::fromStdString(s.app->App().MarksFile());
    QVERIFY(!ReadAll(marks).contains(s.gamePath));
    s.app->Run(Cmd::FileSave);
    QVERIFY(!s.doc->IsModified());
    QVERIFY(ReadAll(marks).contains(s.gamePath));

    // Fetched again: nothing new, nothing changed.
    const auto saved = seasonsnapshot::Take(*s.doc);
    s.app->Run(Cmd::FetchMailbox);
    QCOMPARE(s.app->Prompts().messages.size(), size_t(1));
    QVERIFY(s.app->Prompts().messages[0].text.startsWith("No new mail for this game in INBOX"));
    QCOMPARE(s.headlines.size(), 1);
    QVERIFY(!s.doc->IsModified());
    QVERIFY(seasonsnapshot::Take(*s.doc) == saved);

    // The rest arrives later: only it is fetched, none of it seen before.
    deliver(9, game.size());
    s.app->Run(Cmd::FetchMailbox);
    QCOMPARE(s.app->Prompts().messages.size(), size_t(1));
    QCOMPARE(s.headlines.size(), 2);
    QVERIFY2(s.headlines[1].startsWith("6 seasons filed from 6 mails"), qPrintable(s.headlines[1]));
    QVERIFY2(!s.headlines[1].contains("imported before"), qPrintable(s.headlines[1]));
    const auto differences = judgerecord::Differences(*s.doc, "kestrel");
    QVERIFY2(differences.empty(), qPrintable(Lines(differences)));
    QCOMPARE(QString::fromStdString(s.doc->m_seasons.back()->m_strSeason), QStringLiteral("F1903B"));
    s.app->Run(Cmd::FileSave);

    // Nothing in the mailbox was changed or marked read.
    for (const std::string& flags : s.server->StoredFlags())
        QVERIFY2(flags.find('S') == std::string::npos, flags.c_str());

    // No file the program wrote holds the password; the account is stored.
    QVERIFY(!ReadAll(marks).contains(CDovecotServer::kPassword));
    QVERIFY(!ReadAll(s.gamePath).contains(CDovecotServer::kPassword));
    QSettings settings(CQtSettingsStore::kOrganisation, CQtSettingsStore::kApplication);
    settings.sync();
    QVERIFY(!ReadAll(settings.fileName()).contains(CDovecotServer::kPassword));
    QVERIFY(ReadAll(settings.fileName()).contains("127.0.0.1"));
    for (const auto& entry : fs::recursive_directory_iterator(s.app->Dir().Path())) {
        // The server's own files (its password list) are the test's, not the program's.
        if (!entry.is_regular_file() || entry.path().string().find("/server/") != std::string::npos)
            continue;
        QVERIFY2(CTempDir::Read(entry.path()).find(CDovecotServer::kPassword) == std::string::npos,
                 entry.path().c_str());
    }
}

void FetchMailboxTest::failuresLeaveTheGameAlone()
{
    Session s;
    if (!Start(s))
        QSKIP("no dovecot, no shared games, or the server did not start");
    const auto game = GameMails(kKestrel);
    for (size_t i = 0; i < 4; ++i)
        s.server->Deliver(AsMessage(game[i], int(i)));
    // The account is stored, with a password the server refuses.
    s.app->Run(Cmd::MailboxSettings);
    const std::string file = CTempDir::Read(s.gamePath.toStdString());
    const auto seasons = seasonsnapshot::Take(*s.doc);

    struct Row {
        const char* name;
        std::string password;
        std::string folder;
        bool stopped;
        QString message;
    };
    const std::vector<Row> rows = {
        {"wrong password", "wrong", "INBOX", false, "refused the login of player"},
        {"missing folder", CDovecotServer::kPassword, "Kestrel", false, "The folder \"Kestrel\" was not found"},
        {"stopped server", CDovecotServer::kPassword, "INBOX", true, "Could not connect to the mail server 127.0.0.1"},
    };
    for (const Row& row : rows) {
        s.keyring->entries["imap:player@127.0.0.1"] = row.password;
        CMailAccount account = CMailAccount::Load(s.app->App().Store(), s.gamePath.toStdString());
        account.m_strFolder = row.folder;
        account.Save(s.app->App().Store(), s.gamePath.toStdString());
        if (row.stopped)
            s.server->Stop();
        s.app->Prompts().messages.clear();
        s.app->Run(Cmd::FetchMailbox);
        QVERIFY2(s.app->Prompts().messages.size() == 1, row.name);
        QVERIFY2(s.app->Prompts().messages[0].text.contains(row.message),
                 qPrintable(QString(row.name) + ": " + s.app->Prompts().messages[0].text));
        QVERIFY2(seasonsnapshot::Take(*s.doc) == seasons, row.name);
        QVERIFY2(!s.doc->IsModified(), row.name);
        QVERIFY2(CTempDir::Read(s.gamePath.toStdString()) == file, row.name);
    }
    QVERIFY(s.headlines.isEmpty());
}

void FetchMailboxTest::settingsDialogStoresPerGameAndNoPassword()
{
    CMailAccount account;
    account.m_strServer = "imap.example.org";
    account.m_strUser = "austria";
    account.m_strFilter = DefaultMailFilter("XXXX", "kestrel");
    CMailboxSettingsDlg dialog(account, DefaultMailFilter("XXXX", "kestrel"), "pw");
    // The default filter shows as the placeholder, the field left empty.
    QCOMPARE(dialog.FilterEdit()->text(), QString());
    QCOMPARE(dialog.FilterEdit()->placeholderText(), QStringLiteral("SUBJECT \"XXXX:kestrel\" BODY \"Judge: XXXX\""));
    QCOMPARE(dialog.PasswordEdit()->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.PortBox()->value(), 993);
    // Tab goes down the rows in the order they are shown.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.ServerEdit()->setFocus();
    const QWidget* const rows[] = {dialog.SecurityBox(), dialog.PortBox(), dialog.UserEdit(),
                                   dialog.PasswordEdit(), dialog.FolderEdit(), dialog.FilterEdit()};
    for (const QWidget* row : rows) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        // A spin box hands its focus to the line edit inside it.
        QCOMPARE(focus == row || focus->parentWidget() == row, true);
    }
    // The filter's label carries its shortcut letter to the field.
    QLabel* filterLabel = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == "F&ilter:")
            filterLabel = label;
    QVERIFY(filterLabel);
    QCOMPARE(filterLabel->buddy(), dialog.FilterEdit());
    // The port follows the security mode while it is the mode's usual one.
    dialog.SecurityBox()->setCurrentIndex(1);
    QCOMPARE(dialog.PortBox()->value(), 143);
    dialog.PortBox()->setValue(1143);
    dialog.SecurityBox()->setCurrentIndex(0);
    QCOMPARE(dialog.PortBox()->value(), 1143);
    // A mistake keeps the dialog open with the reason.
    dialog.ServerEdit()->clear();
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.findChild<QLabel*>("Problem")->text().contains("No mail server"));
    dialog.ServerEdit()->setText(" imap.example.org ");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CMailAccount entered = dialog.Account();
    QCOMPARE(QString::fromStdString(entered.m_strServer), QStringLiteral("imap.example.org"));
    QCOMPARE(entered.m_security, MailSecurity::ImplicitTls);
    QCOMPARE(entered.m_nPort, 1143);
    QCOMPARE(QString::fromStdString(entered.m_strFilter), QString());
    QCOMPARE(dialog.Password(), QStringLiteral("pw"));
}

void FetchMailboxTest::cancelReachesAFetchWaitingForASilentServer()
{
    Session s;
    if (!Start(s))
        QSKIP("no dovecot, no shared games, or the server did not start");
    // A server that takes the connection and never greets.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    s.app->Run(Cmd::MailboxSettings);
    CMailAccount account = CMailAccount::Load(s.app->App().Store(), s.gamePath.toStdString());
    account.m_nPort = silent.serverPort();
    account.Save(s.app->App().Store(), s.gamePath.toStdString());
    const auto seasons = seasonsnapshot::Take(*s.doc);

    // The window keeps handling its events while the fetch waits: its timer
    // fires, finds the progress on show and cancels it.
    bool progressShown = false;
    QTimer::singleShot(1000, [&progressShown] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(widget); progress && progress->isVisible()) {
                progressShown = progress->windowTitle() == "Fetch from Mailbox";
                if (auto* cancel = progress->findChild<QPushButton*>())
                    cancel->click();
            }
    });
    QElapsedTimer clock;
    clock.start();
    s.app->Run(Cmd::FetchMailbox);
    QVERIFY(progressShown);
    QVERIFY2(clock.elapsed() < 10000, "the cancel waited for the timeout");
    // Asked for, so said in the status bar without a box to close.
    QVERIFY(s.app->Prompts().messages.empty());
    QCOMPARE(s.app->Frame().statusBar()->currentMessage(), QStringLiteral("The fetch was cancelled."));
    QVERIFY(seasonsnapshot::Take(*s.doc) == seasons);
    QVERIFY(!s.doc->IsModified());
    QVERIFY(s.headlines.isEmpty());
}

void FetchMailboxTest::withoutKeyringThePasswordIsAskedOncePerSession_data()
{
    QTest::addColumn<bool>("keep"); // the answer to keeping it for the session
    QTest::addColumn<int>("asked"); // password questions over two fetches
    QTest::newRow("KeptFromTheSettings") << true << 0;
    QTest::newRow("AskedAtTheFirstFetch") << false << 1;
}

void FetchMailboxTest::withoutKeyringThePasswordIsAskedOncePerSession()
{
    QFETCH(bool, keep);
    QFETCH(int, asked);
    const QString data = QString::fromStdString((fs::path(KESTRANE_SOURCE_DIR) / "data").string());
    CAppFixture app(CAppFixture::Presets{{"Settings/InstallDir", data}});
    auto keyring = std::make_unique<CMemoryKeyring>();
    keyring->refusal = "no keyring service is running";
    app.App().SetKeyring(std::move(keyring));
    app.Prompts().openAnswers.push_back(data + "/Maps/Standard.map");
    app.Run(Cmd::FileNew);
    app.Prompts().saveAnswers.push_back(app.Path("game.kes"));
    app.Run(Cmd::FileSaveAs);
    int questions = 0;
    app.Prompts().dialogHook = [&questions](QDialog& dialog) {
        if (auto* settings = qobject_cast<CMailboxSettingsDlg*>(&dialog)) {
            settings->ServerEdit()->setText("127.0.0.1");
            settings->SecurityBox()->setCurrentIndex(2);
            settings->PortBox()->setValue(1); // nothing listens: each fetch fails at once
            settings->UserEdit()->setText("player");
            settings->PasswordEdit()->setText("secret");
            return true;
        }
        if (auto* password = qobject_cast<QInputDialog*>(&dialog)) {
            ++questions;
            password->setTextValue("secret");
            return true;
        }
        return false;
    };
    app.Prompts().continueAnswers.push_back(keep);
    app.Run(Cmd::MailboxSettings);
    QCOMPARE(app.Prompts().questions.size(), size_t(1));
    QVERIFY(app.Prompts().questions[0].text.contains("no keyring service is running"));
    QVERIFY(!app.Prompts().questions[0].text.contains("Unknown error"));
    app.Run(Cmd::FetchMailbox);
    app.Run(Cmd::FetchMailbox);
    QCOMPARE(questions, asked);
    // Both fetches ran (and failed against the closed port), not stopped for a password.
    QCOMPARE(app.Prompts().messages.size(), size_t(2));
}

// The real keyring on a session bus that is not there says so, rather than
// QtKeychain's "Unknown error". Run as AppKeyringWithoutService, whose bus
// address leads nowhere, so no desktop keyring is ever written.
void FetchMailboxTest::desktopKeyringNamesAMissingService()
{
    if (!qgetenv("DBUS_SESSION_BUS_ADDRESS").endsWith("kestrane-no-bus"))
        QSKIP("runs as the test AppKeyringWithoutService");
    CQtKeyring keyring;
    std::string error;
    QVERIFY(!keyring.Write("test-key", "secret", error));
    QCOMPARE(QString::fromStdString(error), QString::fromLatin1(CQtKeyring::kNoService));
}

QTEST_MAIN(FetchMailboxTest)
#include "FetchMailboxTest.moc"
