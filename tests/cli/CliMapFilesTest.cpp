#include "CliFixture.h"
#include "support/GifReading.h"
#include "support/RealGames.h"

#include <QImage>

#include <filesystem>

// render with the orders, smooth scaling and PDF pages, and animate, on the
// real kestrel game; then on damaged copies of it.

namespace {

namespace fs = std::filesystem;

class CliMapFiles : public CliBinary {
protected:
    void SetUp() override
    {
        const fs::path folder = realgames::Folder("kestrel");
        if (folder.empty())
            GTEST_SKIP() << "no judge-games folder beside the repository";
        const fs::path maps = fs::path(KESTRANE_SOURCE_DIR) / "data" / "Maps";
        fs::create_directories(m_install.Path() / "Maps");
        for (const char* file : {"Standard.map", "STANDARD.BMP"})
            fs::copy_file(maps / file, m_install.Path() / "Maps" / file);
        ASSERT_EQ(Cli({"new", "Standard", Game()}).status, 0);
        std::vector<std::string> args{"import", Game()};
        for (const fs::path& mail : realgames::Mails(folder))
            args.push_back(Report(mail.filename().string(), CTempDir::Read(mail)));
        const CCliRun run = Cli(args);
        ASSERT_EQ(run.status, 0) << run.err;
    }

    std::string Out(const std::string& name) const { return (m_work.Path() / name).string(); }
    std::string Bytes(const std::string& name) const { return CTempDir::Read(Out(name)); }
};

TEST_F(CliMapFiles, RenderDrawsOrdersSmoothlyAndAsPdf)
{
    ASSERT_EQ(Cli({"render", Game(), "F1901M", "-o", Out("plain.png")}).status, 0);
    const QImage plain(QString::fromStdString(Out("plain.png")));
    ASSERT_EQ(plain.size(), QSize(1200, 1169));
    struct Row {
        const char* name;
        std::vector<std::string> options;
        const char* file;
        QSize size; // empty: a PDF
        bool samePixelsAsPlain;
    };
    const Row rows[] = {
        {"Orders", {"--orders"}, "orders.png", {1200, 1169}, false},
        {"SmoothAtActualSizeChangesNothing", {"--smooth"}, "smooth.png", {1200, 1169}, true},
        {"SmoothAndLarger", {"--smooth", "--size", "1800x1754"}, "large.png", {1800, 1754}, false},
        {"OrdersSmaller", {"--orders", "--size", "600x584", "--centres"}, "small.png", {600, 584}, false},
        {"Pdf", {}, "map.pdf", {}, false},
        {"PdfWithOrders", {"--orders", "--initials"}, "orders.pdf", {}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args{"render", Game(), "F1901M", "-o", Out(row.file)};
        args.insert(args.end(), row.options.begin(), row.options.end());
        const CCliRun run = Cli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        if (row.size.isEmpty()) {
            EXPECT_EQ(Bytes(row.file).substr(0, 5), "%PDF-");
            continue;
        }
        const QImage image(QString::fromStdString(Out(row.file)));
        EXPECT_EQ(image.size(), row.size);
        if (image.size() == plain.size()) {
            EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32) == plain.convertToFormat(QImage::Format_RGB32),
                      row.samePixelsAsPlain);
        }
    }
}

TEST_F(CliMapFiles, AnimateWritesEverySeasonWithTheDelayAndSizeAsked)
{
    const CCliRun run = Cli({"animate", Game(), "-o", Out("game.gif"), "--delay", "0.5", "--size", "600x584", "--orders"});
    ASSERT_EQ(run.status, 0) << run.err;
    const gifreading::Animation gif = gifreading::Read(Out("game.gif"));
    ASSERT_TRUE(gif.ok);
    EXPECT_EQ(gif.frames.size(), 15u);
    EXPECT_EQ(gif.width, 600);
    EXPECT_GT(gif.height, 584);
    for (int delay : gif.delays)
        EXPECT_EQ(delay, 50);

    struct Bad {
        const char* name;
        std::vector<std::string> args;
        int status;
    };
    const Bad bad[] = {
        {"NoOutput", {"animate", Game()}, 2},
        {"BadDelay", {"animate", Game(), "-o", Out("x.gif"), "--delay", "soon"}, 2},
        {"NegativeDelay", {"animate", Game(), "-o", Out("x.gif"), "--delay", "-1"}, 2},
        {"BadSize", {"animate", Game(), "-o", Out("x.gif"), "--size", "big"}, 2},
        {"NoFolder", {"animate", Game(), "-o", Out("none/x.gif")}, 1},
        {"NoGame", {"animate", Out("none.kes"), "-o", Out("x.gif")}, 1},
    };
    for (const Bad& row : bad) {
        SCOPED_TRACE(row.name);
        const CCliRun failed = Cli(row.args);
        EXPECT_EQ(failed.status, row.status);
        EXPECT_NE(failed.err, "");
        EXPECT_FALSE(fs::exists(Out("x.gif")));
        EXPECT_FALSE(fs::exists(Out("none/x.gif")));
    }
}

// A damaged copy of the game: what a broken disk or a bad download leaves.
struct Damage {
    const char* name;
    std::function<std::string(std::string)> apply;
    bool refused; // must be refused; otherwise either outcome is fine
};

const Damage kDamages[] = {
    {"Empty", [](std::string) { return std::string(); }, true},
    {"FirstBytes", [](std::string b) { return b.substr(0, 16); }, true},
    {"Half", [](std::string b) { return b.substr(0, b.size() / 2); }, true},
    {"AllButLastByte", [](std::string b) { return b.substr(0, b.size() - 1); }, false},
    {"Text", [](std::string) { return std::string("this is not a game\n"); }, true},
    {"HeaderFlipped", [](std::string b) { b[0] = char(~b[0]); b[1] = char(~b[1]); return b; }, true},
    {"MiddleFlipped", [](std::string b) { for (size_t i = b.size() / 3; i < b.size() / 3 + 8; ++i) b[i] = char(0xFF); return b; }, false},
    {"CountsHuge", [](std::string b) { for (size_t i = 40; i < 48 && i < b.size(); ++i) b[i] = char(0x7F); return b; }, false},
    {"TailGarbage", [](std::string b) { return b.substr(0, b.size() - 200) + std::string(200, '\x01'); }, false},
};

TEST_F(CliMapFiles, DamagedGamesAreRefusedWithAMessageAndNothingHalfWritten)
{
    const std::string good = GameBytes();
    struct Command {
        const char* name;
        std::vector<std::string> options;
        const char* file;
        const char* magic;
    };
    const Command commands[] = {
        {"RenderPng", {"render", "--orders", "--smooth", "--size", "400x390"}, "out.png", "\x89PNG"},
        {"RenderPdf", {"render", "--orders"}, "out.pdf", "%PDF"},
        {"Animate", {"animate", "--orders", "--size", "300x292"}, "out.gif", "GIF89a"},
    };
    for (const Damage& damage : kDamages) {
        const std::string damaged = Report(std::string("damaged-") + damage.name + ".kes", damage.apply(good));
        for (const Command& command : commands) {
            SCOPED_TRACE(std::string(damage.name) + " " + command.name);
            const std::string out = Out(std::string(damage.name) + "-" + command.file);
            std::vector<std::string> args{command.options[0], damaged, "-o", out};
            args.insert(args.end(), command.options.begin() + 1, command.options.end());
            const CCliRun run = Cli(args);
            ASSERT_TRUE(run.status == 0 || run.status == 1) << run.status << run.err;
            if (damage.refused) {
                EXPECT_EQ(run.status, 1);
            }
            if (run.status == 1) {
                EXPECT_NE(run.err, "");
                EXPECT_FALSE(fs::exists(out));
            } else {
                EXPECT_EQ(CTempDir::Read(out).substr(0, std::string(command.magic).size()), command.magic);
            }
            EXPECT_FALSE(fs::exists(out + ".part~"));
            // The damaged game itself is never touched.
            EXPECT_EQ(CTempDir::Read(damaged), damage.apply(good));
        }
    }
}

} // namespace
