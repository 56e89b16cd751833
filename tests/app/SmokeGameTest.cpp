#include "AppFixture.h"

#include "app/ChildFrame.h"
#include "app/KesTextView.h"
#include "app/KestraneView.h"
#include "model/KestraneDoc.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cmath>

namespace {

// A corner of a board: Britain and the continent on a blue sea, with thin
// black borders between the land provinces.
testgame::TestGameSpec SmokeBoard()
{
    testgame::TestGameSpec desc;
    desc.mapName = "Smoke";
    desc.pictureName = "SMOKE.BMP";
    desc.width = 480;
    desc.height = 360;
    desc.palette = {0x000000, 0xFFFFFF, 0x70A8E0, 0xE8D8A8};
    desc.pixel = [](int x, int y) -> uint32_t {
        const double bx = (x - 140) / 55.0;
        const double by = (y - 115) / 95.0;
        const bool britain = bx * bx + by * by <= 1.0;
        const bool continent = y > 240 || (x > 230 && y > 125);
        if (!britain && !continent)
            return 2;
        const bool border = (britain && (y == 80 || y == 130)) ||
                            (continent && (x == 160 || x == 240 || x == 320 || x == 380 || y == 200 || y == 300));
        return border ? 0 : 3;
    };
    desc.countries = {{"England", 220, 30, 30}, {"France", 40, 70, 220}, {"Germany", 90, 90, 90}};
    desc.provinces = {{"LON", 160, 160}, {"EDI", 140, 50},  {"LVP", 115, 105}, {"NTH", 250, 80},
                      {"ENG", 160, 215}, {"BRE", 110, 270}, {"PAR", 200, 275}, {"MAR", 210, 330},
                      {"BUR", 280, 265}, {"BEL", 260, 180}, {"HOL", 290, 150}, {"KIE", 350, 160},
                      {"BER", 420, 150}, {"MUN", 350, 260}, {"RUH", 300, 220}};
    desc.supplyCentres = {{"LON", 150, 175}, {"EDI", 130, 65},  {"LVP", 105, 120}, {"BRE", 100, 285},
                          {"PAR", 190, 290}, {"MAR", 200, 345}, {"BEL", 250, 195}, {"HOL", 280, 165},
                          {"KIE", 340, 175}, {"BER", 410, 165}, {"MUN", 340, 275}};
    desc.scRadius = 5;
    return desc;
}

const char* const kStart = ":: Judge: USTV  Game: smoke  Variant: Standard\n"
                           ":: Deadline: S1901M Mon Mar 02 2026 23:30:00 +0000\n"
                           "You have been selected as England in game 'smoke'.\n"
                           "Starting position for Spring of 1901.\n"
                           "England: Fleet LON.\nEngland: Fleet EDI.\nEngland: Army LVP.\n"
                           "France: Fleet BRE.\nFrance: Army PAR.\nFrance: Army MAR.\n"
                           "Germany: Fleet KIE.\nGermany: Army BER.\nGermany: Army MUN.\n"
                           "The deadline for the first orders is Mon Mar 02 2026.\n";

const char* const kSpring = ":: Judge: USTV  Game: smoke  Variant: Standard\n"
                            ":: Deadline: S1901M Mon Mar 09 2026 23:30:00 +0000\n"
                            "Movement results for Spring of 1901.  (smoke.001)\n"
                            "England: Fleet LON -> NTH.\n"
                            "England: Fleet EDI -> ENG.\n"
                            "England: Army LVP HOLD.\n"
                            "France: Fleet BRE -> ENG.  (*bounce*)\n"
                            "France: Army PAR -> BUR.\n"
                            "France: Army MAR HOLD.  (*dislodged*)\n"
                            "Germany: Fleet KIE -> HOL.\n"
                            "Germany: Army BER -> KIE.\n"
                            "Germany: Army MUN -> MAR.\n"
                            "Ownership of supply centers:\n"
                            "England: EDI, LON, LVP.\n"
                            "France: BRE, MAR, PAR.\n"
                            "Germany: BER, KIE, MUN.\n";

} // namespace

// Builds the game the screenshot smoke test opens in the real program: a
// board with three countries, the starting position and a movement season
// with a dislodged unit. With KESTRANE_SMOKE_OUT set, the board and the game
// are written there.
class SmokeGameTest : public QObject {
    Q_OBJECT
private slots:
    void buildsGameWithUnits();
};

void SmokeGameTest::buildsGameWithUnits()
{
    CAppFixture app(CAppFixture::Presets{{"Settings/SCDisplay", 1}}, SmokeBoard());
    CKestraneDoc* doc = app.NewGame();
    QVERIFY(doc);
    app.Dir().Write("start.txt", kStart);
    app.Dir().Write("spring.txt", kSpring);
    app.Prompts().openAnswers = {app.Path("start.txt"), app.Path("spring.txt")};
    app.Run(Cmd::Import);
    app.Run(Cmd::Import);
    QVERIFY(app.Prompts().messages.empty());
    QCOMPARE(doc->m_seasons.size(), size_t(2));
    const CSeasonHdr& spring = *doc->GetCurrentSeason();
    QCOMPARE(spring.m_orders.size(), size_t(9));
    QCOMPARE(spring.m_dislodged, std::vector<std::string>{"FRANCE ARMY MAR"});
    QCOMPARE(spring.m_units[0].size() + spring.m_units[1].size() + spring.m_units[2].size(), size_t(8));
    for (size_t country = 0; country < 3; ++country)
        QCOMPARE(spring.m_centres[country].size(), size_t(3));
    doc->m_strMyCountry = "ENGLAND";

    // The map shows the units over the board.
    CChildFrame* frame = app.Frame().ActiveFrame();
    const QImage picture = frame->MapView()->RenderedPicture();
    QCOMPARE(picture.size(), QSize(480, 360));
    QCOMPARE(picture.pixel(150, 175) & 0xFFFFFF, 0xDC1E1Eu); // LON's centre in England's red

    const QString file = app.Path("smoke.kes");
    app.Prompts().saveAnswers.push_back(file);
    app.Run(Cmd::FileSave);
    QVERIFY(QFile::exists(file));

    const QByteArray out = qgetenv("KESTRANE_SMOKE_OUT");
    if (!out.isEmpty()) {
        const QString dir = QString::fromLocal8Bit(out);
        QDir().mkpath(dir + "/Maps");
        for (const char* name : {"Maps/Smoke.map", "Maps/SMOKE.BMP", "smoke.kes"}) {
            QFile::remove(dir + "/" + name);
            QVERIFY(QFile::copy(app.Path(name), dir + "/" + name));
        }
        frame->grab().save(dir + "/offscreen-window.png");
    }
}

QTEST_MAIN(SmokeGameTest)
#include "SmokeGameTest.moc"
