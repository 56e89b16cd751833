#include "CliGame.h"
#include "CliRunner.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"
#include "views/MapRenderer.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Every test starts from an installation folder holding Maps/Test.map and
// its picture, and a work folder for the game and the reports.
class CliBinary : public testing::Test {
protected:
    void SetUp() override { testgame::WriteTestInstall(m_install, cligame::Spec()); }

    CCliRun Cli(std::vector<std::string> args, const std::string& stdinText = "")
    {
        args.push_back("--install-dir");
        args.push_back(m_install.Str());
        return RunCliBinary(args, m_work.Path(), stdinText);
    }

    std::string Game() const { return (m_work.Path() / "game.kes").string(); }
    std::string GameBytes() const { return CTempDir::Read(Game()); }
    std::string Report(const std::string& name, const std::string& text) const
    {
        return m_work.Write(name, text).string();
    }

    void NewGame()
    {
        const CCliRun run = Cli({"new", "Test", Game()});
        ASSERT_EQ(run.status, 0) << run.err;
    }

    // The five reports of the first year, imported in one run.
    void ImportYear()
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

    // The game as the core opens it, for comparisons with the command's output.
    std::unique_ptr<CKestraneDoc> OpenInCore(CRecordingServices& services) const
    {
        services.SetInstallDir(m_install.Str());
        auto doc = std::make_unique<CKestraneDoc>(services);
        if (!doc->OnOpenDocument(Game()))
            return nullptr;
        return doc;
    }

    CTempDir m_install;
    CTempDir m_work;
};

const std::string kYearSeasons = "S1900M\tMon Jan 12 2004 23 30 -0500 \n"
                                 "S1901M\tMon Feb 02 2004 23 30 -0500 \n"
                                 "F1901M\tMon Feb 09 2004 23 30 -0500 \n"
                                 "F1901R\tMon Feb 16 2004 23 30 -0500 \n"
                                 "F1901B\tMon Feb 23 2004 23 30 -0500 \n";

// --- new, seasons and usage --------------------------------------------------

TEST_F(CliBinary, NewGameIsTheCoresNewGameSaved)
{
    NewGame();
    CRecordingServices services;
    CTempDir other;
    auto doc = testgame::MakeTestGame(other, services, cligame::Spec());
    ASSERT_TRUE(doc);
    const auto expected = other.Path() / "expected.kes";
    ASSERT_TRUE(doc->OnSaveDocument(expected.string()));
    EXPECT_EQ(GameBytes(), CTempDir::Read(expected));

    const CCliRun seasons = Cli({"seasons", Game()});
    EXPECT_EQ(seasons.status, 0);
    EXPECT_EQ(seasons.out, "");
    EXPECT_EQ(seasons.err, "");
}

TEST_F(CliBinary, NewNeverWritesOverAFile)
{
    m_work.Write("game.kes", "precious");
    const CCliRun run = Cli({"new", "Test", Game()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("kestrane-cli: "), std::string::npos);
    EXPECT_EQ(GameBytes(), "precious");
}

TEST_F(CliBinary, NewWithAMissingMapShowsTheCoresMessage)
{
    const CCliRun run = Cli({"new", "Nowhere", Game()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: Cannot Open File:Maps\\Nowhere.map\n");
    EXPECT_FALSE(fs::exists(Game()));
}

TEST_F(CliBinary, WrongUsageExitsWithTwo)
{
    const std::vector<std::vector<std::string>> lines = {
        {}, {"frobnicate"}, {"new", "Test"}, {"render", "g.kes"}, {"show", "g.kes", "--svg", "x"}};
    for (const auto& args : lines) {
        const CCliRun run = RunCliBinary(args, m_work.Path());
        EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args.front());
        EXPECT_EQ(run.err.rfind("kestrane-cli: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("usage: kestrane-cli"), std::string::npos);
    }
    const CCliRun help = RunCliBinary({"--help"}, m_work.Path());
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: kestrane-cli"), std::string::npos);
}

TEST_F(CliBinary, DamagedGameFileIsRefused)
{
    m_work.Write("game.kes", std::string("\xff\xff\x04\x00\x0c\x00" "CKest", 11));
    const CCliRun run = Cli({"seasons", Game()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: exclamation: Unexpected file format.\n");
    EXPECT_EQ(run.out, "");
}

// --- import ---------------------------------------------------------------------

TEST_F(CliBinary, ImportFilesAYearAndRewritesTheReports)
{
    ImportYear();
    EXPECT_EQ(Cli({"seasons", Game()}).out, kYearSeasons);
    // The wrapped ownership list was joined in the report file itself.
    const std::string fall = CTempDir::Read(m_work.Path() / "3-fall.txt");
    EXPECT_NE(fall.find("England:  Edinburgh, Holland, Liverpool, London."), std::string::npos) << fall;
}

struct RejectRow {
    const char* name;
    std::string report;
    std::string message;
};

class CliBinaryReject : public CliBinary, public testing::WithParamInterface<RejectRow> {};

TEST_P(CliBinaryReject, LeavesTheGameByteIdentical)
{
    ImportYear();
    const std::string before = GameBytes();
    const CCliRun run = Cli({"import", Game(), Report("rejected.txt", GetParam().report)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, GetParam().message);
    EXPECT_EQ(GameBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, CliBinaryReject,
    testing::Values(
        RejectRow{"DifferentGame", cligame::OtherGameReport(),
                  "kestrane: exclamation: The data in this import file is from a different Game. Rejecting data.\n"},
        RejectRow{"DifferentJudge",
                  ":: Judge: ELSE  Game: kt  Variant: Standard\n:: Deadline: S1902M Mon\n\nMovement results\n",
                  "kestrane: exclamation: The data in this import file is from a different Judge. Rejecting data.\n"},
        RejectRow{"SeasonTwice", cligame::SpringMovement(),
                  "kestrane: exclamation: This Season S1901M has been imported previously, data rejected.\n"},
        RejectRow{"RemovalOfNoUnitClosesTheGame",
                  cligame::Header("S1901B", "Mon") + "Adjustment orders\nGermany: Removes the army in Berlin.\n",
                  "kestrane: exclamation: Could not find position\n"}),
    [](const testing::TestParamInfo<RejectRow>& info) { return info.param.name; });

TEST_F(CliBinary, ReportWithoutHeaderFilesNothing)
{
    ImportYear();
    const CCliRun run = Cli({"import", Game(), Report("h.txt", "Movement results for Spring of 1902.\n")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: Could not find a valid header, this file may be corrupt.\n");
    EXPECT_EQ(Cli({"seasons", Game()}).out, kYearSeasons);
}

TEST_F(CliBinary, NoticeWithoutHeaderFailsWithAReason)
{
    NewGame();
    const std::string notice = Report("notice.txt", "A new player has signed on to game 'kt'.\n");
    const CCliRun run = Cli({"import", Game(), notice});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane-cli: " + notice + ": no Judge header line was found\n");

    const CCliRun batch = Cli({"import", "--batch", Game(), "-"}, "just a notice\n");
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.err, "kestrane-cli: standard input, the mail of no season: no Judge header line was found\n");
}

TEST_F(CliBinary, RetreatWithoutItsMovementIsRejected)
{
    NewGame();
    const std::string before = GameBytes();
    const CCliRun run = Cli({"import", Game(), Report("r.txt", cligame::FallRetreats())});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: exclamation: Cannot import Retreat F1901R since no corresponding move data for "
                       "F1901M exists, data rejected.\n");
    EXPECT_EQ(GameBytes(), before);
}

TEST_F(CliBinary, MissingReportFileFailsAndLaterReportsStillCount)
{
    NewGame();
    const CCliRun run =
        Cli({"import", Game(), (m_work.Path() / "absent.txt").string(), Report("s.txt", cligame::GameStart())});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kestrane: Cannot open file, is this file read-only?\n");
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tMon Jan 12 2004 23 30 -0500 \n");
}

TEST_F(CliBinary, AReportRejectedAfterAnAcceptedOneDoesNotLoseIt)
{
    NewGame();
    const CCliRun run = Cli(
        {"import", Game(), Report("s.txt", cligame::GameStart()), Report("o.txt", cligame::OtherGameReport())});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tMon Jan 12 2004 23 30 -0500 \n");
}

TEST_F(CliBinary, UnknownProvinceIsAnInformationAndTheReportIsTaken)
{
    NewGame();
    std::string start = cligame::GameStart();
    start.replace(start.find("Army  Munich"), 12, "Army  Atlantis");
    const CCliRun run = Cli({"import", Game(), Report("s.txt", start)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "kestrane: information: Could not recognise province ATLANTIS, province data discarded.\n");
}

TEST_F(CliBinary, StandardInputUsesTheClipboardForm)
{
    NewGame();
    // Text before ":: Judge:" makes a header for a file but not for the clipboard.
    const std::string quoted = "> " + cligame::GameStart();
    const CCliRun clipboard = Cli({"import", Game(), "-"}, quoted);
    EXPECT_EQ(clipboard.status, 1);
    EXPECT_EQ(clipboard.err, "kestrane: Could not find a valid header, this file may be corrupt.\n");

    const CCliRun empty = Cli({"import", Game(), "-"}, "");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "kestrane: No text to import\n");

    const CCliRun plain = Cli({"import", Game(), "-"}, cligame::GameStart());
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tMon Jan 12 2004 23 30 -0500 \n");

    const CCliRun file = Cli({"import", Game(), Report("q.txt", "> " + cligame::SpringMovement())});
    EXPECT_EQ(file.status, 0) << file.err;
}

// A mailbox of the whole year, each mail with its own mail header lines,
// in an order no import could take them.
std::string ShuffledMailbox()
{
    auto mail = [](const std::string& subject, const std::string& body) {
        return "From judge@example.org Mon Jan 12 00:00:00 2004\nSubject: " + subject + "\n\n" + body + "\n";
    };
    return mail("TEST:kt - F1901B", cligame::WinterAdjustments()) +
           mail("TEST:kt - F1901M", cligame::FallMovement()) + mail("TEST:kt - start", cligame::GameStart()) +
           mail("TEST:kt - F1901R", cligame::FallRetreats()) + mail("TEST:kt - S1901M", cligame::SpringMovement());
}

TEST_F(CliBinary, BatchFilesAShuffledYearLikeImportsInOrder)
{
    ImportYear();
    const std::string inOrder = GameBytes();
    fs::remove(Game());

    NewGame();
    const std::string mailbox = Report("mailbox.txt", ShuffledMailbox());
    const CCliRun run = Cli({"import", "--batch", Game(), mailbox});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Cli({"seasons", Game()}).out, kYearSeasons);
    EXPECT_EQ(GameBytes(), inOrder);
    EXPECT_EQ(CTempDir::Read(mailbox), ShuffledMailbox());
}

TEST_F(CliBinary, BatchFromStandardInput)
{
    NewGame();
    const CCliRun run = Cli({"import", "--batch", Game(), "-"}, ShuffledMailbox());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Cli({"seasons", Game()}).out, kYearSeasons);
}

TEST_F(CliBinary, BatchWithOneRejectedPieceKeepsTheOthers)
{
    NewGame();
    const CCliRun run =
        Cli({"import", "--batch", Game(), Report("m.txt", cligame::GameStart() + cligame::OtherGameReport())});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "kestrane: exclamation: The data in this import file is from a different Game. Rejecting data.\n");
    EXPECT_EQ(Cli({"seasons", Game()}).out, "S1900M\tMon Jan 12 2004 23 30 -0500 \n");
}

// --- show ---------------------------------------------------------------------------

TEST_F(CliBinary, ShowTextOfANamedSeason)
{
    ImportYear();
    const CCliRun run = Cli({"show", Game(), "F1901R"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Title: TEST kt Standard  F1901R Mon Feb 16 2004 23 30 -0500 \n"
              "Season: F1901R\n"
              "Deadline: Mon Feb 16 2004 23 30 -0500 \n"
              "\nOrders\n"
              "  Germany: Army Ruhr -> Munich.\n"
              "\nUnits Dislodged\n"
              "\nENGLAND\n"
              "  FLEET\tHOLLAND\t52,24\n"
              "  ARMY\tEDINBURGH\t16,4\n"
              "  centres 20,6 56,20 6,12 18,20\n"
              "\nFRANCE\n"
              "  ARMY\tBELGIUM\t44,34\n"
              "  FLEET\tENGLISH CHANNEL\t16,30\n"
              "  ARMY\tRUHR\t58,40\n"
              "  centres 48,30 6,44 30,58 26,54\n"
              "\nGERMANY\n"
              "  ARMY\tKIEL\t66,20\n"
              "  ARMY\tMUNICH\t70,52\n"
              "  centres 88,14 70,16 74,56\n");
}

TEST_F(CliBinary, ShowJsonParsesBack)
{
    ImportYear();
    const CCliRun run = Cli({"show", Game(), "F1901M", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
    const QJsonObject root = json.object();
    EXPECT_EQ(root["judge"].toString(), "TEST");
    EXPECT_EQ(root["game"].toString(), "kt");
    EXPECT_EQ(root["variant"].toString(), "Standard ");
    EXPECT_EQ(root["map"].toString(), "Test");
    EXPECT_EQ(root["my_country"].toString(), "");
    EXPECT_EQ(root["season"].toString(), "F1901M");
    EXPECT_EQ(root["deadline"].toString(), "Mon Feb 09 2004 23 30 -0500 ");
    EXPECT_EQ(root["title"].toString(), "TEST kt Standard  F1901M Mon Feb 09 2004 23 30 -0500 ");
    EXPECT_EQ(root["orders"].toArray().size(), 7);
    EXPECT_EQ(root["orders"].toArray()[6].toString(), "Germany: Army Ruhr HOLD.  (*dislodged*)");
    EXPECT_EQ(root["dislodged"].toArray(), QJsonArray({"GERMANY ARMY RUHR"}));

    const QJsonArray countries = root["countries"].toArray();
    ASSERT_EQ(countries.size(), 3);
    const QJsonObject england = countries[0].toObject();
    EXPECT_EQ(england["name"].toString(), "ENGLAND");
    EXPECT_EQ(england["colour"].toArray(), QJsonArray({200, 0, 0}));
    EXPECT_EQ(england["units"].toArray(),
              QJsonArray({QJsonObject{{"type", "FLEET"}, {"province", "HOLLAND"}, {"x", 52}, {"y", 24}},
                          QJsonObject{{"type", "ARMY"}, {"province", "EDINBURGH"}, {"x", 16}, {"y", 4}}}));
    EXPECT_EQ(england["centres"].toArray(),
              QJsonArray({QJsonArray{20, 6}, QJsonArray{56, 20}, QJsonArray{6, 12}, QJsonArray{18, 20}}));
    EXPECT_EQ(countries[2].toObject()["colour"].toArray(), QJsonArray({10, 0, 0}));
    EXPECT_EQ(countries[2].toObject()["units"].toArray().size(), 1);
}

TEST_F(CliBinary, ShowOfAnUnknownSeasonFails)
{
    ImportYear();
    const CCliRun run = Cli({"show", Game(), "S1999M"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("no season S1999M"), std::string::npos);
}

TEST_F(CliBinary, ShowOfANewGameHasNoSeason)
{
    NewGame();
    const CCliRun run = Cli({"show", Game(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_TRUE(root["season"].isNull());
    EXPECT_EQ(root["title"].toString(), "game.kes, Test");
}

// --- render -------------------------------------------------------------------------

CRgbImage DecodePng(const fs::path& path)
{
    const QImage png = QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
    CRgbImage image(png.width(), png.height());
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            image.SetPixel(x, y, png.pixel(x, y) & 0xFFFFFF);
    return image;
}

struct RenderRow {
    const char* name;
    std::vector<std::string> options;
    std::string season; // empty: the latest
    CDisplaySettings settings;
    bool maskedCopy = true;
};

class CliBinaryRender : public CliBinary, public testing::WithParamInterface<RenderRow> {};

TEST_P(CliBinaryRender, PictureIsTheCoresComposition)
{
    const RenderRow& row = GetParam();
    ImportYear();
    std::vector<std::string> args{"render", Game()};
    if (!row.season.empty())
        args.push_back(row.season);
    const std::string out = (m_work.Path() / "map.png").string();
    args.insert(args.end(), {"-o", out});
    args.insert(args.end(), row.options.begin(), row.options.end());
    const CCliRun run = Cli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    CRecordingServices services;
    auto doc = OpenInCore(services);
    ASSERT_TRUE(doc);
    if (!row.season.empty()) {
        while (doc->GetCurrentSeason()->m_strSeason != row.season && doc->OnUpdatePreviousSeason())
            doc->OnPreviousSeason();
        ASSERT_EQ(doc->GetCurrentSeason()->m_strSeason, row.season);
    }
    CRenderOptions options;
    options.m_bMaskedCopy = row.maskedCopy;
    const CRgbImage composed = ComposeSeason(*doc, row.settings, 96, options);
    CRgbImage expected = composed;
    if (row.settings.ZoomToFit()) {
        const CScreenPlacement placement = PlaceOnScreen(composed.Width(), composed.Height(), row.settings,
                                                         CScreenTarget{160, 100, 96});
        expected = CRgbImage(160, 100);
        ApplyBlit(expected, composed, placement.blit);
    }
    const CRgbImage png = DecodePng(out);
    ASSERT_EQ(png.Width(), expected.Width());
    ASSERT_EQ(png.Height(), expected.Height());
    EXPECT_TRUE(png == expected);
    // The picture shows units: it is not the bare board.
    EXPECT_FALSE(composed == doc->m_dib.Decode());
}

INSTANTIATE_TEST_SUITE_P(
    Options, CliBinaryRender,
    testing::Values(RenderRow{"Latest", {}, "", CDisplaySettings{0, 0, 0}},
                    RenderRow{"InitialsAndCentres", {"--initials", "--centres"}, "", CDisplaySettings{0, 1, 1}},
                    RenderRow{"NamedSeasonCentres", {"--centres"}, "S1901M", CDisplaySettings{0, 0, 1}},
                    RenderRow{"NoMaskedCopy", {"--no-maskblt"}, "F1901M", CDisplaySettings{0, 0, 0}, false},
                    RenderRow{"Zoomed", {"--size", "160x100", "--centres"}, "", CDisplaySettings{1, 0, 1}}),
    [](const testing::TestParamInfo<RenderRow>& info) { return info.param.name; });

TEST_F(CliBinary, RenderOptionsChangeThePicture)
{
    ImportYear();
    const auto render = [&](const std::string& name, std::vector<std::string> options) {
        const std::string out = (m_work.Path() / name).string();
        std::vector<std::string> args{"render", Game(), "-o", out};
        args.insert(args.end(), options.begin(), options.end());
        EXPECT_EQ(Cli(args).status, 0) << name;
        return DecodePng(out);
    };
    const CRgbImage plain = render("plain.png", {});
    EXPECT_FALSE(plain == render("initials.png", {"--initials"}));
    EXPECT_FALSE(plain == render("centres.png", {"--centres"}));
    EXPECT_FALSE(plain == render("shapes.png", {"--no-maskblt"}));
}

TEST_F(CliBinary, RenderToAnUnwritablePlaceFails)
{
    ImportYear();
    const CCliRun run = Cli({"render", Game(), "-o", (m_work.Path() / "no" / "such" / "map.png").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("kestrane-cli: cannot write"), std::string::npos);
}

// --- mail and history -----------------------------------------------------------------

TEST_F(CliBinary, MailIsTheOrdersMailOfTheLatestSeason)
{
    ImportYear();
    const CCliRun noCountry = Cli({"mail", Game()});
    EXPECT_EQ(noCountry.status, 1);
    EXPECT_EQ(noCountry.out, "");
    EXPECT_EQ(noCountry.err,
              "kestrane: exclamation: Please tell me which country you are before sending a message\n");

    const CCliRun england = Cli({"mail", Game(), "--country", "ENGLAND", "--password", "secret"});
    EXPECT_EQ(england.status, 0) << england.err;
    EXPECT_EQ(england.out, "signon Ekt secret\nF HOLLAND\nA EDINBURGH\nA LONDON\nF LIVERPOOL\nsignoff\n");

    // Names are matched without regard to case; the password may be empty.
    const CCliRun france = Cli({"mail", Game(), "--country", "france"});
    EXPECT_EQ(france.status, 0) << france.err;
    EXPECT_EQ(france.out, "signon Fkt \nA BELGIUM\nF ENGLISH CHANNEL\nA RUHR\nF BREST\nsignoff\n");

    const CCliRun nobody = Cli({"mail", Game(), "--country", "Narnia"});
    EXPECT_EQ(nobody.status, 1);
    EXPECT_EQ(nobody.out, "");
}

TEST_F(CliBinary, HistoryCountsCentresOfEverySeasonWithOwnership)
{
    ImportYear();
    const CCliRun csv = Cli({"history", Game(), "--csv"});
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out, "season,ENGLAND,FRANCE,GERMANY\nS1901M,3,3,3\nF1901M,4,4,3\n");
    EXPECT_EQ(Cli({"history", Game()}).out, csv.out);

    const std::string svgPath = (m_work.Path() / "chart.svg").string();
    const CCliRun svg = Cli({"history", Game(), "--svg", svgPath});
    EXPECT_EQ(svg.status, 0) << svg.err;
    EXPECT_EQ(svg.out, "");
    const std::string chart = CTempDir::Read(svgPath);
    EXPECT_EQ(chart.rfind("<?xml", 0), 0u);
    for (const char* part : {"rgb(200,0,0)", "rgb(0,0,200)", "rgb(10,0,0)", ">S1901M<", ">F1901M<", ">GERMANY<"})
        EXPECT_NE(chart.find(part), std::string::npos) << part;
}

} // namespace
