#include "AppFixture.h"

#include "app/DialogUnits.h"
#include "app/GameDetailsDlg.h"
#include "model/KestraneDoc.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

testgame::TestGameSpec ThreeCountries()
{
    testgame::TestGameSpec desc = testgame::StandardTestGame();
    desc.countries = {{"Turkey", 200, 200, 0}, {"Austria", 200, 0, 0}, {"England", 0, 0, 200}};
    return desc;
}

struct Seen {
    QStringList countries;
    QString selected;
    QString password;
};

Seen Look(const CGameDetailsDlg& dialog)
{
    Seen seen;
    for (int i = 0; i < dialog.Countries()->count(); ++i)
        seen.countries << dialog.Countries()->item(i)->text();
    seen.selected = dialog.Country();
    seen.password = dialog.Password();
    return seen;
}

// A dialog hook that picks the country on row, types password and answers
// with OK or Cancel.
std::function<bool(QDialog&)> Choose(int row, const QString& password, bool ok)
{
    return [=](QDialog& dialog) {
        auto& details = static_cast<CGameDetailsDlg&>(dialog);
        details.Countries()->setCurrentRow(row);
        details.PasswordEdit()->setText(password);
        return ok;
    };
}

} // namespace

// The Game Details dialog as Edit, Game Details shows it.
class GameDetailsDlgTest : public QObject {
    Q_OBJECT
private slots:
    void layoutInDialogUnits();
    void selection_data();
    void selection();
    void okStoresChoiceAndMarksModified();
    void okWithoutChoiceStoresEmptyCountry();
    void cancelChangesNothing();
};

void GameDetailsDlgTest::layoutInDialogUnits()
{
    CAppFixture app({}, ThreeCountries());
    CKestraneDoc* doc = app.NewGame();
    CGameDetailsDlg dialog(*doc, &app.Frame());
    const CDialogUnits du(dialog.font());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Game Details"));
    QCOMPARE(dialog.size(), QSize(du.X(186), du.Y(114)));
    QCOMPARE(dialog.Countries()->geometry(), du.Rect(17, 21, 96, 54));
    QCOMPARE(dialog.PasswordEdit()->geometry(), du.Rect(17, 93, 81, 12));
    QCOMPARE(dialog.PasswordEdit()->echoMode(), QLineEdit::Normal); // shown in clear
    auto* ok = dialog.findChild<QPushButton*>("OK");
    auto* cancel = dialog.findChild<QPushButton*>("Cancel");
    QVERIFY(ok && cancel);
    QVERIFY(ok->isDefault());
    QCOMPARE(ok->geometry(), du.Rect(129, 7, 50, 14));
    QCOMPARE(cancel->geometry(), du.Rect(129, 24, 50, 14));
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    labels.sort();
    QCOMPARE(labels, (QStringList{"Countries", "Password"}));

    // Dialog units: a quarter of the average width, an eighth of the height.
    const CDialogUnits fixed(6, 13);
    QCOMPARE(fixed.Rect(17, 21, 96, 54), QRect(25, 34, 144, 87));
}

void GameDetailsDlgTest::selection_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("message");
    QTest::newRow("NewGame") << "" << "" << "";
    QTest::newRow("WholeName") << "TURKEY" << "TURKEY" << "";
    QTest::newRow("PrefixAnyCase") << "eng" << "ENGLAND" << "";
    QTest::newRow("FirstEntryByPrefix") << "Aus" << "AUSTRIA" << "";
    QTest::newRow("Invalid") << "ITALY" << "" << "The Country in your file is invalid";
}

void GameDetailsDlgTest::selection()
{
    QFETCH(QString, stored);
    QFETCH(QString, selected);
    QFETCH(QString, message);
    CAppFixture app({}, ThreeCountries());
    CKestraneDoc* doc = app.NewGame();
    doc->m_strMyCountry = stored.toStdString();
    doc->m_strPassword = "pw";
    Seen seen;
    app.Prompts().dialogHook = [&seen](QDialog& dialog) {
        seen = Look(static_cast<CGameDetailsDlg&>(dialog));
        return false;
    };
    app.Run(Cmd::GameDetails);
    QCOMPARE(app.Prompts().dialogTitles, std::vector<QString>{"Game Details"});
    QCOMPARE(seen.countries, (QStringList{"AUSTRIA", "ENGLAND", "TURKEY"}));
    QCOMPARE(seen.selected, selected);
    QCOMPARE(seen.password, QStringLiteral("pw"));
    if (message.isEmpty()) {
        QVERIFY(app.Prompts().messages.empty());
    } else {
        QCOMPARE(app.Prompts().messages.size(), size_t(1));
        QCOMPARE(app.Prompts().messages[0].text, message);
        QCOMPARE(app.Prompts().messages[0].icon, MessageIcon::Exclamation);
    }
}

void GameDetailsDlgTest::okStoresChoiceAndMarksModified()
{
    CAppFixture app({}, ThreeCountries());
    CKestraneDoc* doc = app.NewGame();
    app.Prompts().dialogHook = Choose(1, "secret", /*ok=*/true);
    app.Run(Cmd::GameDetails);
    QCOMPARE(doc->m_strMyCountry, std::string("ENGLAND"));
    QCOMPARE(doc->m_strPassword, std::string("secret"));
    QVERIFY(doc->IsModified());

    // OK marks the game modified even when nothing changed.
    doc->SetModifiedFlag(false);
    app.Prompts().dialogHook = [](QDialog&) { return true; };
    app.Run(Cmd::GameDetails);
    QCOMPARE(doc->m_strMyCountry, std::string("ENGLAND"));
    QVERIFY(doc->IsModified());
}

void GameDetailsDlgTest::okWithoutChoiceStoresEmptyCountry()
{
    CAppFixture app({}, ThreeCountries());
    CKestraneDoc* doc = app.NewGame();
    doc->m_strMyCountry = "ITALY";
    app.Prompts().dialogHook = [](QDialog&) { return true; };
    app.Run(Cmd::GameDetails);
    QCOMPARE(doc->m_strMyCountry, std::string());
}

void GameDetailsDlgTest::cancelChangesNothing()
{
    CAppFixture app({}, ThreeCountries());
    CKestraneDoc* doc = app.NewGame();
    doc->m_strMyCountry = "AUSTRIA";
    doc->m_strPassword = "old";
    app.Prompts().dialogHook = Choose(2, "new", /*ok=*/false);
    app.Run(Cmd::GameDetails);
    QCOMPARE(doc->m_strMyCountry, std::string("AUSTRIA"));
    QCOMPARE(doc->m_strPassword, std::string("old"));
    QVERIFY(!doc->IsModified());
}

QTEST_MAIN(GameDetailsDlgTest)
#include "GameDetailsDlgTest.moc"
