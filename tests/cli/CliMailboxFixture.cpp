#include "CliMailboxFixture.h"

#include <cstdlib>

namespace fs = std::filesystem;
using namespace judgemailbox;

namespace {

const fs::path kShared(KESTRANE_SHARED_DIR);
const fs::path kKestrel = kShared / "judge-games" / "kestrel";
const fs::path kData = fs::path(KESTRANE_SOURCE_DIR) / "data";

} // namespace

void CliMailboxTest::SetUp()
{
    if (const std::string why = KestrelServerMail(m_game, m_other); !why.empty())
        GTEST_SKIP() << why;
    ASSERT_EQ(m_game.size(), 15u);
}

bool CliMailboxTest::StartRound(CDovecotServer::Security security, bool offerIdle)
{
    m_server.reset();
    ++m_round;
    m_nextOther = 0;
    fs::create_directories(Round());
    m_server = std::make_unique<CDovecotServer>(Round() / "server", security, offerIdle);
    std::string error;
    const bool started = m_server->Start(error);
    EXPECT_TRUE(started) << error;
    const CCliRun made = Cli({"new", "Standard", Game()});
    EXPECT_EQ(made.status, 0) << made.err;
    return started && made.status == 0;
}

CCliRun CliMailboxTest::Cli(std::vector<std::string> args) const
{
    return Start(std::move(args))->Wait();
}

std::unique_ptr<CCliProcess> CliMailboxTest::Start(std::vector<std::string> args) const
{
    args.insert(args.begin(), {"--install-dir", kData.string()});
    return std::make_unique<CCliProcess>(args, Round(), "", Round() / "config");
}

std::vector<std::string> CliMailboxTest::ServerOptions() const
{
    return {"--server", "127.0.0.1", "--port", std::to_string(m_server->Port()), "--user", CDovecotServer::kUser,
            "--plain"};
}

void CliMailboxTest::DeliverGame(size_t from, size_t to)
{
    for (size_t i = from; i < to; ++i) {
        m_server->Deliver(AsMessage(m_game[i], int(i)));
        if (m_nextOther < m_other.size())
            m_server->Deliver(AsMessage(m_other[m_nextOther++], int(100 + i)));
    }
}

std::string CliMailboxTest::Due() const
{
    return Cli({"due", Game()}).out.substr(0, 28);
}

void CliMailboxTest::ExpectGameAsTheJudgeRecordedIt() const
{
    const fs::path oracle = kShared / "tools" / "judge-oracle.py";
    if (!fs::exists(oracle) || std::system("python3 -c '' 2>/dev/null") != 0) {
        ADD_FAILURE() << "the oracle script or python3 is missing";
        return;
    }
    const std::string log = (Round() / "oracle.txt").string();
    const std::string command = "python3 '" + oracle.string() + "' '" + KESTRANE_CLI_PATH + "' '" + kData.string() +
                                "' '" + kKestrel.string() + "' --check '" + Game() + "' >'" + log + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << CTempDir::Read(log);
}
