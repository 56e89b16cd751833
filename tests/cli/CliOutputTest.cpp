#include "CliFixture.h"
#include "support/RowName.h"
#include "views/MapRenderer.h"

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

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
    // The picture shows units, and each option changes it, so a command that
    // dropped an option could not pass.
    EXPECT_FALSE(composed == doc->m_dib.Decode());
    if (!row.options.empty()) {
        EXPECT_FALSE(composed == ComposeSeason(*doc, CDisplaySettings{}, 96));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, CliBinaryRender,
    testing::Values(RenderRow{"Latest", {}, "", CDisplaySettings{0, 0, 0}},
                    RenderRow{"InitialsAndCentres", {"--initials", "--centres"}, "", CDisplaySettings{0, 1, 1}},
                    RenderRow{"NamedSeasonCentres", {"--centres"}, "S1901M", CDisplaySettings{0, 0, 1}},
                    RenderRow{"NoMaskedCopy", {"--no-maskblt"}, "F1901M", CDisplaySettings{0, 0, 0}, false},
                    RenderRow{"Zoomed", {"--size", "160x100", "--centres"}, "", CDisplaySettings{1, 0, 1}}),
    RowName());

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
