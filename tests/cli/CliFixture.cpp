#include "CliFixture.h"

CCliRun CliBinary::Cli(std::vector<std::string> args, const std::string& stdinText)
{
    args.push_back("--install-dir");
    args.push_back(m_install.Str());
    return RunCliBinary(args, m_work.Path(), stdinText);
}

void CliBinary::NewGame()
{
    const CCliRun run = Cli({"new", "Test", Game()});
    ASSERT_EQ(run.status, 0) << run.err;
}

void CliBinary::ImportYear()
{
    NewGame();
    const CCliRun run = Cli({"import", Game(), Report("1-start.txt", cligame::GameStart()),
                             Report("2-spring.txt", cligame::SpringMovement()),
                             Report("3-fall.txt", cligame::FallMovement()),
                             Report("4-retreat.txt", cligame::FallRetreats()),
                             Report("5-winter.txt", cligame::WinterAdjustments())});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.err, "");
}

std::unique_ptr<CKestraneDoc> CliBinary::OpenInCore(CRecordingServices& services) const
{
    services.SetInstallDir(m_install.Str());
    auto doc = std::make_unique<CKestraneDoc>(services);
    if (!doc->OnOpenDocument(Game()))
        return nullptr;
    return doc;
}

const std::string kYearSeasons = "S1900M\tMon Jan 12 2004 23 30 -0500 \n"
                                 "S1901M\tMon Feb 02 2004 23 30 -0500 \n"
                                 "F1901M\tMon Feb 09 2004 23 30 -0500 \n"
                                 "F1901R\tMon Feb 16 2004 23 30 -0500 \n"
                                 "F1901B\tMon Feb 23 2004 23 30 -0500 \n";

