#include "model/KestraneDoc.h"
#include "qtdraw/GameAnimation.h"
#include "qtdraw/MapExport.h"
#include "support/GifReading.h"
#include "support/KestrelGameTest.h"

#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

#include <filesystem>

// The whole game as an animated GIF, and the map exported as PNG or PDF.

namespace {

namespace fs = std::filesystem;

class AnimatedRealGame : public CKestrelGameTest {
protected:
    std::string Path(const std::string& name) const { return (temp.Path() / name).string(); }

    CTempDir temp;
};

TEST_F(AnimatedRealGame, CaptionsNameEverySeasonInWordsWithItsDeadline)
{
    struct Row {
        size_t index;
        const char* words;
    };
    const Row rows[] = {
        {0, "Starting position 1901"}, {1, "Spring 1901 Movement"},   {3, "Fall 1901 Retreats"},
        {4, "Winter 1901 Adjustments"}, {6, "Spring 1902 Retreats"}, {14, "Winter 1903 Adjustments"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.words);
        const CSeasonHdr& season = **std::next(doc.m_seasons.begin(), std::ptrdiff_t(row.index));
        const QString caption = FrameCaption(doc, row.index);
        EXPECT_TRUE(caption.startsWith(QString::fromLatin1(row.words))) << caption.toStdString();
        ASSERT_FALSE(season.m_strDeadline.empty());
        EXPECT_TRUE(caption.contains(QString::fromLatin1(season.m_strDeadline.c_str()).trimmed()))
            << caption.toStdString();
    }
}

TEST_F(AnimatedRealGame, OneFramePerSeasonInGameOrderWithTheChosenDelay)
{
    const auto onShow = doc.m_posCurrent;
    struct Row {
        const char* name;
        CAnimationRequest request;
        QSize map;
    };
    const Row rows[] = {
        {"ActualSize", {{0, 1, 1}, {false, false}, {}, 150}, {1200, 1169}},
        {"SmallerWithOrders", {{1, 0, 0}, {true, true}, {600, 584}, 35}, {600, 584}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = Path(std::string(row.name) + ".gif");
        std::vector<int> progress;
        std::string error;
        const AnimationOutcome outcome = WriteGameAnimation(
            doc, row.request, path, [&](int done, int) { progress.push_back(done); return true; }, error);
        ASSERT_EQ(outcome, AnimationOutcome::Written) << error;
        EXPECT_EQ(doc.m_posCurrent, onShow) << "the season on show is put back";
        EXPECT_EQ(progress.size(), 16u);
        EXPECT_EQ(progress.back(), 15);

        const gifreading::Animation gif = gifreading::Read(path);
        ASSERT_TRUE(gif.ok);
        EXPECT_TRUE(gif.loops);
        ASSERT_EQ(gif.frames.size(), 15u);
        EXPECT_EQ(gif.width, row.map.width());
        EXPECT_EQ(gif.height, row.map.height() + CaptionHeight(row.map.width()));
        for (int delay : gif.delays)
            EXPECT_EQ(delay, row.request.delay);
        // Each frame shows its own season: compare with the frame drawn
        // directly, colour by colour within what 256 colours allow.
        for (size_t i : {size_t(0), size_t(2), size_t(4), size_t(14)}) {
            SCOPED_TRACE(i);
            const QImage expected = RenderAnimationFrame(doc, i, row.request);
            ASSERT_EQ(expected.width(), gif.width);
            long long total = 0;
            int far = 0;
            for (int y = 0; y < gif.height; ++y)
                for (int x = 0; x < gif.width; ++x) {
                    const QRgb e = expected.pixel(x, y);
                    const uint32_t g = gif.frames[i].Pixel(x, y);
                    const int d = std::abs(qRed(e) - int((g >> 16) & 0xFF)) + std::abs(qGreen(e) - int((g >> 8) & 0xFF)) +
                                  std::abs(qBlue(e) - int(g & 0xFF));
                    total += d;
                    far += d > 60;
                }
            EXPECT_LT(double(total) / (gif.width * gif.height), 1.0);
            EXPECT_LT(far, gif.width * gif.height / 500);
        }
        // Frames of different seasons differ.
        EXPECT_FALSE(gif.frames[1] == gif.frames[2]);
    }
}

TEST_F(AnimatedRealGame, ACancelledOrFailedAnimationLeavesNoFile)
{
    struct Row {
        const char* name;
        std::string path;
        int cancelAt; // -1: never
        AnimationOutcome outcome;
    };
    const Row rows[] = {
        {"CancelledAtOnce", Path("a.gif"), 0, AnimationOutcome::Cancelled},
        {"CancelledHalfWay", Path("b.gif"), 7, AnimationOutcome::Cancelled},
        {"CancelledAtTheEnd", Path("c.gif"), 15, AnimationOutcome::Cancelled},
        {"NoSuchFolder", Path("none/d.gif"), -1, AnimationOutcome::Failed},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CAnimationRequest request;
        request.mapSize = QSize(300, 292);
        std::string error;
        const AnimationOutcome outcome = WriteGameAnimation(
            doc, request, row.path, [&](int done, int) { return done != row.cancelAt; }, error);
        EXPECT_EQ(outcome, row.outcome);
        EXPECT_EQ(error.empty(), row.outcome != AnimationOutcome::Failed);
        EXPECT_FALSE(fs::exists(row.path));
        EXPECT_FALSE(fs::exists(row.path + ".part~"));
    }
}

TEST(MapExport, PngAndPdfAreWrittenWholeOrNotAtAll)
{
    CTempDir temp;
    QImage picture(320, 200, QImage::Format_RGB32);
    picture.fill(qRgb(30, 120, 200));
    for (int x = 0; x < 320; ++x)
        picture.setPixel(x, 100, qRgb(255, 0, 0));
    struct Row {
        const char* name;
        const char* file;
        MapFileKind kind;
        const char* magic;
    };
    const Row rows[] = {
        {"Png", "map.png", MapFileKind::Png, "\x89PNG"},
        {"PdfLowerCase", "map.pdf", MapFileKind::Pdf, "%PDF"},
        {"PdfUpperCase", "MAP.PDF", MapFileKind::Pdf, "%PDF"},
        {"OtherSuffixIsPng", "map.picture", MapFileKind::Png, "\x89PNG"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = QString::fromStdString((temp.Path() / row.file).string());
        EXPECT_EQ(MapFileKindOf(path), row.kind);
        QString error;
        ASSERT_TRUE(ExportMapPicture(picture, path, error)) << error.toStdString();
        const std::string bytes = CTempDir::Read(path.toStdString());
        EXPECT_EQ(bytes.substr(0, 4), row.magic);
        if (row.kind == MapFileKind::Png) {
            QImageReader reader(path, "png");
            EXPECT_TRUE(reader.read().convertToFormat(QImage::Format_RGB32) == picture);
        }
    }
    // A failed export keeps the file already there.
    const fs::path kept = temp.Write("kept.png", "old bytes");
    QString error;
    EXPECT_FALSE(ExportMapPicture(QImage(), QString::fromStdString(kept.string()), error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(CTempDir::Read(kept), "old bytes");
    EXPECT_FALSE(ExportMapPicture(picture, QString::fromStdString((temp.Path() / "no/such/dir/x.pdf").string()), error));
}

} // namespace
