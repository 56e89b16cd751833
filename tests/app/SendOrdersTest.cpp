#include "AppFixture.h"

#include "app/ChildFrame.h"
#include "app/ImportSummaryDlg.h"
#include "app/MailboxFetcher.h"
#include "app/MailboxSettingsDlg.h"
#include "app/OrdersPane.h"
#include "app/OrdersSender.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "orders/OrdersDesk.h"
#include "support/ImportChecks.h"
#include "support/JudgeMailbox.h"
#include "support/MemoryKeyring.h"
#include "support/SmtpServer.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const fs::path kShared(KESTRANE_SHARED_DIR);
const fs::path kOrders = kShared / "judge-orders" / "S1902M";
// Austria's orders with one move the Judge refuses, and its reply to them.
const std::string kCase = "S1902M-austria-08-nonadjacent-move";
const std::string kFrom = "player@example.org";

// The kestrel game saved, its results up to the phase due S1902M imported
// as mails from the server's Judge address, and Austria's orders drafted.
CKestraneDoc* GameWithDrafts(CAppFixture& app)
{
    const auto mails = judgemailbox::GameMails(kShared / "judge-games" / "kestrel");
    CKestraneDoc* doc = app.NewStandardGame();
    if (mails.size() < 5 || !doc)
        return nullptr;
    app.Prompts().saveAnswers.push_back(app.Path("kestrel.kes"));
    app.Run(Cmd::FileSaveAs);
    doc->m_strMyCountry = "Austria";
    doc->m_strPassword = "gamepw";
    QStringList files;
    for (size_t i = 0; i < 5; ++i) {
        std::string message = judgemailbox::AsMessage(mails[i], int(i));
        message.replace(message.find("judge@example.org"), 17, CSmtpServer::kJudge);
        files << QString::fromStdString(app.Dir().Write("mail" + std::to_string(i) + ".eml", message).string());
    }
    app.Prompts().mailSourceAnswers.push_back(files);
    app.Run(Cmd::ImportMailbox);
    const std::string stateFile = app.App().OrdersStateFile(doc->GetPathName());
    std::string error;
    CGameOrdersState state = LoadOrdersState(stateFile, error);
    if (doc->m_seasons.size() != 5 || !state.due || state.due->phase != "S1902M")
        return nullptr;
    state.drafts = OrderLinesOfMail(CTempDir::Read(kOrders / (kCase + ".orders.txt")));
    return SaveOrdersState(stateFile, state, error) ? doc : nullptr;
}

// The first shortcut letter two of the dialog's labels, buttons or boxes
// share; empty when each has its own.
QString SharedShortcut(const QDialog& dialog)
{
    QSet<QChar> letters;
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const auto* group = qobject_cast<const QGroupBox*>(widget);
        const QString text = label ? label->text() : button ? button->text() : group ? group->title() : QString();
        const qsizetype amp = text.indexOf('&');
        if (amp < 0 || amp + 1 >= text.size())
            continue;
        const QChar letter = text[amp + 1].toLower();
        if (letters.contains(letter))
            return letter;
        letters.insert(letter);
    }
    return {};
}

// The provinces of the crossed-out holds the Orders mode draws.
QStringList CrossedHolds(const COrdersPane& pane)
{
    QStringList provinces;
    for (const COverlayMark& mark : pane.Desk()->Overlay().marks)
        if (mark.kind == OverlayMarkKind::Hold && mark.failed)
            provinces << QString::fromStdString(mark.provinces.front());
    return provinces;
}

QString Said(CAppFixture& app)
{
    QStringList texts;
    for (const auto& message : app.Prompts().messages)
        texts << message.text;
    return texts.join('\n');
}

} // namespace

// Send Orders to Judge through a real Postfix on 127.0.0.1.
class SendOrdersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void draftsGoToTheJudgeAndTheVerdictComesBack();
    void failuresSayWhyAndChangeNothing_data();
    void failuresSayWhyAndChangeNothing();
};

void SendOrdersTest::initTestCase()
{
    if (const std::string why = CSmtpServer::Unavailable(); !why.empty())
        QSKIP(why.c_str());
    if (!fs::exists(kOrders) || !fs::exists(kShared / "judge-games" / "kestrel"))
        QSKIP("no judge-games and judge-orders folders beside the repository");
}

// The round trip: the outgoing account set in Mailbox Settings (the Judge's
// address learnt from the mails), the drafts sent from the Orders mode's
// button with the password asked once and shared with fetching, then the
// Judge's reply imported and its verdict shown beside the drafts.
void SendOrdersTest::draftsGoToTheJudgeAndTheVerdictComesBack()
{
    CAppFixture app;
    CSmtpServer server(app.Dir().Path() / "smtp");
    std::string error;
    QVERIFY2(server.Start(error), error.c_str());
    importchecks::CScopedEnv trust("KESTRANE_SMTP_CA_FILE", server.CertificateFile());
    auto keyring = std::make_unique<CMemoryKeyring>();
    keyring->refusal = "no keyring here";
    app.App().SetKeyring(std::move(keyring));
    CKestraneDoc* doc = GameWithDrafts(app);
    QVERIFY(doc);

    QStringList summaries;
    int passwordQuestions = 0;
    app.Prompts().dialogHook = [&](QDialog& dialog) -> bool {
        if (auto* settings = qobject_cast<CMailboxSettingsDlg*>(&dialog)) {
            // The Judge's address learnt from the mails; the submission port by default.
            [&] {
                QCOMPARE(settings->JudgeEdit()->text(), QString(CSmtpServer::kJudge));
                QCOMPARE(settings->SmtpPortBox()->value(), 587);
                QCOMPARE(SharedShortcut(*settings), QString());
            }();
            settings->ServerEdit()->setText("127.0.0.1");
            settings->UserEdit()->setText(CSmtpServer::kUser);
            settings->SmtpServerEdit()->setText("127.0.0.1");
            settings->SmtpPortBox()->setValue(server.StartTlsPort());
            settings->SameAccountBox()->setChecked(true);
            settings->FromEdit()->setText(QString::fromStdString(kFrom));
            settings->accept();
            return dialog.result() == QDialog::Accepted;
        }
        if (auto* password = qobject_cast<QInputDialog*>(&dialog)) {
            ++passwordQuestions;
            password->setTextValue(CSmtpServer::kPassword);
            return true;
        }
        if (auto* summary = qobject_cast<CImportSummaryDlg*>(&dialog))
            summaries << summary->Headline() + "\n" + summary->Details();
        return true;
    };
    app.Run(Cmd::MailboxSettings);

    app.Run(Cmd::OrdersMode);
    CChildFrame* frame = app.Frame().ActiveFrame();
    QVERIFY(frame && frame->OrdersPane()->IsOn());
    COrdersPane& pane = *frame->OrdersPane();
    auto* button = app.Frame().findChild<QAction*>("SendToJudgeButton");
    QVERIFY(button && button->isVisible());
    QVERIFY(pane.SentLabel()->isHidden());

    // The check names the refused move; the player sends all the same.
    app.Prompts().continueAnswers.push_back(true);
    button->trigger();
    QVERIFY(QTest::qWaitFor([&] { return !app.Frame().Sender().IsBusy(); }, 60000));
    QVERIFY2(app.Prompts().messages.empty(), qPrintable(Said(app)));
    QCOMPARE(app.Prompts().questions.size(), size_t(1));
    QVERIFY2(app.Prompts().questions[0].text.contains("A Vie-Ser"), qPrintable(app.Prompts().questions[0].text));
    // Asked once, then the fetch has it too.
    QCOMPARE(passwordQuestions, 1);
    QCOMPARE(app.Frame().Fetcher().MailboxPassword(CMailAccount::Load(app.App().Store(), doc->GetPathName())),
             std::optional<std::string>(CSmtpServer::kPassword));
    QCOMPARE(passwordQuestions, 1);

    const auto delivered = server.WaitForDelivered(1);
    QCOMPARE(delivered.size(), size_t(1));
    QCOMPARE(CSmtpServer::Part(delivered[0], ""), doc->m_strMail);
    QVERIFY(doc->m_strMail.rfind("signon AKestrel gamepw\n", 0) == 0);
    QCOMPARE(CSmtpServer::Part(delivered[0], "Subject"), std::string("Kestrel orders for S1902M"));
    QCOMPARE(CSmtpServer::Part(delivered[0], "To"), std::string(CSmtpServer::kJudge));
    QCOMPARE(CSmtpServer::Part(delivered[0], "From"), kFrom);
    const QString sent = pane.SentLabel()->text();
    QVERIFY2(sent.startsWith("Sent ") && sent.endsWith(", waiting for the Judge"), qPrintable(sent));
    QVERIFY(pane.JudgeView()->isHidden());
    QCOMPARE(CrossedHolds(pane), QStringList());

    // The Judge's reply, imported as a file: read, kept and shown; the game as it was.
    app.ImportReport(QString::fromStdString(
        app.Dir().Write("reply.txt", CTempDir::Read(kOrders / (kCase + ".reply.txt"))).string()));
    QCOMPARE(doc->m_seasons.size(), size_t(5));
    QVERIFY2(summaries.last().contains("Orders status for S1902M: 4 accepted, 1 refused."),
             qPrintable(summaries.last()));
    QCOMPARE(pane.SentLabel()->text(), sent.left(10) + "; orders status for S1902M: 4 accepted, 1 refused");
    const QStringList verdict = pane.JudgeView()->toPlainText().split('\n');
    QCOMPARE(verdict.size(), 7);
    QCOMPARE(verdict.filter(QRegularExpression(": accepted by the Judge$")).size(), 4);
    QVERIFY(verdict.contains("A Vie-Ser: refused: The army in Vienna can't get to Serbia."));
    QVERIFY(verdict.contains("Army Vienna: no order, the Judge holds it"));
    QCOMPARE(CrossedHolds(pane).join(",").toLower(), QStringLiteral("vie"));

    for (const auto& entry : fs::recursive_directory_iterator(app.Dir().Path()))
        if (entry.is_regular_file() && entry.path().string().find("/smtp/") == std::string::npos) {
            QVERIFY2(CTempDir::Read(entry.path()).find(CSmtpServer::kPassword) == std::string::npos,
                     entry.path().c_str());
        }
}

void SendOrdersTest::failuresSayWhyAndChangeNothing_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong password") << "wrong" << false
                                    << "The mail server 127.0.0.1 refused the login of player: check the user name and "
                                       "the password (many providers want an app password).";
    QTest::newRow("server stopped") << CSmtpServer::kPassword << true
                                    << "Could not connect to the mail server 127.0.0.1 on port %1: the server is not "
                                       "running there or the network is down.";
}

void SendOrdersTest::failuresSayWhyAndChangeNothing()
{
    QFETCH(QString, password);
    QFETCH(bool, stopped);
    QFETCH(QString, message);
    CAppFixture app;
    CSmtpServer server(app.Dir().Path() / "smtp");
    std::string error;
    QVERIFY2(server.Start(error), error.c_str());
    importchecks::CScopedEnv trust("KESTRANE_SMTP_CA_FILE", server.CertificateFile());
    CKestraneDoc* doc = GameWithDrafts(app);
    QVERIFY(doc);
    COutgoingAccount account{"127.0.0.1", server.StartTlsPort(), MailSecurity::StartTls, CSmtpServer::kUser, false,
                             kFrom, ""};
    account.Save(app.App().Store(), doc->GetPathName());
    auto keyring = std::make_unique<CMemoryKeyring>();
    keyring->entries[account.KeyringKey({})] = password.toStdString();
    app.App().SetKeyring(std::move(keyring));
    if (stopped)
        server.Stop();
    const std::string stateFile = app.App().OrdersStateFile(doc->GetPathName());
    const std::string before = CTempDir::Read(stateFile);

    app.Prompts().continueAnswers.push_back(true);
    app.Run(Cmd::SendToJudge);
    QVERIFY(QTest::qWaitFor([&] { return !app.Frame().Sender().IsBusy(); }, 60000));
    QCOMPARE(app.Prompts().messages.size(), size_t(1));
    QCOMPARE(app.Prompts().messages[0].text, message.replace("%1", QString::number(server.StartTlsPort())));
    QCOMPARE(CTempDir::Read(stateFile), before);
    QVERIFY(server.Delivered().empty());
}

QTEST_MAIN(SendOrdersTest)
#include "SendOrdersTest.moc"
