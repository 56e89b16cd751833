#include "AppFixture.h"

#include "app/ChildFrame.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"
#include "support/GifReading.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

#include <filesystem>

namespace {

// England's army moves from LON (10, 12) to PAR (30, 20) on the test board.
CKestraneDoc* GameWithAMove(CAppFixture& app)
{
    CKestraneDoc* doc = app.NewGame();
    if (!doc)
        return nullptr;
    for (const char* name : {"S1901M", "F1901M", "F1901B"}) {
        auto season = std::make_unique<CSeasonHdr>(doc->m_nCountries);
        season->m_strSeason = name;
        season->m_strDeadline = "Mon Jan 05 2004 23:30:00 +0000";
        season->m_orders = {"England: Army Lon -> Par."};
        season->m_units[0].push_back(CSeasonData(CSeasonData::kArmy, {30, 20}, "PAR"));
        doc->InsertSeason(std::move(season));
    }
    doc->OnFirstSeason();
    return doc;
}

QImage Shown(CKestraneView* view)
{
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    view->viewport()->render(&image);
    return image;
}

} // namespace

// Orders on Map, Smooth Zoom, Export Map and Export Animation in the real
// main window.
class MapOverlayTest : public QObject {
    Q_OBJECT
private slots:
    void menusOfferTheNewCommands();
    void ordersAreDrawnOverTheMapAndGoAgain();
    void smoothZoomFiltersTheStretchedMap();
    void exportMapWritesThePictureAtTheChosenSize_data();
    void exportMapWritesThePictureAtTheChosenSize();
    void exportAnimationWritesEverySeason();
};


void MapOverlayTest::menusOfferTheNewCommands()
{
    CAppFixture app;
    // Off by default on a first start.
    QVERIFY(app.NewGame());
    const QStringList view = MenuItems(*FindMenu(app.Frame(), "&View"));
    const int centres = view.indexOf("Supply &Centres");
    QVERIFY(centres >= 0);
    QCOMPARE(view.mid(centres + 1, 2), (QStringList{"&Orders on Map", "S&mooth Zoom"}));
    QVERIFY(!app.Frame().Action(Cmd::ToggleOrders)->isChecked());
    QVERIFY(!app.Frame().Action(Cmd::ToggleSmoothZoom)->isChecked());
    const QStringList file = MenuItems(*FindMenu(app.Frame(), "&File"));
    const int exportMap = file.indexOf("&Export Map...");
    QVERIFY(exportMap >= 0);
    QCOMPARE(file.at(exportMap + 1), QString("Export Ani&mation..."));
    QVERIFY(app.Frame().Action(Cmd::ExportMap)->isEnabled());
    app.Run(Cmd::FileClose);
    QVERIFY(!app.Frame().Action(Cmd::ExportMap)->isEnabled());
    QVERIFY(!app.Frame().Action(Cmd::ExportAnimation)->isEnabled());
}

void MapOverlayTest::ordersAreDrawnOverTheMapAndGoAgain()
{
    CAppFixture app;
    QVERIFY(GameWithAMove(app));
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    view->resize(200, 150);
    const QImage before = Shown(view);

    app.Run(Cmd::ToggleOrders);
    const QImage on = Shown(view);
    QVERIFY(on != before);
    // Along the arrow from LON to PAR (unit centres 2 pixels in), England's red.
    const QPointF from(12, 14);
    const QPointF to(32, 22);
    int red = 0;
    for (double t : {0.2, 0.3, 0.4}) {
        const QPointF p = from + (to - from) * t;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QRgb c = on.pixel(int(p.x()) + dx, int(p.y()) + dy);
                red += qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
            }
    }
    QVERIFY2(red >= 3, qPrintable(QString::number(red)));
    QCOMPARE(on.pixel(60, 45), before.pixel(60, 45));

    app.Run(Cmd::ToggleOrders);
    QCOMPARE(Shown(view), before);
}

void MapOverlayTest::smoothZoomFiltersTheStretchedMap()
{
    CAppFixture app;
    QVERIFY(GameWithAMove(app));
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    view->resize(400, 320);
    app.Run(Cmd::ToggleZoom);
    const QImage nearest = Shown(view);
    const auto colours = [](const QImage& image) {
        QSet<QRgb> set;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                set.insert(image.pixel(x, y));
        return set.size();
    };
    app.Run(Cmd::ToggleSmoothZoom);
    const QImage smooth = Shown(view);
    QCOMPARE(smooth.size(), nearest.size());
    QVERIFY2(smooth != nearest, qPrintable(QString("%1x%2 smooth %3").arg(smooth.width()).arg(smooth.height()).arg(app.App().MapDraw().smooth)));
    // Filtering blends the unit pictures' edges into in-between colours.
    QVERIFY2(colours(smooth) > 2 * colours(nearest),
             qPrintable(QString("%1 against %2").arg(colours(smooth)).arg(colours(nearest))));
    // At actual size smooth zoom changes nothing.
    app.Run(Cmd::ToggleZoom);
    const QImage actualSmooth = Shown(view);
    app.Run(Cmd::ToggleSmoothZoom);
    QCOMPARE(Shown(view), actualSmooth);
}

void MapOverlayTest::exportMapWritesThePictureAtTheChosenSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<QSize>("size");
    QTest::newRow("ActualSizePng") << "map.png" << 0 << QByteArray("\x89PNG") << QSize(64, 48);
    QTest::newRow("LargerPng") << "big.png" << 256 << QByteArray("\x89PNG") << QSize(256, 192);
    QTest::newRow("Pdf") << "map.pdf" << 0 << QByteArray("%PDF") << QSize();
}

void MapOverlayTest::exportMapWritesThePictureAtTheChosenSize()
{
    QFETCH(QString, file);
    QFETCH(int, width);
    QFETCH(QByteArray, magic);
    QFETCH(QSize, size);
    CAppFixture app;
    QVERIFY(GameWithAMove(app));
    app.Prompts().dialogHook = [width](QDialog& dialog) {
        if (width) {
            dialog.findChild<QCheckBox*>("ActualSize")->setChecked(false);
            dialog.findChild<QSpinBox*>("Width")->setValue(width);
        }
        return true;
    };
    const QString path = app.Path(file);
    app.Prompts().saveAnswers = {path};
    app.Run(Cmd::ExportMap);
    QVERIFY(app.Prompts().messages.empty());
    QCOMPARE(app.Prompts().dialogTitles, (std::vector<QString>{"Export Map"}));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.read(4), magic);
    if (size.isValid()) {
        QImage image(path);
        QCOMPARE(image.size(), size);
    }

    // Cancelling the file choice writes nothing.
    app.Prompts().saveAnswers = {QString()};
    app.Run(Cmd::ExportMap);
    QCOMPARE(QDir(app.Path(".")).entryList({"*.png", "*.pdf"}).size(), 1);
}

void MapOverlayTest::exportAnimationWritesEverySeason()
{
    CAppFixture app;
    CKestraneDoc* doc = GameWithAMove(app);
    QVERIFY(doc);
    const auto onShow = doc->m_posCurrent;
    app.Prompts().dialogHook = [](QDialog& dialog) {
        dialog.findChild<QDoubleSpinBox*>("Delay")->setValue(0.5);
        dialog.findChild<QCheckBox*>("Orders")->setChecked(true);
        return true;
    };
    const QString path = app.Path("game.gif");
    app.Prompts().saveAnswers = {path};
    app.Run(Cmd::ExportAnimation);
    QVERIFY(app.Prompts().messages.empty());
    QVERIFY(doc->m_posCurrent == onShow);
    const gifreading::Animation gif = gifreading::Read(path.toStdString());
    QVERIFY(gif.ok);
    QCOMPARE(int(gif.frames.size()), 3);
    QCOMPARE(gif.width, 64);
    for (int delay : gif.delays)
        QCOMPARE(delay, 50);

    // A folder that does not exist: a message, and no file.
    app.Prompts().saveAnswers = {app.Path("none/game.gif")};
    app.Run(Cmd::ExportAnimation);
    QCOMPARE(int(app.Prompts().messages.size()), 1);
    QVERIFY(app.Prompts().messages[0].text.startsWith("Could not export the animation"));
    QVERIFY(!std::filesystem::exists(app.Path("none/game.gif").toStdString()));
}

QTEST_MAIN(MapOverlayTest)
#include "MapOverlayTest.moc"
