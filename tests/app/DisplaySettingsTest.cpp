#include "AppFixture.h"
#include "DisplayToggleRows.h"

#include "app/ChildFrame.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"

#include <QAction>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

namespace {

// A season in which ENGLAND owns LON (centre drawn at 12, 14 with radius 4).
void AddOwnership(CKestraneDoc& doc)
{
    auto season = std::make_unique<CSeasonHdr>(doc.m_nCountries);
    season->m_strSeason = "S1901M";
    season->m_centres[0].push_back(MapPos{12, 14});
    doc.InsertSeason(std::move(season));
}

} // namespace

// The View menu's display toggles, their check marks and stored values, and
// the main window's placement.
class DisplaySettingsTest : public QObject {
    Q_OBJECT
private slots:
    void toggles_data();
    void toggles();
    void untouchedValuesWrittenBackUnchanged();
    void supplyCentresRedrawTheMap();
    void zoomStretchesWithoutScrollBars();
    void zoomStepsFromTheSizeShown_data();
    void zoomStepsFromTheSizeShown();
    void firstStartPlacement();
    void storedPlacementRoundTrip();
    void maximisedRectangleStored();
};

void DisplaySettingsTest::toggles_data()
{
    displaytoggle::AddRows({{Cmd::ToggleZoom, "ZoomToFit"}, {Cmd::ToggleInitials, "Initials"},
                            {Cmd::ToggleSCDisplay, "SCDisplay"}, {Cmd::ToggleOrders, "OrdersOnMap"},
                            {Cmd::ToggleSmoothZoom, "SmoothZoom"}, {Cmd::TogglePhaseSummary, "PhaseSummary"}});
}

void DisplaySettingsTest::toggles()
{
    displaytoggle::CheckRow();
}

void DisplaySettingsTest::untouchedValuesWrittenBackUnchanged()
{
    CAppFixture app(CAppFixture::Presets{{"Settings/SCDisplay", 2}, {"Settings/Initials", 1}});
    app.Exit();
    QCOMPARE(app.Stored("Settings/SCDisplay").toInt(), 2);
    QCOMPARE(app.Stored("Settings/Initials").toInt(), 1);
    QCOMPARE(app.Stored("Settings/ZoomToFit").toInt(), 0);
    for (const char* key : {"WinLeft", "WinRight", "WinTop", "WinBottom"})
        QVERIFY2(app.Stored(QString("Settings/") + key).isValid(), key);
    QVERIFY(!app.Stored("Settings/InstallDir").toString().isEmpty()); // kept, never rewritten
}

void DisplaySettingsTest::supplyCentresRedrawTheMap()
{
    CAppFixture app;
    CKestraneDoc* doc = app.NewGame();
    AddOwnership(*doc);
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    const QImage before = view->RenderedPicture();
    QCOMPARE(before.size(), QSize(64, 48));
    QCOMPARE(before.pixel(12, 14) & 0xFFFFFF, 0xFFFFFFu); // white board, no circle

    app.Run(Cmd::ToggleSCDisplay);
    const QImage after = view->RenderedPicture();
    QCOMPARE(after.pixel(12, 14) & 0xFFFFFF, 0xFF0000u); // ENGLAND's red
    QCOMPARE(after.pixel(40, 40) & 0xFFFFFF, 0xFFFFFFu);
}

void DisplaySettingsTest::zoomStretchesWithoutScrollBars()
{
    CAppFixture app;
    QVERIFY(app.NewGame());
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    view->resize(300, 200);
    view->grab(); // paints, which sets the scroll sizes
    QCOMPARE(view->ScrollSize(), QSize(64, 48));

    app.Run(Cmd::ToggleZoom);
    view->grab();
    QCOMPARE(view->ScrollSize(), view->viewport()->size());
    QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(view->verticalScrollBar()->maximum(), 0);
}

void DisplaySettingsTest::zoomStepsFromTheSizeShown_data()
{
    // The test board is 64 x 48; in the window below Zoom to Fit shows it
    // at about 170 %, between the steps 150 and 200.
    QTest::addColumn<int>("zoomToFit");
    QTest::addColumn<QList<int>>("commands"); // Cmd, or a Ctrl+wheel turn: +1 / -1 (no Ctrl: +2 / -2)
    QTest::addColumn<QSize>("shown");         // empty: the window's client, zoomed to fit
    QTest::newRow("InFromFit") << 1 << QList<int>{int(Cmd::ZoomIn)} << QSize(128, 96);
    QTest::newRow("OutFromFit") << 1 << QList<int>{int(Cmd::ZoomOut)} << QSize(96, 72);
    QTest::newRow("TwiceInFromActual") << 0 << QList<int>{int(Cmd::ZoomIn), int(Cmd::ZoomIn)} << QSize(96, 72);
    QTest::newRow("ActualSizeAfterZoom") << 1 << QList<int>{int(Cmd::ZoomIn), int(Cmd::ActualSize)} << QSize(64, 48);
    QTest::newRow("CtrlWheelOut") << 0 << QList<int>{-1} << QSize(48, 36);
    QTest::newRow("CtrlWheelIn") << 0 << QList<int>{1} << QSize(80, 60);
    QTest::newRow("WheelAloneScrolls") << 0 << QList<int>{2} << QSize(64, 48);
    QTest::newRow("FitAgain") << 0 << QList<int>{int(Cmd::ZoomIn), int(Cmd::ToggleZoom)} << QSize();
}

void DisplaySettingsTest::zoomStepsFromTheSizeShown()
{
    QFETCH(int, zoomToFit);
    QFETCH(QList<int>, commands);
    QFETCH(QSize, shown);
    CAppFixture app({{"Settings/ZoomToFit", zoomToFit}});
    QVERIFY(app.NewGame());
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    view->resize(110, 90);
    view->grab();
    for (int command : commands) {
        if (std::abs(command) > 2) {
            app.Run(Cmd(command));
            continue;
        }
        const QPoint at(10, 10);
        QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), {}, {0, command > 0 ? 120 : -120}, Qt::NoButton,
                          std::abs(command) == 1 ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view->viewport(), &wheel);
    }
    view->grab();
    QCOMPARE(view->ScrollSize(), shown.isEmpty() ? view->viewport()->size() : shown);
    QCOMPARE(app.Frame().Action(Cmd::ToggleZoom)->isChecked(), shown.isEmpty());
}

void DisplaySettingsTest::firstStartPlacement()
{
    CAppFixture app;
    QCOMPARE(app.Frame().pos(), QPoint(100, 100));
    QCOMPARE(app.Frame().size(), QSize(300, 300));
}

void DisplaySettingsTest::storedPlacementRoundTrip()
{
    CAppFixture app(CAppFixture::Presets{{"Settings/WinLeft", 20},
                                          {"Settings/WinTop", 30},
                                          {"Settings/WinRight", 820},
                                          {"Settings/WinBottom", 630}});
    QCOMPARE(app.Frame().pos(), QPoint(20, 30));
    QCOMPARE(app.Frame().size(), QSize(800, 600));
    app.Frame().move(50, 60);
    app.Frame().resize(700, 500);
    app.Exit();
    QCOMPARE(app.Stored("Settings/WinLeft").toInt(), 50);
    QCOMPARE(app.Stored("Settings/WinTop").toInt(), 60);
    QCOMPARE(app.Stored("Settings/WinRight").toInt(), 750);
    QCOMPARE(app.Stored("Settings/WinBottom").toInt(), 560);
}

void DisplaySettingsTest::maximisedRectangleStored()
{
    CAppFixture app;
    app.Frame().showMaximized();
    QCoreApplication::processEvents();
    const QRect maximised(app.Frame().pos(), app.Frame().size());
    app.Exit();
    QCOMPARE(app.Stored("Settings/WinLeft").toInt(), maximised.left());
    QCOMPARE(app.Stored("Settings/WinRight").toInt(), maximised.left() + maximised.width());
    QCOMPARE(app.Stored("Settings/WinBottom").toInt(), maximised.top() + maximised.height());
    QVERIFY(maximised.width() > 300);
}

QTEST_MAIN(DisplaySettingsTest)
#include "DisplaySettingsTest.moc"
