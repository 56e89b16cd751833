#include "model/KestraneDoc.h"
#include "qtdraw/MapDrawing.h"
#include "support/KestrelGameTest.h"
#include "views/MapRenderer.h"
#include "views/OrderOverlay.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

// The map as the window, the export and the command line draw it: without
// the overlay exactly the picture the plain copy makes, with it the orders
// stroked where their provinces are.

namespace {

class DrawnRealGame : public CKestrelGameTest {
protected:
    void Show(const std::string& season)
    {
        for (auto it = doc.m_seasons.begin(); it != doc.m_seasons.end(); ++it)
            if ((*it)->m_strSeason == season)
                doc.m_posCurrent = it;
        ASSERT_EQ(doc.GetCurrentSeason()->m_strSeason, season);
    }

    // Today's picture: the season composed and copied by nearest pixel.
    QImage PlainCopy(const CDisplaySettings& settings, QSize size)
    {
        const CRgbImage picture = ComposeSeason(doc, settings, 96);
        CRgbImage placed(size.width(), size.height());
        ApplyBlit(placed, picture, {{0, 0, picture.Width(), picture.Height()}, {0, 0, size.width(), size.height()}, true});
        return WrapPicture(placed).copy();
    }

    // As the view paints: the composed picture through the painter.
    QImage ThroughPainter(const CDisplaySettings& settings, QSize size, const CMapDrawOptions& options)
    {
        const CRgbImage picture = ComposeSeason(doc, settings, 96);
        QImage target(size, QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter painter(&target);
        DrawComposedMap(painter, QRect(QPoint(0, 0), size), picture, QRect(0, 0, picture.Width(), picture.Height()),
                        doc, options);
        painter.end();
        return target;
    }
};

struct PictureRow {
    const char* name;
    const char* season;
    CDisplaySettings settings;
    QSize size; // empty: actual size
};

const PictureRow kPictures[] = {
    {"StartActual", "S1900M", {0, 0, 0}, {}},
    {"MovementActual", "F1901M", {0, 1, 1}, {}},
    {"RetreatsZoomed", "F1901R", {1, 1, 0}, {1700, 1300}},
    {"AdjustmentsShrunk", "F1901B", {1, 0, 1}, {600, 590}},
};

TEST_F(DrawnRealGame, WithTheOverlayOffThePictureIsTodaysByteForByte)
{
    for (const PictureRow& row : kPictures) {
        SCOPED_TRACE(row.name);
        Show(row.season);
        const QSize board(doc.m_dib.Width(), doc.m_dib.Height());
        const QSize size = row.size.isEmpty() ? board : row.size;
        const QImage today = PlainCopy(row.settings, size);
        const QImage rendered = RenderMapPicture(doc, row.settings, row.size, {false, false});
        ASSERT_EQ(rendered.size(), size);
        EXPECT_TRUE(rendered.convertToFormat(QImage::Format_RGB32) == today);
        // The window's painter path at actual size is the same plain copy.
        if (row.size.isEmpty()) {
            EXPECT_TRUE(ThroughPainter(row.settings, size, {false, false}) == today);
        }
    }
}

// The pixel of image near p (within a pixel) closest to colour, as the
// largest channel difference.
int NearestColourDistance(const QImage& image, QPointF p, QRgb colour)
{
    int best = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q(int(std::floor(p.x())) + dx, int(std::floor(p.y())) + dy);
            if (!image.rect().contains(q))
                continue;
            const QRgb c = image.pixel(q);
            const int d = std::max({std::abs(qRed(c) - qRed(colour)), std::abs(qGreen(c) - qGreen(colour)),
                                    std::abs(qBlue(c) - qBlue(colour))});
            best = std::min(best, d);
        }
    return best;
}

TEST_F(DrawnRealGame, WithTheOverlayOnMovesAreStrokedAlongTheirSegments)
{
    struct Row {
        const char* name;
        const char* season;
        QSize size;
        bool smooth;
    };
    const Row rows[] = {
        {"ActualSize", "F1901M", {}, false},
        {"Zoomed", "F1901M", {2400, 2338}, false},
        {"ZoomedSmoothly", "S1901M", {2000, 1500}, true},
        {"Shrunk", "F1902M", {700, 680}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Show(row.season);
        const QSize board(doc.m_dib.Width(), doc.m_dib.Height());
        const QSize size = row.size.isEmpty() ? board : row.size;
        const double sx = double(size.width()) / board.width();
        const double sy = double(size.height()) / board.height();
        const QImage off = RenderMapPicture(doc, {}, size, {row.smooth, false});
        const QImage on = RenderMapPicture(doc, {}, size, {row.smooth, true});
        ASSERT_EQ(on.size(), size);
        EXPECT_FALSE(on == off);

        const COrderOverlay overlay = BuildOrderOverlay(doc, *doc.GetCurrentSeason());
        size_t moves = 0;
        for (const COverlayMark& mark : overlay.marks) {
            if (mark.kind != OverlayMarkKind::Move || mark.points.size() != 2 || mark.failed)
                continue;
            ++moves;
            SCOPED_TRACE(mark.provinces[0] + " -> " + mark.provinces[1]);
            const QRgb colour = qRgb(doc.m_countries[size_t(mark.country)].Red(),
                                     doc.m_countries[size_t(mark.country)].Green(),
                                     doc.m_countries[size_t(mark.country)].Blue());
            const QPointF from((mark.points[0].x + 2) * sx, (mark.points[0].y + 2) * sy);
            const QPointF to((mark.points[1].x + 2) * sx, (mark.points[1].y + 2) * sy);
            // Along the shaft, clear of the units at both ends and of the
            // supports that end at the middle.
            for (double t : {0.3, 0.4, 0.62}) {
                const QPointF p = from + (to - from) * t;
                EXPECT_LE(NearestColourDistance(on, p, colour), 24) << "at t = " << t;
            }
        }
        EXPECT_GE(moves, 3u);
        // Far from every province the board is untouched: the top-left corner.
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(on.pixel(x, y), off.pixel(x, y));
    }
}

TEST_F(DrawnRealGame, TheWindowDrawsTheOverlayAfterScalingAtItsOwnResolution)
{
    Show("F1901M");
    const QSize size(1800, 1750);
    const QImage painted = ThroughPainter({1, 0, 0}, size, {true, true});
    const QImage rendered = RenderMapPicture(doc, {1, 0, 0}, size, {true, true});
    // The same strokes at the same place, whether painted into the window or rendered for export.
    int differing = 0;
    for (int y = 0; y < size.height(); y += 3)
        for (int x = 0; x < size.width(); x += 3)
            differing += painted.pixel(x, y) != rendered.pixel(x, y);
    EXPECT_LT(differing, size.width() * size.height() / 9 / 200);
}

// The board writes each province's name just above its unit's place (small
// names within x - 6 .. x + 10, y - 14 .. y - 8): the rings and crosses of
// builds and removals leave those pixels as the board has them.
TEST_F(DrawnRealGame, MarksLeaveTheProvinceNamesReadable)
{
    size_t marks = 0;
    for (const char* season : {"F1901B", "F1902B", "F1903B"}) {
        SCOPED_TRACE(season);
        Show(season);
        const QImage off = RenderMapPicture(doc, {}, {}, {false, false});
        const QImage on = RenderMapPicture(doc, {}, {}, {false, true});
        for (const COverlayMark& mark : BuildOrderOverlay(doc, *doc.GetCurrentSeason()).marks) {
            if (mark.kind != OverlayMarkKind::Build && mark.kind != OverlayMarkKind::Remove)
                continue;
            ++marks;
            const MapPos p = mark.points[0];
            int changed = 0;
            for (int y = p.y - 14; y <= p.y - 8; ++y)
                for (int x = p.x - 6; x <= p.x + 10; ++x)
                    changed += on.pixel(x, y) != off.pixel(x, y);
            EXPECT_EQ(changed, 0) << mark.provinces[0];
        }
    }
    EXPECT_GE(marks, 10u);
}

} // namespace
