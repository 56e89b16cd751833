#include "AppFixture.h"

#include "app/GameWatchers.h"
#include "app/MailboxSettingsDlg.h"
#include "app/WatchSettingsBox.h"
#include "app/WatchStatusItem.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "support/DovecotServer.h"
#include "support/JudgeMailbox.h"
#include "support/MemoryKeyring.h"
#include "support/dbus/FakeNotificationService.h"
#include "support/dbus/PrivateSessionBus.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using namespace std::chrono;
using namespace judgemailbox;

// Watching a game from the desktop: a real Dovecot holding the kestrel game,
// a notification service of the test's own on a private session bus, and a
// clock the test drives for the reminders.
class WatchGameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void watchedMailIsImportedNoticedAndReminded();
    void cleanupTestCase() { m_bus.reset(); }

private:
    std::unique_ptr<CPrivateSessionBus> m_bus;
};

void WatchGameTest::initTestCase()
{
    // Before anything in the program looks for the session bus.
    m_bus = std::make_unique<CPrivateSessionBus>();
    if (!m_bus->Address().empty())
        ::setenv("DBUS_SESSION_BUS_ADDRESS", m_bus->Address().c_str(), 1);
}

void WatchGameTest::watchedMailIsImportedNoticedAndReminded()
{
    const fs::path shared(KESTRANE_SHARED_DIR);
    const auto mails = GameMails(shared / "judge-games" / "kestrel");
    if (!CDovecotServer::Unavailable().empty() || mails.size() != 15 || m_bus->Address().empty())
        QSKIP("no dovecot, no shared games, or no dbus-daemon");
    auto service = std::make_unique<CFakeNotificationService>(QString::fromStdString(m_bus->Address()));
    QVERIFY(service->Registered());

    const QString data = QString::fromStdString((fs::path(KESTRANE_SOURCE_DIR) / "data").string());
    CAppFixture app({{"Settings/InstallDir", data}});
    app.App().SetKeyring(std::make_unique<CMemoryKeyring>());
    CDovecotServer server(app.Dir().Path() / "server", CDovecotServer::Security::Plain);
    std::string error;
    QVERIFY2(server.Start(error), error.c_str());
    app.Prompts().openAnswers.push_back(data + "/Maps/Standard.map");
    app.Run(Cmd::FileNew);
    CKestraneDoc* doc = app.Frame().ActiveDocument();
    QVERIFY(doc);
    const QString gamePath = app.Path("kestrel.kes");
    app.Prompts().saveAnswers.push_back(gamePath);
    app.Run(Cmd::FileSaveAs);
    // The game up to its Fall 1902 movement is in the folder before the watch.
    for (size_t i = 0; i < 8; ++i)
        server.Deliver(AsMessage(mails[i], int(i)));

    app.Prompts().dialogHook = [&server](QDialog& dialog) {
        auto* settings = qobject_cast<CMailboxSettingsDlg*>(&dialog);
        if (!settings)
            return false;
        settings->ServerEdit()->setText("127.0.0.1");
        settings->SecurityBox()->setCurrentIndex(2);
        settings->PortBox()->setValue(server.Port());
        settings->UserEdit()->setText(CDovecotServer::kUser);
        settings->PasswordEdit()->setText(CDovecotServer::kPassword);
        settings->WatchBox()->setChecked(true);
        settings->accept();
        return dialog.result() == QDialog::Accepted;
    };
    app.Run(Cmd::MailboxSettings);
    QVERIFY(CWatchSettings::Load(app.App().Store(), gamePath.toStdString()).m_bWatch);
    QVERIFY(QTest::qWaitFor([&] { return service->received.size() == 1; }, 5000));
    QCOMPARE(doc->m_seasons.size(), size_t(8));

    // The retreats arrive while the game is watched: in within 5 seconds,
    // with the notice of the change that matters most.
    server.Deliver(AsMessage(mails[8], 8));
    QVERIFY(QTest::qWaitFor([&] { return service->received.size() == 2; }, 5000));
    QCOMPARE(doc->m_seasons.size(), size_t(9));
    QCOMPARE(service->received[1].summary, QStringLiteral("Kestrel: Fall 1902 retreat results are in"));
    QCOMPARE(service->received[1].body, QStringLiteral("Austria gains Bulgaria and Constantinople."));
    QVERIFY(doc->IsModified());

    // A click on it shows the new season in the game's window.
    QVERIFY(doc->ShowSeason("S1901M"));
    service->Click(service->received[1].id);
    QVERIFY(QTest::qWaitFor([&] { return doc->GetCurrentSeason()->m_strSeason == "F1902R"; }, 5000));
    QCOMPARE(app.Frame().ActiveDocument(), doc);

    // The Winter 1902 deadline, as the retreat mail announced it.
    std::string message;
    const auto due = LoadOrdersState(app.App().OrdersStateFile(gamePath.toStdString()), message).due;
    QVERIFY(due && due->deadlineTime);
    QCOMPARE(QString::fromStdString(due->phase), QStringLiteral("F1902B"));
    sys_seconds now = *due->deadlineTime - hours(13);
    CGameWatchers& watchers = app.Frame().Watchers();
    watchers.SetClock([&now] { return now; });
    watchers.CheckReminders();
    QCOMPARE(watchers.StatusItem().text(), QStringLiteral("Kestrel: Winter 1902 adjustment, 13 h left"));
    QVERIFY(watchers.StatusItem().toolTip().startsWith("kestrel.kes: "));
    now += minutes(61);
    watchers.CheckReminders();
    QVERIFY(QTest::qWaitFor([&] { return service->received.size() == 3; }, 5000));
    QCOMPARE(service->received[2].summary, QStringLiteral("Kestrel: Winter 1902 adjustment orders are due in 12 hours"));
    QCOMPARE(service->received[2].body, QStringLiteral("Your orders have not been sent."));
    QCOMPARE(watchers.StatusItem().text(), QStringLiteral("Kestrel: Winter 1902 adjustment, 11 h 59 min left"));

    // With no notification service, the status bar and the title say it.
    service.reset();
    now = *due->deadlineTime - minutes(59);
    watchers.CheckReminders();
    const QString words = QStringLiteral("Kestrel: Winter 1902 adjustment orders are due in 59 minutes");
    QVERIFY2(app.Frame().windowTitle().endsWith(" - " + words), qPrintable(app.Frame().windowTitle()));
    QCOMPARE(app.Frame().statusBar()->currentMessage(), words + " Your orders have not been sent.");
    QCOMPARE(watchers.StatusItem().text(), words);
}

QTEST_MAIN(WatchGameTest)
#include "WatchGameTest.moc"
