#include "CliRunner.h"
#include "support/JudgeMailbox.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const fs::path kShared(KESTRANE_SHARED_DIR);
const fs::path kData = fs::path(KESTRANE_SOURCE_DIR) / "data";
const fs::path kOrders = kShared / "judge-orders";

// kestrane-cli status on a kestrel game with the Judge's real replies: as a
// saved reply, as a whole mail on standard input, and mails that are not a
// reply about this game.
TEST(CliStatus, PrintsTheJudgesVerdict)
{
    if (!fs::exists(kOrders) || !fs::exists(kShared / "judge-games" / "kestrel"))
        GTEST_SKIP() << "no judge-orders or judge-games folder beside the source tree";
    CTempDir dir;
    const auto cli = [&](std::vector<std::string> args, const std::string& in = "") {
        args.insert(args.begin(), {"--install-dir", kData.string()});
        return RunCliBinary(args, dir.Path(), in, dir.Path() / "config");
    };
    const std::string game = (dir.Path() / "kestrel.kes").string();
    ASSERT_EQ(cli({"new", "Standard", game}).status, 0);
    const fs::path start = dir.Write("start.txt", CTempDir::Read(kShared / "judge-games/kestrel/00-S1901M-start.txt"));
    ASSERT_EQ(cli({"import", game, start.string()}).status, 0);
    const std::string gameBytes = CTempDir::Read(game);

    struct Row {
        const char* name;
        fs::path mail;
        bool asMessage; ///< the whole mail with its headers, on standard input
        int status;
        std::vector<std::string> out; ///< lines printed, in this order
        const char* err;
    };
    const std::vector<Row> rows = {
        {"a refused move", kOrders / "S1902M/S1902M-england-08-nonadjacent-move.reply.txt", false, 1,
         {"Kestrel, S1902M (Spring 1902 Movement): orders status for England from Judge XXXX",
          "refused   A Nor-Mos", "          The army in Norway can't get to Moscow.",
          "accepted  Fleet North Sea CONVOY Army Edinburgh -> Brest.", "no order  Army Norway",
          "orders status for S1902M: 1 refused, 1 unit without orders; error flag set"},
         ""},
        {"all accepted, as a mail", kOrders / "F1901R/F1901R-france-01-legal-mixed.reply.txt", true, 0,
         {"Kestrel, F1901R (Fall 1901 Retreats): orders status for France from Judge XXXX",
          "accepted  Army Burgundy -> Belgium.",
          "orders status for F1901R: no order refused"},
         ""},
        {"builds pending, junk in the title", kOrders / "F1901B/F1901B-england-16-garbage.reply.txt", false, 1,
         {"refused   A", "          Unrecognized province -> ", "pending   1 build pending."}, ""},
        {"another game", kShared / "judge-samples/08-movement-orders-status-no-order-processed.txt", false, 1, {},
         "This reply is about game Dt, not Kestrel."},
        {"results, no reply", kShared / "judge-games/kestrel/05-S1902M-movement.txt", false, 1, {},
         "holds no reply of the Judge to an orders mail"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string body = CTempDir::Read(row.mail);
        const auto run = row.asMessage
                             ? cli({"status", game, "-"}, judgemailbox::AsMessage({"Re: XXXX:kestrel - F1901R ", body}, 1))
                             : cli({"status", game, row.mail.string()});
        EXPECT_EQ(run.status, row.status) << run.out << run.err;
        size_t at = 0;
        for (const std::string& line : row.out) {
            const size_t found = run.out.find(line + "\n", at);
            EXPECT_NE(found, std::string::npos) << line << "\n" << run.out;
            at = found == std::string::npos ? at : found;
        }
        EXPECT_NE(run.err.find(row.err), std::string::npos) << run.err;
    }
    EXPECT_EQ(CTempDir::Read(game), gameBytes) << "status changed the game";
}

} // namespace
