#include "AppFixture.h"

#include "app/ChildFrame.h"
#include "app/ImportSummaryDlg.h"
#include "app/MailSourceDialog.h"
#include "model/KestraneDoc.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <filesystem>

namespace {

// A saved mail around body. Quoted-printable writes every "A" as "=41", so a
// body the reader did not decode would lose every army.
std::string Mail(const std::string& body, const std::string& subject, bool quotedPrintable)
{
    std::string mail = "From: Judge <judge@example.org>\r\nTo: england@example.org\r\nSubject: " + subject +
                       "\r\nDate: Mon, 02 Mar 2026 23:30:00 +0000\r\nMIME-Version: 1.0\r\n"
                       "Content-Type: text/plain; charset=us-ascii\r\nContent-Transfer-Encoding: " +
                       (quotedPrintable ? "quoted-printable" : "7bit") + "\r\n\r\n";
    for (char c : body) {
        if (c == '\n')
            mail += "\r\n";
        else if (quotedPrintable && c == 'A')
            mail += "=41";
        else
            mail += c;
    }
    return mail;
}

std::string Mbox(const std::vector<std::string>& mails)
{
    std::string mbox;
    for (const std::string& mail : mails) {
        mbox += "From judge@example.org Mon Mar  2 23:30:00 2026\n";
        for (char c : mail)
            if (c != '\r')
                mbox += c;
        mbox += "\n";
    }
    return mbox;
}

QStringList SeasonNames(const CKestraneDoc& doc)
{
    QStringList names;
    for (const auto& season : doc.m_seasons)
        names << QString::fromStdString(season->m_strSeason);
    return names;
}

// The summary dialogs the command showed, as headline and details.
struct Summaries {
    QStringList headlines;
    QStringList details;
};

void RecordSummaries(CAppFixture& app, Summaries& into)
{
    app.Prompts().dialogHook = [&into](QDialog& dialog) {
        if (auto* summary = qobject_cast<CImportSummaryDlg*>(&dialog)) {
            into.headlines << summary->Headline();
            into.details << summary->Details();
        }
        return true;
    };
}

} // namespace

// Edit, Import Mailbox through the real window: the mail reader and the
// batch import do the work, the window asks, shows progress and one summary.
class ImportMailboxTest : public QObject {
    Q_OBJECT
private slots:
    void mboxFilesEveryMailWithOneSummary();
    void cancelledChoiceChangesNothing();
    void maildirFolderIsImportedWhole();
    void unreadableSourcesGoIntoTheSummary();
    void cancelStopsBetweenMails();
    void mailDroppedOnTheGameWindowIsImported();
    void dialogTakesAMaildirFolderWhole();
    void summaryListsEveryMailOnDemand();
};

void ImportMailboxTest::mboxFilesEveryMailWithOneSummary()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    // Newest first, as a mail program sorts; a letter from a friend between.
    const std::string mbox = Mbox({Mail(SpringMovementReport(), "USTV:demo - S1901M Results", true),
                                   Mail("See you on Friday!\n", "Dinner", false),
                                   Mail(StartingReport(), "USTV:demo - S1901M Game Starting", false)});
    app.Dir().Write("Judge.mbox", mbox);
    app.Prompts().mailSourceAnswers.push_back({app.Path("Judge.mbox")});
    Summaries summaries;
    RecordSummaries(app, summaries);

    app.Run(Cmd::ImportMailbox);

    QCOMPARE(app.Prompts().mailSourceFolders.size(), size_t(1));
    QCOMPARE(SeasonNames(*doc), (QStringList{"S1900M", "S1901M"}));
    // Both armies of the movement came through the quoted-printable body.
    QCOMPARE(doc->GetCurrentSeason()->m_units[0].size(), size_t(2));
    QCOMPARE(app.Prompts().dialogTitles, std::vector<QString>{"Import Mailbox"});
    QVERIFY2(app.Prompts().messages.empty(), "no message box per mail");
    QCOMPARE(summaries.headlines, QStringList{"2 seasons filed from 3 mails."});
    QVERIFY2(summaries.details.front().contains("not a Judge mail"), qPrintable(summaries.details.front()));
    QVERIFY2(summaries.details.front().contains("Dinner"), qPrintable(summaries.details.front()));
    QVERIFY(doc->IsModified());
    QCOMPARE(CTempDir::Read(app.Dir().Path() / "Judge.mbox"), mbox);
}

void ImportMailboxTest::cancelledChoiceChangesNothing()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    app.Prompts().mailSourceAnswers.push_back(QStringList());
    app.Run(Cmd::ImportMailbox);
    QCOMPARE(app.Prompts().mailSourceFolders.size(), size_t(1));
    QVERIFY(doc->m_seasons.empty());
    QVERIFY(!doc->IsModified());
    QVERIFY(app.Prompts().dialogTitles.empty());
    QVERIFY(app.Prompts().messages.empty());
}

void ImportMailboxTest::maildirFolderIsImportedWhole()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    app.Dir().Write("Maildir/cur/1772494200.M2.host:2,S", Mail(SpringMovementReport(), "S1901M Results", true));
    app.Dir().Write("Maildir/new/1772494300.M1.host", Mail(StartingReport(), "S1901M Game Starting", true));
    app.Prompts().mailSourceAnswers.push_back({app.Path("Maildir")});
    Summaries summaries;
    RecordSummaries(app, summaries);

    app.Run(Cmd::ImportMailbox);

    QCOMPARE(SeasonNames(*doc), (QStringList{"S1900M", "S1901M"}));
    QCOMPARE(summaries.headlines, QStringList{"2 seasons filed from 2 mails."});
    QVERIFY(app.Prompts().messages.empty());

    // The next choice starts where this one was made, as Import's does.
    app.Prompts().mailSourceAnswers.push_back(QStringList());
    app.Run(Cmd::ImportMailbox);
    QCOMPARE(app.Prompts().mailSourceFolders.back(), QFileInfo(app.Path("Maildir")).absolutePath());
}

void ImportMailboxTest::unreadableSourcesGoIntoTheSummary()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    app.Dir().Write("start.eml", Mail(StartingReport(), "Game Starting", false));
    app.Dir().Write("empty.eml", "");
    app.Prompts().mailSourceAnswers.push_back(
        {app.Path("gone.mbox"), app.Path("empty.eml"), app.Path("start.eml")});
    Summaries summaries;
    RecordSummaries(app, summaries);

    app.Run(Cmd::ImportMailbox);

    QCOMPARE(SeasonNames(*doc), QStringList{"S1900M"});
    QVERIFY(app.Prompts().messages.empty());
    QCOMPARE(summaries.headlines, QStringList{"1 season filed from 1 mail. 2 mails or files could not be read."});
    const QString& details = summaries.details.front();
    QVERIFY2(details.contains(app.Path("gone.mbox") + ": no such file or folder"), qPrintable(details));
    QVERIFY2(details.contains(app.Path("empty.eml") + ": the file is empty"), qPrintable(details));
}

void ImportMailboxTest::cancelStopsBetweenMails()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    app.Dir().Write("Judge.mbox", Mbox({Mail(StartingReport(), "Game Starting", false),
                                        Mail(SpringMovementReport(), "S1901M Results", false)}));
    app.Prompts().mailSourceAnswers.push_back({app.Path("Judge.mbox")});
    Summaries summaries;
    RecordSummaries(app, summaries);
    // The user presses Cancel as soon as the import lets events through.
    bool pressed = false;
    QTimer::singleShot(0, &app.Frame(), [&] {
        if (auto* progress = app.Frame().findChild<QProgressDialog*>()) {
            progress->cancel();
            pressed = true;
        }
    });

    app.Run(Cmd::ImportMailbox);

    QVERIFY(pressed);
    QVERIFY(doc->m_seasons.size() < 2);
    QCOMPARE(summaries.headlines.size(), 1);
    QVERIFY2(summaries.headlines.front().contains("Cancelled"), qPrintable(summaries.headlines.front()));
    QVERIFY(app.Prompts().messages.empty());
}

void ImportMailboxTest::mailDroppedOnTheGameWindowIsImported()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    app.Frame().show();
    QVERIFY(QTest::qWaitForWindowExposed(&app.Frame()));
    app.Dir().Write("start.eml", Mail(StartingReport(), "Game Starting", true));
    Summaries summaries;
    RecordSummaries(app, summaries);

    CChildFrame* game = app.Frame().ActiveFrame();
    QVERIFY(game);
    const QPoint centre = game->mapTo(&app.Frame(), game->rect().center());
    QCOMPARE(app.Frame().FrameAt(centre), game);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(app.Path("start.eml"))});
    // The application hands a drop only to the window that took the drag.
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&app.Frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&app.Frame(), &drop);

    QCOMPARE(SeasonNames(*doc), QStringList{"S1900M"});
    QCOMPARE(summaries.headlines, QStringList{"1 season filed from 1 mail."});
    QCOMPARE(app.Frame().Docs().Documents().size(), size_t(1));
}

void ImportMailboxTest::dialogTakesAMaildirFolderWhole()
{
    CTempDir dir;
    dir.Write("Maildir/new/1.M1.host", "From: a@b\n\nbody\n");
    dir.Write("Plain/readme.txt", "text\n");
    dir.Write("a.eml", "From: a@b\n\nbody\n");

    CMailSourceDialog maildir;
    maildir.setDirectory(QString::fromStdString(dir.Str()));
    maildir.selectFile("Maildir");
    maildir.accept();
    QCOMPARE(maildir.result(), int(QDialog::Accepted));
    QCOMPARE(maildir.Chosen(), QStringList{QString::fromStdString((dir.Path() / "Maildir").string())});

    // Inside the Maildir with nothing chosen: the folder on show is taken.
    CMailSourceDialog inside;
    inside.setDirectory(QString::fromStdString((dir.Path() / "Maildir").string()));
    inside.accept();
    QCOMPARE(inside.result(), int(QDialog::Accepted));
    QCOMPARE(inside.Chosen(), QStringList{QString::fromStdString((dir.Path() / "Maildir").string())});

    // Any other folder is opened for browsing, not taken.
    CMailSourceDialog plain;
    plain.setDirectory(QString::fromStdString(dir.Str()));
    plain.selectFile("Plain");
    plain.accept();
    QVERIFY(plain.Chosen().isEmpty());
    QVERIFY(plain.result() != int(QDialog::Accepted));

    CMailSourceDialog file;
    file.setDirectory(QString::fromStdString(dir.Str()));
    file.selectFile("a.eml");
    file.accept();
    QCOMPARE(file.Chosen(), QStringList{QString::fromStdString((dir.Path() / "a.eml").string())});
    QCOMPARE(file.Filter(), QStringLiteral("All Files (*);;Mail Messages (*.eml);;Mailboxes (*.mbox *.mbx)"));
}

// The summary counts the mails skipped by reason; Details lists every mail.
void ImportMailboxTest::summaryListsEveryMailOnDemand()
{
    CImportSummaryDlg dialog("2 seasons filed from 9 mails.", "7 mails skipped: 7 not Judge mails.",
                             "7 mails skipped:\n  box, mail 3: not a Judge mail\n");
    auto* text = dialog.findChild<QPlainTextEdit*>();
    QPushButton* details = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == "&Details")
            details = button;
    QVERIFY(text && details);
    QCOMPARE(text->toPlainText(), dialog.Summary());
    details->click();
    QCOMPARE(text->toPlainText(), dialog.Details());
    details->click();
    QCOMPARE(text->toPlainText(), dialog.Summary());
}

QTEST_MAIN(ImportMailboxTest)
#include "ImportMailboxTest.moc"
