#include "CliFixture.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The seven powers and the home provinces that real Judge mails name, on
// the test board: enough to import the Judge's game-start mail whole.
testgame::TestGameSpec SevenPowerSpec()
{
    testgame::TestGameSpec desc = cligame::Desc();
    desc.countries = {{"Austria", 200, 0, 0},  {"England", 0, 0, 200}, {"France", 0, 160, 200},
                      {"Germany", 60, 60, 60}, {"Italy", 0, 160, 0},   {"Russia", 120, 0, 120},
                      {"Turkey", 200, 200, 0}};
    const char* names[] = {"Vienna",  "Budapest", "Trieste", "London", "Edinburgh",      "Liverpool",
                           "Paris",   "Marseilles", "Brest", "Berlin", "Munich",         "Kiel",
                           "Rome",    "Venice",   "Naples",  "Moscow", "Warsaw",         "St PetersburgSC",
                           "Sevastopol", "Constantinople", "Smyrna", "Ankara"};
    desc.provinces.clear();
    int i = 0;
    for (const char* name : names) {
        desc.provinces.push_back({name, 4 + 4 * i, 8 + 2 * i});
        ++i;
    }
    desc.supplyCentres = {};
    return desc;
}

std::string Sample(const std::string& name)
{
    return CTempDir::Read(fs::path(KESTRANE_SHARED_DIR) / "judge-samples" / name);
}

class CliRealMail : public CliBinary {
protected:
    void SetUp() override { testgame::WriteTestInstall(m_install, SevenPowerSpec()); }
};

TEST_F(CliRealMail, BatchOfJudgeMailsFilesTheGameStartFirst)
{
    // The real Judge mails live beside the repository, not in it.
    if (!fs::is_directory(fs::path(KESTRANE_SHARED_DIR) / "judge-samples"))
        GTEST_SKIP() << "no judge-samples folder beside the repository";
    const std::string start = Sample("05-game-start-starting-position-france.txt");
    const std::string takeover = Sample("09-takeover-reply-header-in-mid-mail.txt");
    ASSERT_FALSE(start.empty());
    ASSERT_FALSE(takeover.empty());
    NewGame();

    // The later mail first, with text above its header as the Judge sent it.
    // It is an orders status: it files nothing, says so, and the summary
    // gives its verdict. Every mailbox holds such mail, so it does not fail
    // the batch.
    const CCliRun run =
        Cli({"import", "--batch", "--verbose", Game(), Report("judge.mbox", takeover + "\n" + start)});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nOrders status for S1901M: no order refused, 3 units without orders.\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.err, "kestrane: information: This mail from Judge XXXX about game Dt, S1901M (Spring 1901 "
                       "Movement), holds no results to import: it is an orders status, a reply or a notice. "
                       "Nothing was imported.\n");
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tTue Jan 06 2004 23 30 00 +0000 \n");

    const CCliRun show = Cli({"show", Game(), "S1900M", "--json"});
    ASSERT_EQ(show.status, 0) << show.err;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(show.out)).object();
    EXPECT_EQ(root["judge"].toString(), "XXXX");
    EXPECT_EQ(root["game"].toString(), "Dt");
    EXPECT_EQ(root["variant"].toString(), "Standard ");
    EXPECT_EQ(root["orders"].toArray().size(), 22);
    const QJsonArray countries = root["countries"].toArray();
    ASSERT_EQ(countries.size(), 7);
    const auto provinces = [&](int country) {
        std::vector<std::string> names;
        for (const auto& unit : countries[country].toObject()["units"].toArray())
            names.push_back((unit.toObject()["type"].toString() + " " + unit.toObject()["province"].toString())
                                .toStdString());
        return names;
    };
    EXPECT_EQ(provinces(2), (std::vector<std::string>{"ARMY PARIS", "ARMY MARSEILLES", "FLEET BREST"}));
    EXPECT_EQ(provinces(5), (std::vector<std::string>{"ARMY MOSCOW", "ARMY WARSAW", "FLEET ST PETERSBURGSC",
                                                      "FLEET SEVASTOPOL"}));

    // The orders-status mail filed no empty season, so the orders mail lists
    // France's units of the starting position.
    const CCliRun mail = Cli({"mail", Game(), "--country", "France", "--password", "pw"});
    EXPECT_EQ(mail.status, 0) << mail.err;
    EXPECT_EQ(mail.out, "signon FDt pw\nA PARIS\nA MARSEILLES\nF BREST\nsignoff\n");
}

} // namespace
