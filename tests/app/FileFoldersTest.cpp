#include "AppFixture.h"

#include "app/FileFolders.h"
#include "model/KestraneDoc.h"
#include "support/MemorySettingsStore.h"

#include <QDir>
#include <QtTest>

// The folders the file dialogs open in: remembered per kind of file, the
// installation's Maps for maps and home for the rest the first time.
class FileFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void startFolders_data();
    void startFolders();
    void dialogsOpenWhereTheLastFileWas();
    void foldersOutliveTheRun();
};

void FileFoldersTest::startFolders_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("stored");   // "<tmp>" for an existing folder, else as written
    QTest::addColumn<QString>("expected"); // "<maps>", "<home>" or "<tmp>"
    QTest::newRow("MapFirstTime") << int(FileKind::Map) << "" << "<maps>";
    QTest::newRow("GameFirstTime") << int(FileKind::Game) << "" << "<home>";
    QTest::newRow("ReportFirstTime") << int(FileKind::Report) << "" << "<home>";
    QTest::newRow("MapRemembered") << int(FileKind::Map) << "<tmp>" << "<tmp>";
    QTest::newRow("ReportRemembered") << int(FileKind::Report) << "<tmp>" << "<tmp>";
    QTest::newRow("GameFolderGone") << int(FileKind::Game) << "/no/such/folder" << "<home>";
    QTest::newRow("MapFolderGone") << int(FileKind::Map) << "/no/such/folder" << "<maps>";
}

void FileFoldersTest::startFolders()
{
    QFETCH(int, kind);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    CTempDir dir;
    const QString tmp = QString::fromStdString(dir.Path().string());
    const QString maps = tmp + "/Maps";
    CMemorySettingsStore store;
    if (!stored.isEmpty())
        store.WriteProfileString(CFileFolders::kSection, CFileFolders::Entry(FileKind(kind)),
                                 (stored == "<tmp>" ? tmp : stored).toStdString());
    const CFileFolders folders(store, maps);
    expected.replace("<maps>", maps).replace("<home>", QDir::homePath()).replace("<tmp>", tmp);
    QCOMPARE(folders.StartFolder(FileKind(kind)), expected);
}

void FileFoldersTest::dialogsOpenWhereTheLastFileWas()
{
    CAppFixture app;
    auto& prompts = app.Prompts();
    // File New: first in Maps, then where the last map was chosen.
    QVERIFY(app.NewGame());
    QCOMPARE(QDir(prompts.openRequests.back().folder), QDir(app.Path("Maps")));
    app.Dir().Write("other/Test.map", "");
    prompts.openAnswers.push_back(app.Path("other/Test.map"));
    app.Run(Cmd::FileNew);
    app.Run(Cmd::FileNew); // cancelled: nothing left to answer
    QCOMPARE(QDir(prompts.openRequests.back().folder), QDir(app.Path("other")));

    // Import: home the first time, then the mail's folder; the map folder is
    // not disturbed by it.
    app.Run(Cmd::Import);
    QCOMPARE(prompts.openRequests.back().folder, QDir::homePath());
    app.Dir().Write("mail/report.txt", StartingReport());
    prompts.openAnswers.push_back(app.Path("mail/report.txt"));
    app.Run(Cmd::Import);
    app.Run(Cmd::Import);
    QCOMPARE(QDir(prompts.openRequests.back().folder), QDir(app.Path("mail")));

    // Save As of a new game offers its name in the games' folder, which Open
    // then uses too.
    prompts.saveAnswers.push_back(app.Path("games/first.kes"));
    QDir().mkpath(app.Path("games"));
    app.Run(Cmd::FileSaveAs);
    QCOMPARE(prompts.saveRequests.back().folder, QDir::homePath());
    app.Run(Cmd::FileOpen);
    QCOMPARE(QDir(prompts.openRequests.back().folder), QDir(app.Path("games")));
    QCOMPARE(QDir(app.Prompts().openRequests.front().folder), QDir(app.Path("Maps")));
}

void FileFoldersTest::foldersOutliveTheRun()
{
    CAppFixture app;
    app.Dir().Write("mail/report.txt", StartingReport());
    QVERIFY(app.NewGame());
    app.Prompts().openAnswers.push_back(app.Path("mail/report.txt"));
    app.Run(Cmd::Import);
    app.Prompts().saveChangesAnswers.push_back(QMessageBox::No);
    app.Exit();
    QCOMPARE(QDir(app.Stored("Folders/Reports").toString()), QDir(app.Path("mail")));
    QCOMPARE(QDir(app.Stored("Folders/Maps").toString()), QDir(app.Path("Maps")));
    QVERIFY(!app.Stored("Folders/Games").isValid());
}

QTEST_MAIN(FileFoldersTest)
#include "FileFoldersTest.moc"
