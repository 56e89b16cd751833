// Orders mode in the game window: orders written by clicks on the map and
// typed in the pane at real positions of the kestrel game, kept beside the
// settings and carried by the orders mail.
#include "SampleGame.h"

#include "app/ChildFrame.h"
#include "app/KestraneView.h"
#include "app/OrdersPane.h"
#include "model/KestraneDoc.h"
#include "model/OrdersState.h"
#include "orders/BoardPoints.h"
#include "orders/OrdersDesk.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QtTest>

class OrdersModeTest : public QObject {
    Q_OBJECT
private slots:
    void availableWithGeographyAndCountry_data();
    void availableWithGeographyAndCountry();
    void clicksDraftWhatTheMailCarries_data();
    void clicksDraftWhatTheMailCarries();
};

namespace {

CChildFrame* ActiveFrame(CAppFixture& app)
{
    QMdiSubWindow* window = app.Frame().findChild<QMdiArea*>()->activeSubWindow();
    return qobject_cast<CChildFrame*>(window);
}

// One step on the map: "Vie" clicks the place, "StP/sc" a coast of it,
// "Nth|Convoy..." takes that item of the menu on it; ">A Ser-War" types the
// line at the end of the pane's orders.
void Step(CChildFrame& frame, CScriptedPrompts& prompts, const QString& step)
{
    COrdersPane& pane = *frame.OrdersPane();
    if (step.startsWith('>')) {
        pane.Editor()->appendPlainText(step.mid(1));
        return;
    }
    const QString where = step.section('|', 0, 0);
    const orders::Geography& board = pane.Desk()->GetGeography();
    const std::optional<int> province = board.FindShortName(where.left(3).toStdString());
    QVERIFY2(province, qPrintable(where));
    orders::Place place{*province, orders::Coast::None};
    if (where.size() > 4)
        place.coast = *orders::CoastFromLetters(where.mid(4).toStdString());
    const std::optional<MapPos> point =
        orders::BoardPoints(board, frame.Document()->m_provinces).PointOf(place);
    QVERIFY2(point, qPrintable(where));
    CKestraneView& view = *frame.MapView();
    const QPoint at = view.ViewPointOf(*point);
    QVERIFY2(view.viewport()->rect().contains(at), qPrintable(where));
    if (step.contains('|')) {
        prompts.menuAnswers.push_back(step.section('|', 1));
        QTest::mouseClick(view.viewport(), Qt::RightButton, {}, at);
        QVERIFY2(prompts.menuAnswers.empty(), qPrintable(step + " was not on the menu"));
    } else {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    }
}

} // namespace

void OrdersModeTest::availableWithGeographyAndCountry_data()
{
    QTest::addColumn<int>("mails");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("why");
    // No mails: a game on the test board, which has no geography.
    QTest::newRow("NoGeography") << 0 << "Austria" << "has no geography";
    QTest::newRow("NoCountry") << 2 << "" << "Set your country in Game Details first";
    QTest::newRow("Ready") << 2 << "England" << "";
}

void OrdersModeTest::availableWithGeographyAndCountry()
{
    QFETCH(int, mails);
    QFETCH(QString, country);
    QFETCH(QString, why);
    SKIP_WITHOUT_KESTREL();
    CKestrelSession session({}, size_t(mails));
    CKestraneDoc* doc = mails ? session.doc : session.app.NewGame();
    QVERIFY(doc);
    doc->m_strMyCountry = country.toStdString();
    session.app.Run(Cmd::LatestSeason);
    QAction* mode = session.app.Frame().Action(Cmd::OrdersMode);
    QCOMPARE(mode->isEnabled(), why.isEmpty());
    QVERIFY2(mode->statusTip().contains(why), qPrintable(mode->statusTip()));
    QCOMPARE(mode->statusTip().startsWith("Write this phase's orders"), why.isEmpty());
}

void OrdersModeTest::clicksDraftWhatTheMailCarries_data()
{
    QTest::addColumn<int>("mails");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("mail");
    QTest::addColumn<QString>("refused");
    // After the game start: Spring 1901 Movement.
    QTest::newRow("MoveAndItsSupport")
        << 1 << "Austria" << QStringList{"Vie", "Gal", "Bud|Support...", "Vie", "Gal"}
        << QStringList{"Army Vienna -> Galicia", "Army Budapest SUPPORT Army Vienna -> Galicia"} << "";
    QTest::newRow("TypedLineRefused")
        << 1 << "Austria" << QStringList{"Vie", "Tri", ">A Bud-War"}
        << QStringList{"Army Vienna -> Trieste", "A Bud-War"}
        << "refused  A Bud-War: The army in Budapest can't reach Warsaw.";
    QTest::newRow("ConvoyAndTheConvoyedArmy")
        << 2 << "England" << QStringList{"Nth|Convoy...", "Yor", "Nwy", "Yor", "Nwy"}
        << QStringList{"Fleet North Sea CONVOY Army Yorkshire -> Norway", "Army Yorkshire -> North Sea -> Norway"}
        << "";
    QTest::newRow("Retreat") << 3 << "France" << QStringList{"Bur", "Bel"} << QStringList{"Army Burgundy -> Belgium"}
                             << "";
    QTest::newRow("BuildWithACoast") << 4 << "Russia" << QStringList{"StP|Build a fleet (north coast)"}
                                     << QStringList{"Build F StP/nc"} << "";
    QTest::newRow("Removal") << 9 << "Germany" << QStringList{"Mun"} << QStringList{"Remove A Mun"} << "";
}

void OrdersModeTest::clicksDraftWhatTheMailCarries()
{
    QFETCH(int, mails);
    QFETCH(QString, country);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, mail);
    QFETCH(QString, refused);
    SKIP_WITHOUT_KESTREL();
    // Zoomed to fit: the board stretched, every place in view.
    CKestrelSession session({{"Settings/ZoomToFit", 1}}, size_t(mails));
    auto& [app, doc] = session;
    QVERIFY(doc);
    doc->m_strMyCountry = country.toStdString();
    doc->m_strPassword = "pw";
    QVERIFY(session.SaveAs("kestrel.kes"));
    QFile saved(app.Path("kestrel.kes"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    saved.close();

    app.Run(Cmd::OrdersMode);
    CChildFrame* frame = ActiveFrame(app);
    QVERIFY(frame && frame->OrdersPane()->Desk());
    QVERIFY(app.Frame().Action(Cmd::OrdersMode)->isChecked());
    for (const QString& step : steps) {
        Step(*frame, app.Prompts(), step);
        if (QTest::currentTestFailed())
            return;
    }
    const QString verdict = frame->OrdersPane()->VerdictView()->toPlainText();
    QCOMPARE(verdict.contains("refused"), !refused.isEmpty());
    QVERIFY2(verdict.contains(refused), qPrintable(verdict));

    // Kept beside the settings: the mode read afresh shows the same lines,
    // and the game file keeps its bytes.
    const QString drafted = frame->OrdersPane()->Editor()->toPlainText();
    app.Run(Cmd::OrdersMode);
    app.Run(Cmd::OrdersMode);
    QCOMPARE(frame->OrdersPane()->Editor()->toPlainText(), drafted);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), bytes);

    // Units left without orders, or a refused line, are told first.
    app.Prompts().continueAnswers = {true};
    app.Run(Cmd::CopyOrdersMail);
    QStringList lines;
    for (const std::string& line : OrderLinesOfMail(QGuiApplication::clipboard()->text().toStdString()))
        lines << QString::fromStdString(line);
    QCOMPARE(lines, mail);
    if (!refused.isEmpty())
        QVERIFY(app.Prompts().questions.at(0).text.contains(refused.section("  ", 1)));
}

QTEST_MAIN(OrdersModeTest)
#include "OrdersModeTest.moc"
