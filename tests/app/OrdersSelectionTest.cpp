#include "app/OrdersSelection.h"

#include <QtTest>

// Whole-line selection in the orders pane: clicks, drags both ways, Select
// All, and the text a copy takes.
class OrdersSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void ranges_data();
    void ranges();
    void selectAllOfNothingSelectsNothing();
};

void OrdersSelectionTest::ranges_data()
{
    QTest::addColumn<QList<int>>("steps"); // first a click, then drags; -9: Select All; -8: Clear
    QTest::addColumn<int>("first");        // -1: nothing selected
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("text");
    QTest::newRow("NothingYet") << QList<int>{} << -1 << -1 << "";
    QTest::newRow("Click") << QList<int>{2} << 2 << 2 << "c";
    QTest::newRow("DragDown") << QList<int>{1, 3} << 1 << 3 << "b\nc\nd";
    QTest::newRow("DragUp") << QList<int>{3, 0} << 0 << 3 << "a\nb\nc\nd";
    QTest::newRow("DragBackAndForth") << QList<int>{2, 0, 4} << 2 << 4 << "c\nd\ne";
    QTest::newRow("PastTheEnd") << QList<int>{3, 9} << 3 << 9 << "d\ne";
    QTest::newRow("AboveTheTop") << QList<int>{-5} << 0 << 0 << "a";
    QTest::newRow("SelectAll") << QList<int>{-9} << 0 << 4 << "a\nb\nc\nd\ne";
    QTest::newRow("Cleared") << QList<int>{1, 3, -8} << -1 << -1 << "";
}

void OrdersSelectionTest::ranges()
{
    QFETCH(QList<int>, steps);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, text);
    const QStringList lines{"a", "b", "c", "d", "e"};
    COrdersSelection selection;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (steps[i] == -9)
            selection.SelectAll(int(lines.size()));
        else if (steps[i] == -8)
            selection.Clear();
        else if (i == 0)
            selection.Begin(steps[i]);
        else
            selection.Extend(steps[i]);
    }
    QCOMPARE(selection.IsEmpty(), first < 0);
    if (first >= 0) {
        QCOMPARE(selection.First(), first);
        QCOMPARE(selection.Last(), last);
    }
    for (int line = -1; line < 7; ++line)
        QCOMPARE(selection.Contains(line), first >= 0 && line >= first && line <= last);
    QCOMPARE(selection.Text(lines), text);
}

void OrdersSelectionTest::selectAllOfNothingSelectsNothing()
{
    COrdersSelection selection;
    selection.Begin(1);
    selection.SelectAll(0);
    QVERIFY(selection.IsEmpty());
    // A drag without a click first selects nothing.
    selection.Extend(3);
    QVERIFY(selection.IsEmpty());
    QVERIFY(selection.Text({"a", "b"}).isEmpty());
}

QTEST_MAIN(OrdersSelectionTest)
#include "OrdersSelectionTest.moc"
