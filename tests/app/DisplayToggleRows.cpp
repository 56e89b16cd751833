#include "DisplayToggleRows.h"

#include "AppFixture.h"

#include <QAction>
#include <QtTest>

namespace displaytoggle {

void AddRows(std::initializer_list<std::pair<Cmd, const char*>> toggles)
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("checkedAtStart");
    QTest::addColumn<int>("afterToggle");
    for (const auto& [cmd, name] : toggles) {
        QTest::addRow("%s0", name) << int(cmd) << QString(name) << 0 << false << 1;
        QTest::addRow("%s1", name) << int(cmd) << QString(name) << 1 << true << 0;
        // Only exactly 1 checks the item; toggling a 2 stores 1.
        QTest::addRow("%s2", name) << int(cmd) << QString(name) << 2 << false << 1;
    }
}

void CheckRow()
{
    QFETCH(int, command);
    QFETCH(QString, name);
    QFETCH(int, stored);
    QFETCH(bool, checkedAtStart);
    QFETCH(int, afterToggle);
    CAppFixture app(CAppFixture::Presets{{"Settings/" + name, stored}});
    QVERIFY(app.NewGame());
    QAction* action = app.Frame().Action(Cmd(command));
    QVERIFY(action->isCheckable());
    QCOMPARE(action->isChecked(), checkedAtStart);

    action->trigger();
    QCOMPARE(action->isChecked(), afterToggle == 1);
    app.Exit();
    QCOMPARE(app.Stored("Settings/" + name).toInt(), afterToggle);
}

} // namespace displaytoggle
