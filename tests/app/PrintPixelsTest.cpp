#include "AppFixture.h"
#include "SampleGame.h"

#include "app/ChildFrame.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"
#include "model/Settings.h"
#include "support/RecordingServices.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

namespace {

// The part region (paper pixels) of the first page that Print Preview shows,
// drawn by the preview's own page item at the printer's resolution. The page
// is played back from what the preview recorded when the dialog asked for
// it, after the print code has returned.
QImage PreviewRegion(CAppFixture& app, const QRect& region)
{
    QImage image;
    app.Prompts().dialogHook = [&image, region](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        if (!preview)
            return false;
        preview->updatePreview();
        auto* view = preview->findChild<QGraphicsView*>();
        if (!view || !view->scene())
            return false;
        QGraphicsItem* first = nullptr;
        for (QGraphicsItem* item : view->scene()->items())
            if (!first || item->pos().y() < first->pos().y())
                first = item;
        if (!first)
            return false;
        image = QImage(region.size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        painter.translate(-region.topLeft());
        QStyleOptionGraphicsItem option;
        option.exposedRect = QRectF(region);
        first->paint(&painter, &option, nullptr);
        return false;
    };
    app.Run(Cmd::PrintPreview);
    app.Prompts().dialogHook = nullptr;
    return image;
}

// The map as the preview window shows it, fitted into a window of the given
// width: the preview's own view, grabbed from the screen, and the map's
// place in that picture. paperMap is the map's rectangle on the paper.
struct ShownMap {
    QImage shot;
    QRect map;
};
ShownMap PreviewShown(CAppFixture& app, int width, const QRect& paperMap)
{
    ShownMap shown;
    app.Prompts().dialogHook = [&shown, width, paperMap](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        if (!preview)
            return false;
        dialog.resize(width, width * 3 / 4);
        dialog.show();
        preview->updatePreview();
        preview->fitInView();
        QCoreApplication::processEvents();
        auto* view = preview->findChild<QGraphicsView*>();
        if (!view || !view->scene() || view->scene()->items().isEmpty())
            return false;
        QGraphicsItem* page = view->scene()->items().front();
        shown.shot = view->viewport()->grab().toImage();
        shown.map = view->mapFromScene(page->mapToScene(QRectF(paperMap))).boundingRect();
        dialog.hide();
        return false;
    };
    app.Run(Cmd::PrintPreview);
    app.Prompts().dialogHook = nullptr;
    return shown;
}

// The mean colour of a part of an image.
QColor MeanColour(const QImage& image, const QRect& part)
{
    qint64 red = 0, green = 0, blue = 0, count = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    count = std::max<qint64>(1, count);
    return QColor(int(red / count), int(green / count), int(blue / count));
}

QPoint PageOrigin(QPrinter& printer)
{
    return printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
}

// Whether colour is the picture's pixel at (x, y) or at a neighbour: a
// stretch may round a pixel's edge either way.
bool NearPixel(const QImage& picture, int x, int y, QRgb colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = std::clamp(x + dx, 0, picture.width() - 1);
            const int py = std::clamp(y + dy, 0, picture.height() - 1);
            if ((picture.pixel(px, py) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
        }
    return false;
}

// The tallest run of rows, in any one column, where a and b differ: the
// height of a letter drawn into one of them and not the other.
int TallestDifference(const QImage& a, const QImage& b)
{
    int tallest = 0;
    for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
        int run = 0;
        for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
            run = a.pixel(x, y) != b.pixel(x, y) ? run + 1 : 0;
            tallest = std::max(tallest, run);
        }
    }
    return tallest;
}

// An army of the season on show whose letter lies clear of other units: the
// first army of the first country that has one.
std::optional<MapPos> SomeArmy(const CKestraneDoc& doc)
{
    for (int c = 0; c < doc.m_nCountries; ++c)
        if (const CUnitList* units = doc.GetUnitList(c))
            for (const CSeasonData& unit : *units)
                if (unit.m_nType != CSeasonData::kFleet)
                    return unit.m_pos;
    return std::nullopt;
}

constexpr int kUnitHeight = 16; // the unit pictures are 24 x 16

// The share of blocks (about 6 x 6 picture pixels) whose mean colour on the
// page is more than 24 away from the same part of the composed picture.
double ShareOfBlocksOff(const QImage& page, const QImage& picture, const QRect& from)
{
    const int blocks = 40;
    int off = 0;
    for (int by = 0; by < blocks; ++by)
        for (int bx = 0; bx < blocks; ++bx) {
            const QRect onPage(bx * page.width() / blocks, by * page.height() / blocks, page.width() / blocks,
                               page.height() / blocks);
            const QRect inPicture(from.x() + bx * from.width() / blocks, from.y() + by * from.height() / blocks,
                                  from.width() / blocks, from.height() / blocks);
            const QColor a = MeanColour(page, onPage);
            const QColor b = MeanColour(picture, inPicture);
            off += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                             std::abs(a.blue() - b.blue())}) > 24;
        }
    return double(off) / (blocks * blocks);
}

} // namespace

// What Print and Print Preview put on paper for the map: the season as the
// screen composes it, scaled as a whole, owned by the preview.
class PrintPixelsTest : public QObject {
    Q_OBJECT
private slots:
    void previewPageIsTheSeasonScaled_data();
    void previewPageIsTheSeasonScaled();
    void printedPictureIsTheScreenPicture_data();
    void printedPictureIsTheScreenPicture();
    void initialsOnA600DpiPageKeepTheirScreenSize();
    void zoomedOutPreviewShowsTheMap_data();
    void zoomedOutPreviewShowsTheMap();
    void previewShowsTheSeasonWithEveryToggle_data();
    void previewShowsTheSeasonWithEveryToggle();
    void cleanupTestCase() { m_kestrel.reset(); }

private:
    // The real game kestrel in one program for every row.
    std::unique_ptr<CKestrelSession> m_kestrel;
};

void PrintPixelsTest::previewPageIsTheSeasonScaled_data()
{
    QTest::addColumn<int>("initials");
    QTest::addColumn<int>("centres");
    QTest::addColumn<int>("season"); // Cmd run before printing; 0 for the latest
    QTest::newRow("LatestInitialsAndCentres") << 1 << 1 << 0;
    QTest::newRow("FirstBareUnits") << 0 << 0 << int(Cmd::FirstSeason);
    QTest::newRow("RetreatsWithInitials") << 1 << 0 << int(Cmd::PreviousSeason);
}

void PrintPixelsTest::previewPageIsTheSeasonScaled()
{
    QFETCH(int, initials);
    QFETCH(int, centres);
    QFETCH(int, season);
    CAppFixture app(SampleSettings(initials, centres));
    QVERIFY2(OpenSampleGame(app), qPrintable(SampleGamePath()));
    if (season)
        app.Run(Cmd(season));
    QPrinter& printer = app.App().Printer();
    printer.setResolution(150);
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    CRecordingServices messages;
    const CKestraneView::CPrintedMap printed = view->LayOutPrintedMap(printer, messages);
    QVERIFY(!printed.picture.isNull());
    QVERIFY(printed.to.width() > 400);

    const QRect region = printed.to.translated(PageOrigin(printer));
    const QImage page = PreviewRegion(app, region);
    QCOMPARE(page.size(), region.size());

    // Every page pixel is the picture's pixel it scales from.
    qint64 wrong = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const int sx = printed.from.x() + int((x + 0.5) * printed.from.width() / printed.to.width());
            const int sy = printed.from.y() + int((y + 0.5) * printed.from.height() / printed.to.height());
            if (!NearPixel(printed.picture, sx, sy, page.pixel(x, y)))
                ++wrong;
        }
    const qint64 all = qint64(page.width()) * page.height();
    QVERIFY2(wrong * 1000 < all, qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(wrong).arg(all)));
    QVERIFY(app.Prompts().messages.empty());
}

void PrintPixelsTest::printedPictureIsTheScreenPicture_data()
{
    QTest::addColumn<int>("dpi");
    QTest::newRow("300dpi") << 300;
    QTest::newRow("600dpi") << 600;
    QTest::newRow("1200dpi") << 1200;
}

void PrintPixelsTest::printedPictureIsTheScreenPicture()
{
    QFETCH(int, dpi);
    CAppFixture app(SampleSettings(1, 1));
    QVERIFY(OpenSampleGame(app));
    QPrinter& printer = app.App().Printer();
    printer.setResolution(dpi);
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    CRecordingServices messages;
    const CKestraneView::CPrintedMap printed = view->LayOutPrintedMap(printer, messages);
    QCOMPARE(printed.picture.convertToFormat(QImage::Format_RGB32), view->RenderedPicture().convertToFormat(QImage::Format_RGB32));
    // Scaled as a whole: the same factor across and down.
    const double across = double(printed.to.width()) / printed.from.width();
    const double down = double(printed.to.height()) / printed.from.height();
    QVERIFY2(std::abs(across - down) < 0.01 * across, qPrintable(QStringLiteral("%1 %2").arg(across).arg(down)));
    QVERIFY(messages.messages.empty());
}

void PrintPixelsTest::initialsOnA600DpiPageKeepTheirScreenSize()
{
    CAppFixture app(SampleSettings(1, 0));
    CKestraneDoc* doc = OpenSampleGame(app);
    QVERIFY(doc);
    const std::optional<MapPos> army = SomeArmy(*doc);
    QVERIFY(army);
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();

    // On screen: the letter's height in picture pixels, a unit being 16.
    const QImage screenWith = view->RenderedPicture();
    app.App().Settings().m_bInitials = 0;
    const QImage screenWithout = view->RenderedPicture();
    const int screenLetter = TallestDifference(screenWith, screenWithout);
    QVERIFY(screenLetter > 3 && screenLetter < kUnitHeight);

    // On a 600 dpi page: the same letter around the same army, measured in
    // page pixels against the unit's height on the page.
    QPrinter& printer = app.App().Printer();
    printer.setResolution(600);
    CRecordingServices messages;
    const CKestraneView::CPrintedMap printed = view->LayOutPrintedMap(printer, messages);
    const double scale = double(printed.to.height()) / printed.from.height();
    const QRect around(int((army->x - 12) * scale), int((army->y - 10) * scale), int(36 * scale), int(30 * scale));
    const QRect region = around.translated(printed.to.topLeft() + PageOrigin(printer));
    const QImage pageWithout = PreviewRegion(app, region);
    app.App().Settings().m_bInitials = 1;
    const QImage pageWith = PreviewRegion(app, region);
    QVERIFY(!pageWith.isNull() && !pageWithout.isNull());
    const int pageLetter = TallestDifference(pageWith, pageWithout);
    QVERIFY(pageLetter > 0);

    const double onScreen = double(screenLetter) / kUnitHeight;
    const double onPaper = pageLetter / (kUnitHeight * scale);
    QVERIFY2(onPaper <= onScreen + 1.5 / kUnitHeight,
             qPrintable(QStringLiteral("letter %1 of a unit on paper, %2 on screen").arg(onPaper).arg(onScreen)));
}

void PrintPixelsTest::zoomedOutPreviewShowsTheMap_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("width"); // the preview window's width
    QTest::newRow("1200dpiFitted") << 1200 << 1100;
    QTest::newRow("600dpiSmall") << 600 << 500;
    QTest::newRow("300dpiLarge") << 300 << 1500;
}

void PrintPixelsTest::zoomedOutPreviewShowsTheMap()
{
    QFETCH(int, dpi);
    QFETCH(int, width);
    CAppFixture app(SampleSettings(1, 1));
    QVERIFY(OpenSampleGame(app));
    QPrinter& printer = app.App().Printer();
    printer.setResolution(dpi);
    CRecordingServices messages;
    const CKestraneView::CPrintedMap printed = app.Frame().ActiveFrame()->MapView()->LayOutPrintedMap(printer, messages);
    // Opaque, as every scaling path takes an RGB32 picture to be: the byte
    // Qt's pixel() would hide is read straight from the pixels.
    for (int y = 0; y < printed.picture.height(); y += 7) {
        const auto* row = reinterpret_cast<const uint32_t*>(printed.picture.constScanLine(y));
        for (int x = 0; x < printed.picture.width(); x += 7)
            QCOMPARE(row[x] >> 24, 0xFFu);
    }

    const ShownMap shown = PreviewShown(app, width, printed.to.translated(PageOrigin(printer)));
    QVERIFY(!shown.shot.isNull());
    QVERIFY(shown.map.width() > 50);
    // Inside the map's border, well clear of its edges.
    const QRect inner = shown.map.adjusted(3, 3, -3, -3) & shown.shot.rect();
    const QColor expected = MeanColour(printed.picture, printed.from);
    const QColor seen = MeanColour(shown.shot, inner);
    const int off = std::max({std::abs(seen.red() - expected.red()), std::abs(seen.green() - expected.green()),
                              std::abs(seen.blue() - expected.blue())});
    QVERIFY2(off <= 12, qPrintable(QStringLiteral("map shows %1, the picture is %2").arg(seen.name(), expected.name())));
}

void PrintPixelsTest::previewShowsTheSeasonWithEveryToggle_data()
{
    QTest::addColumn<int>("toggles"); // a bit for each of the five, in the order of names
    const char* const names[] = {"Fit", "Smooth", "Orders", "Initials", "Centres"};
    for (int toggles = 0; toggles < 32; ++toggles) {
        QByteArray name;
        for (int i = 0; i < 5; ++i)
            if (toggles & (1 << i))
                name += names[i];
        QTest::newRow(name.isEmpty() ? "None" : name.constData()) << toggles;
    }
}

// Print Preview shows the composed season, whatever the View toggles say:
// the shown page's colours block by block are the picture's; the orders' strokes
// may change a few blocks, a grey or empty page changes them all.
void PrintPixelsTest::previewShowsTheSeasonWithEveryToggle()
{
    QFETCH(int, toggles);
    SKIP_WITHOUT_KESTREL();
    if (!m_kestrel) {
        m_kestrel = std::make_unique<CKestrelSession>(SampleSettings(0, 0));
        QVERIFY(m_kestrel->doc);
        for (Cmd step : {Cmd::FirstSeason, Cmd::NextSeason, Cmd::NextSeason}) // F1901M: moves, supports, a dislodgement
            m_kestrel->app.Run(step);
        m_kestrel->app.App().Printer().setResolution(100);
    }
    CAppFixture& app = m_kestrel->app;
    CAppSettings& settings = app.App().Settings();
    settings.m_bZoomToFit = toggles & 1 ? 1 : 0;
    settings.m_bSmoothZoom = toggles & 2 ? 1 : 0;
    settings.m_bOrdersOnMap = toggles & 4 ? 1 : 0;
    settings.m_bInitials = toggles & 8 ? 1 : 0;
    settings.m_bSCDisplay = toggles & 16 ? 1 : 0;

    QPrinter& printer = app.App().Printer();
    CKestraneView* view = app.Frame().ActiveFrame()->MapView();
    CRecordingServices messages;
    const CKestraneView::CPrintedMap printed = view->LayOutPrintedMap(printer, messages);
    QVERIFY(!printed.picture.isNull());
    // Through the preview's scaled view: at 1:1 Qt would take the picture as
    // opaque whatever its alpha byte says.
    const ShownMap shown = PreviewShown(app, 1100, printed.to.translated(PageOrigin(printer)));
    QVERIFY(shown.map.width() > 200);
    const QImage page = shown.shot.copy(shown.map.adjusted(2, 2, -2, -2));
    const double off = ShareOfBlocksOff(page, view->RenderedPicture(), printed.from.adjusted(2, 2, -2, -2));
    QVERIFY2(off < (settings.m_bOrdersOnMap ? 0.12 : 0.02), qPrintable(QString::number(off)));
}

QTEST_MAIN(PrintPixelsTest)
#include "PrintPixelsTest.moc"
