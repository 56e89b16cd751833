#include "gif/GifAnimation.h"
#include "gif/GifPalette.h"
#include "support/GifReading.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <random>
#include <set>

// Colour reduction and the animated GIF writer, read back with giflib.

namespace {

namespace fs = std::filesystem;

// A picture of colours distinct colours in bands.
CRgbImage Bands(int width, int height, int colours, uint32_t salt = 0)
{
    CRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t band = uint32_t((x + y * width) % colours);
            image.SetPixel(x, y, ((band * 2654435761u) ^ salt) & 0xFFFFFF);
        }
    return image;
}

CRgbImage Expand(const CIndexedFrame& frame)
{
    CRgbImage out(frame.width, frame.height);
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x)
            out.SetPixel(x, y, frame.palette[frame.pixels[size_t(y * frame.width + x)]]);
    return out;
}

struct PaletteRow {
    const char* name;
    int colours;
    bool exact;
};

TEST(GifPalette, FewColoursStayExactManyBecomeTheNearestKeptOne)
{
    const PaletteRow rows[] = {{"Two", 2, true}, {"Board", 200, true}, {"Full", 256, true}, {"TooMany", 700, false}};
    for (const PaletteRow& row : rows) {
        SCOPED_TRACE(row.name);
        const CRgbImage picture = Bands(64, 48, row.colours);
        const CIndexedFrame frame = IndexFrame(picture, nullptr);
        EXPECT_EQ(frame.transparent, -1);
        EXPECT_EQ(frame.width, 64);
        EXPECT_EQ(frame.height, 48);
        EXPECT_LE(frame.colours, 256);
        const CRgbImage back = Expand(frame);
        if (row.exact) {
            EXPECT_EQ(back, picture);
            continue;
        }
        // Every pixel maps to a kept colour no farther than any other kept colour.
        std::set<uint32_t> kept(frame.palette.begin(), frame.palette.begin() + frame.colours);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x) {
                ASSERT_TRUE(kept.count(back.Pixel(x, y)));
                if (kept.count(picture.Pixel(x, y))) {
                    EXPECT_EQ(back.Pixel(x, y), picture.Pixel(x, y));
                }
            }
    }
}

TEST(GifPalette, LaterFramesHoldOnlyTheChangedRectangle)
{
    const CRgbImage first = Bands(40, 30, 50);
    struct Row {
        const char* name;
        std::vector<std::pair<int, int>> changed;
        int left, top, width, height;
    };
    const Row rows[] = {
        {"OnePixel", {{7, 9}}, 7, 9, 1, 1},
        {"TwoCorners", {{2, 3}, {30, 20}}, 2, 3, 29, 18},
        {"Nothing", {}, 0, 0, 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CRgbImage next = first;
        for (const auto& [x, y] : row.changed)
            next.SetPixel(x, y, 0xABCDEF);
        const CIndexedFrame frame = IndexFrame(next, &first);
        EXPECT_EQ(frame.left, row.left);
        EXPECT_EQ(frame.top, row.top);
        EXPECT_EQ(frame.width, row.width);
        EXPECT_EQ(frame.height, row.height);
        ASSERT_GE(frame.transparent, 0);
        size_t opaque = 0;
        for (int y = 0; y < frame.height; ++y)
            for (int x = 0; x < frame.width; ++x) {
                const uint8_t index = frame.pixels[size_t(y * frame.width + x)];
                const bool changed = next.Pixel(frame.left + x, frame.top + y) != first.Pixel(frame.left + x, frame.top + y);
                EXPECT_EQ(index == frame.transparent, !changed);
                if (changed) {
                    ++opaque;
                    EXPECT_EQ(frame.palette[index], 0xABCDEFu);
                }
            }
        EXPECT_EQ(opaque, row.changed.size());
    }
}

class GifWriter : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (temp.Path() / name).string(); }
    CTempDir temp;
};

TEST_F(GifWriter, FramesReadBackAsWrittenWithTheirDelays)
{
    std::vector<CRgbImage> frames{Bands(80, 60, 120), Bands(80, 60, 120), Bands(80, 60, 90, 0x3300)};
    for (int x = 10; x < 30; ++x)
        frames[1].SetPixel(x, 15, 0xFF0000);
    const int delays[] = {150, 20, 1000};
    const std::string path = Path("game.gif");
    CGifAnimationWriter writer;
    std::string error;
    ASSERT_TRUE(writer.Open(path, 80, 60, error)) << error;
    for (size_t i = 0; i < frames.size(); ++i)
        ASSERT_TRUE(writer.AddFrame(frames[i], delays[i], error)) << error;
    EXPECT_FALSE(fs::exists(path)) << "the name is taken only when complete";
    ASSERT_TRUE(writer.Finish(error)) << error;

    const gifreading::Animation read = gifreading::Read(path);
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.loops);
    EXPECT_EQ(read.width, 80);
    EXPECT_EQ(read.height, 60);
    ASSERT_EQ(read.frames.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(read.frames[i] == frames[i]);
        EXPECT_EQ(read.delays[i], delays[i]);
    }
    for (const auto& entry : fs::directory_iterator(temp.Path()))
        EXPECT_EQ(entry.path().filename(), "game.gif");
}

TEST_F(GifWriter, NothingIsLeftBehindWhenWritingStopsOrFails)
{
    struct Row {
        const char* name;
        std::function<bool(CGifAnimationWriter&, const std::string&, std::string&)> steps;
    };
    const CRgbImage frame = Bands(20, 10, 5);
    const Row rows[] = {
        {"NoFrame", [](CGifAnimationWriter& w, const std::string& p, std::string& e) {
             return w.Open(p, 20, 10, e) && w.Finish(e);
         }},
        {"WrongFrameSize", [&](CGifAnimationWriter& w, const std::string& p, std::string& e) {
             return w.Open(p, 21, 10, e) && w.AddFrame(frame, 10, e) && w.Finish(e);
         }},
        {"ZeroWidth", [&](CGifAnimationWriter& w, const std::string& p, std::string& e) {
             return w.Open(p, 0, 10, e) && w.AddFrame(frame, 10, e) && w.Finish(e);
         }},
        {"TooLarge", [&](CGifAnimationWriter& w, const std::string& p, std::string& e) {
             return w.Open(p, 70000, 10, e) && w.Finish(e);
         }},
        {"NoFolder", [&](CGifAnimationWriter& w, const std::string& p, std::string& e) {
             return w.Open(p + ".d/none/x.gif", 20, 10, e) && w.AddFrame(frame, 10, e) && w.Finish(e);
         }},
        {"Aborted", [&](CGifAnimationWriter& w, const std::string& p, std::string& e) {
             if (!w.Open(p, 20, 10, e) || !w.AddFrame(frame, 10, e))
                 return true;
             w.Abort();
             e = "aborted";
             return false;
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = Path(std::string(row.name) + ".gif");
        std::string error;
        {
            CGifAnimationWriter writer;
            EXPECT_FALSE(row.steps(writer, path, error));
            EXPECT_FALSE(error.empty());
        }
        EXPECT_FALSE(fs::exists(path));
        EXPECT_FALSE(fs::exists(path + ".part~"));
    }
    // A writer dropped half way removes its file too.
    {
        CGifAnimationWriter writer;
        std::string error;
        ASSERT_TRUE(writer.Open(Path("dropped.gif"), 20, 10, error));
        ASSERT_TRUE(writer.AddFrame(frame, 10, error));
    }
    EXPECT_TRUE(fs::is_empty(temp.Path()));
}

// The animation is readable by whom the user's umask lets read it, as the
// pictures written through Qt are.
TEST_F(GifWriter, FileModeFollowsTheUmask)
{
    const CRgbImage frame = Bands(20, 10, 5);
    for (const mode_t mask : {mode_t(022), mode_t(027), mode_t(002)}) {
        SCOPED_TRACE(mask);
        const std::string path = Path("mode" + std::to_string(mask) + ".gif");
        const mode_t before = ::umask(mask);
        CGifAnimationWriter writer;
        std::string error;
        const bool written = writer.Open(path, 20, 10, error) && writer.AddFrame(frame, 10, error) && writer.Finish(error);
        ::umask(before);
        ASSERT_TRUE(written) << error;
        const auto shown = fs::status(path).permissions() & fs::perms::all;
        EXPECT_EQ(shown, fs::perms(0666 & ~mask));
    }
}

} // namespace
