#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"
#include "support/StandardGameStart.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

// One game year on the standard board, as five Judge mails imported one after
// the other from files: the game start, both movement phases, the autumn
// retreats with the supply-centre ownership, and the winter builds.

namespace {

using Strings = std::vector<std::string>;

const std::string kHeader = ":: Judge: USEF  Game: kestrel  Variant: Standard\n";

const std::string kGameStart = kHeader + StandardGameStart("Austria");

const std::string kSpring = kHeader + ":: Deadline: S1901M Mon Jan 05 2004 23:30:00 -0500\n"
                                      "\n"
                                      "Movement results for Spring of 1901.  (kestrel.001)\n"
                                      "\n"
                                      "Austria: Army Budapest -> Serbia.\n"
                                      "Austria: Army Vienna -> Tyrolia.\n"
                                      "Austria: Fleet Trieste HOLD.\n"
                                      "\n"
                                      "England: Fleet Edinburgh -> Norwegian Sea.\n"
                                      "England: Army Liverpool -> Yorkshire.\n"
                                      "England: Fleet London -> North Sea.\n"
                                      "\n"
                                      "France: Fleet Brest -> Mid-Atlantic Ocean.\n"
                                      "France: Army Marseilles -> Spain.\n"
                                      "France: Army Paris -> Burgundy.\n"
                                      "\n"
                                      "Germany: Fleet Kiel -> Denmark.\n"
                                      "Germany: Army Munich -> Ruhr.\n"
                                      "Germany: Army Berlin -> Munich.\n"
                                      "\n"
                                      "Italy: Fleet Naples -> Ionian Sea.\n"
                                      "Italy: Army Rome -> Apulia.\n"
                                      "Italy: Army Venice HOLD.\n"
                                      "\n"
                                      "Russia: Army Moscow -> Ukraine.\n"
                                      "Russia: Fleet Sevastopol -> Black Sea.  (*bounce*)\n"
                                      "Russia: Fleet St Petersburg (south coast) -> Gulf of Bothnia.\n"
                                      "Russia: Army Warsaw -> Galicia.\n"
                                      "\n"
                                      "Turkey: Fleet Ankara -> Black Sea.  (*bounce*)\n"
                                      "Turkey: Army Constantinople -> Bulgaria.\n"
                                      "Turkey: Army Smyrna -> Armenia.\n"
                                      "\n"
                                      "The next phase of 'kestrel' will be Movement for Fall of 1901.\n"
                                      "The deadline for orders will be Mon Jan 12 2004 23:30:00 -0500.\n";

const std::string kFall = kHeader + ":: Deadline: F1901M Mon Jan 12 2004 23:30:00 -0500\n"
                                    "\n"
                                    "Movement results for Fall of 1901.  (kestrel.002)\n"
                                    "\n"
                                    "Austria: Army Serbia HOLD.\n"
                                    "Austria: Fleet Trieste SUPPORT Army Tyrolia -> Venice.\n"
                                    "Austria: Army Tyrolia -> Venice.\n"
                                    "\n"
                                    "England: Fleet North Sea CONVOY Army Yorkshire -> Norway.\n"
                                    "England: Fleet Norwegian Sea SUPPORT Army Yorkshire -> Norway.\n"
                                    "England: Army Yorkshire -> North Sea -> Norway.\n"
                                    "\n"
                                    "France: Army Burgundy HOLD.  (*dislodged*)\n"
                                    "France: Fleet Mid-Atlantic Ocean -> Portugal.\n"
                                    "France: Army Spain HOLD.\n"
                                    "\n"
                                    "Germany: Fleet Denmark HOLD.\n"
                                    "Germany: Army Munich SUPPORT Army Ruhr -> Burgundy.\n"
                                    "Germany: Army Ruhr -> Burgundy.\n"
                                    "\n"
                                    "Italy: Fleet Ionian Sea CONVOY Army Apulia -> Tunis.\n"
                                    "Italy: Army Apulia -> Ionian Sea -> Tunis.\n"
                                    "Italy: Army Venice HOLD.  (*dislodged*)\n"
                                    "\n"
                                    "Russia: Army Galicia HOLD.\n"
                                    "Russia: Fleet Gulf of Bothnia -> Sweden.\n"
                                    "Russia: Fleet Sevastopol SUPPORT Army Ukraine ->\n"
                                    "          Rumania.\n"
                                    "Russia: Army Ukraine -> Rumania.\n"
                                    "\n"
                                    "Turkey: Fleet Ankara -> Black Sea.\n"
                                    "Turkey: Army Armenia HOLD.\n"
                                    "Turkey: Army Bulgaria -> Greece.\n"
                                    "\n"
                                    "The following units were dislodged:\n"
                                    "\n"
                                    "The Army in Burgundy can retreat to Gascony or Paris or Picardy.\n"
                                    "The Army in Venice can retreat to Piedmont or Rome or Tuscany.\n"
                                    "\n"
                                    "The next phase of 'kestrel' will be Retreats for Fall of 1901.\n"
                                    "The deadline for orders will be Fri Jan 16 2004 23:30:00 -0500.\n";

// The supply-centre counts of the autumn, the same in the mail and on disk
// but for the blank the joiner leaves after the last line.
const std::string kCountsToRussia = "Austria:   5 Supply centers,  3 Units:  Builds   2 units.\n"
                                    "England:   4 Supply centers,  3 Units:  Builds   1 unit.\n"
                                    "France:    5 Supply centers,  3 Units:  Builds   2 units.\n"
                                    "Germany:   4 Supply centers,  3 Units:  Builds   1 unit.\n"
                                    "Italy:     3 Supply centers,  2 Units:  Builds   1 unit.\n"
                                    "Russia:    6 Supply centers,  4 Units:  Builds   2 units.\n";

const std::string kRetreats = kHeader + ":: Deadline: F1901R Fri Jan 16 2004 23:30:00 -0500\n"
                                        "\n"
                                        "Retreat orders for Fall of 1901.  (kestrel.003)\n"
                                        "\n"
                                        "France: Army Burgundy -> Picardy.\n"
                                        "Italy: Army Venice DISBAND.\n"
                                        "\n"
                                        "Ownership of supply centers:\n"
                                        "\n"
                                        "Austria:   Budapest, Serbia, Trieste, Venice, Vienna.\n"
                                        "England:   Edinburgh, Liverpool, London, Norway.\n"
                                        "France:    Brest, Marseilles, Paris, Portugal, Spain.\n"
                                        "Germany:   Berlin, Denmark, Kiel, Munich.\n"
                                        "Italy:     Naples, Rome, Tunis.\n"
                                        "Russia:    Moscow, Rumania, Sevastopol, St Petersburg, Sweden,\n"
                                        "           Warsaw.\n"
                                        "Turkey:    Ankara, Constantinople, Greece, Smyrna.\n"
                                        "Unowned:   Belgium, Bulgaria, Holland.\n"
                                        "\n"
                                        + kCountsToRussia +
                                        "Turkey:    4 Supply centers,  3 Units:  Builds   1 unit.\n"
                                        "\n"
                                        "The next phase of 'kestrel' will be Adjustments for Winter of 1901.\n"
                                        "The deadline for orders will be Mon Jan 19 2004 23:30:00 -0500.\n";

// The retreat mail as the joiner leaves it on disk.
const std::string kRetreatsJoined = kHeader + ":: Deadline: F1901R Fri Jan 16 2004 23:30:00 -0500\n"
                                              "\n"
                                              "Retreat orders for Fall of 1901.  (kestrel.003)\n"
                                              " \n"
                                              "France: Army Burgundy -> Picardy.\n"
                                              "Italy: Army Venice DISBAND. \n"
                                              "Ownership of supply centers: \n"
                                              "Austria:   Budapest, Serbia, Trieste, Venice, Vienna.\n"
                                              "England:   Edinburgh, Liverpool, London, Norway.\n"
                                              "France:    Brest, Marseilles, Paris, Portugal, Spain.\n"
                                              "Germany:   Berlin, Denmark, Kiel, Munich.\n"
                                              "Italy:     Naples, Rome, Tunis.\n"
                                              "Russia:    Moscow, Rumania, Sevastopol, St Petersburg, Sweden, Warsaw.\n"
                                              "Turkey:    Ankara, Constantinople, Greece, Smyrna.\n"
                                              "Unowned:   Belgium, Bulgaria, Holland. \n"
                                              + kCountsToRussia +
                                              "Turkey:    4 Supply centers,  3 Units:  Builds   1 unit. \n"
                                              "The next phase of 'kestrel' will be Adjustments for Winter of 1901.\n"
                                              "\n"
                                              "The deadline for orders will be Mon Jan 19 2004 23:30:00 -0500.\n"
                                              "\n";

const std::string kWinter = kHeader + ":: Deadline: F1901B Mon Jan 19 2004 23:30:00 -0500\n"
                                      "\n"
                                      "Adjustment orders for Winter of 1901.  (kestrel.004)\n"
                                      "\n"
                                      "Austria: Builds an army in Budapest.\n"
                                      "Austria: Builds an army in Vienna.\n"
                                      "England: Builds a fleet in London.\n"
                                      "France:  Builds a fleet in Brest.\n"
                                      "France:  Builds an army in Paris.\n"
                                      "Germany: Builds an army in Kiel.\n"
                                      "Italy:   Build waived.\n"
                                      "Russia:  Builds a fleet in St Petersburg (north coast).\n"
                                      "Russia:  Builds an army in Moscow.\n"
                                      "Turkey:  Builds a fleet in Smyrna.\n"
                                      "\n"
                                      "The next phase of 'kestrel' will be Movement for Spring of 1902.\n"
                                      "The deadline for orders will be Mon Jan 26 2004 23:30:00 -0500.\n";

const Strings kSpringUnits{
    "AUSTRIA ARMY SERBIA",     "AUSTRIA ARMY TYROLIA",        "AUSTRIA FLEET TRIESTE",   "ENGLAND FLEET NORWEGIAN SEA",
    "ENGLAND ARMY YORKSHIRE",  "ENGLAND FLEET NORTH SEA",     "FRANCE FLEET MID-ATLANTIC OCEAN", "FRANCE ARMY SPAIN",
    "FRANCE ARMY BURGUNDY",    "GERMANY FLEET DENMARK",       "GERMANY ARMY RUHR",       "GERMANY ARMY MUNICH",
    "ITALY FLEET IONIAN SEA",  "ITALY ARMY APULIA",           "ITALY ARMY VENICE",       "RUSSIA ARMY UKRAINE",
    "RUSSIA FLEET SEVASTOPOL", "RUSSIA FLEET GULF OF BOTHNIA", "RUSSIA ARMY GALICIA",    "TURKEY FLEET ANKARA",
    "TURKEY ARMY BULGARIA",    "TURKEY ARMY ARMENIA"};

const Strings kFallUnits{
    "AUSTRIA ARMY SERBIA",      "AUSTRIA FLEET TRIESTE",      "AUSTRIA ARMY VENICE",  "ENGLAND FLEET NORTH SEA",
    "ENGLAND FLEET NORWEGIAN SEA", "ENGLAND ARMY NORWAY",     "FRANCE FLEET PORTUGAL", "FRANCE ARMY SPAIN",
    "GERMANY FLEET DENMARK",    "GERMANY ARMY MUNICH",        "GERMANY ARMY BURGUNDY", "ITALY FLEET IONIAN SEA",
    "ITALY ARMY TUNIS",         "RUSSIA ARMY GALICIA",        "RUSSIA FLEET SWEDEN",  "RUSSIA FLEET SEVASTOPOL",
    "RUSSIA ARMY RUMANIA",      "TURKEY FLEET BLACK SEA",     "TURKEY ARMY ARMENIA",  "TURKEY ARMY GREECE"};

// A later season's units: the earlier season's, each new unit after the last
// of its power's, as the report lists them.
Strings WithNewUnits(Strings units, const Strings& added)
{
    for (const std::string& unit : added) {
        const std::string power = unit.substr(0, unit.find(' ') + 1);
        const auto last = std::find_if(units.rbegin(), units.rend(),
                                       [&](const std::string& u) { return u.rfind(power, 0) == 0; });
        units.insert(last.base(), unit);
    }
    return units;
}

const Strings kRetreatUnits = WithNewUnits(kFallUnits, {"FRANCE ARMY PICARDY"});

const Strings kWinterUnits =
    WithNewUnits(kRetreatUnits, {"AUSTRIA ARMY BUDAPEST", "AUSTRIA ARMY VIENNA", "ENGLAND FLEET LONDON",
                                 "FRANCE FLEET BREST", "FRANCE ARMY PARIS", "GERMANY ARMY KIEL",
                                 "RUSSIA FLEET ST PETERSBURGNC", "RUSSIA ARMY MOSCOW", "TURKEY FLEET SMYRNA"});

const Strings kAutumnCentres{
    "AUSTRIA BUDAPEST",   "AUSTRIA SERBIA",       "AUSTRIA TRIESTE",    "AUSTRIA VENICE",       "AUSTRIA VIENNA",
    "ENGLAND EDINBURGH",  "ENGLAND LIVERPOOL",    "ENGLAND LONDON",     "ENGLAND NORWAY",       "FRANCE BREST",
    "FRANCE MARSEILLES",  "FRANCE PARIS",         "FRANCE PORTUGAL",    "FRANCE SPAIN",         "GERMANY BERLIN",
    "GERMANY DENMARK",    "GERMANY KIEL",         "GERMANY MUNICH",     "ITALY NAPLES",         "ITALY ROME",
    "ITALY TUNIS",        "RUSSIA MOSCOW",        "RUSSIA RUMANIA",     "RUSSIA SEVASTOPOL",    "RUSSIA ST PETERSBURG",
    "RUSSIA SWEDEN",      "RUSSIA WARSAW",        "TURKEY ANKARA",      "TURKEY CONSTANTINOPLE", "TURKEY GREECE",
    "TURKEY SMYRNA"};

class GameYearTest : public ::testing::Test {
protected:
    GameYearTest()
    {
        importboard::FillStandardBoard(doc);
        // The autumn mail comes as a mail program saves it.
        const std::pair<const char*, std::string> reports[] = {
            {"start.txt", kGameStart}, {"spring.txt", kSpring}, {"fall.txt", importchecks::WithWindowsLineEnds(kFall)},
            {"retreats.txt", kRetreats}, {"winter.txt", kWinter}};
        for (const auto& [name, text] : reports) {
            paths.push_back(dir.Write(name, text));
            doc.OnImport(paths.back().string());
        }
    }

    const CSeasonHdr& Season(const std::string& name) const
    {
        const CSeasonHdr* season = doc.FindSeason(name);
        EXPECT_NE(season, nullptr) << name;
        static const CSeasonHdr none;
        return season ? *season : none;
    }

    CTempDir dir;
    std::vector<std::filesystem::path> paths;
    CRecordingServices services;
    CKestraneDoc doc{services};
};

TEST_F(GameYearTest, FilesEverySeasonInOrderWithoutMessages)
{
    EXPECT_TRUE(services.messages.empty()) << ::testing::PrintToString(services.Texts());
    EXPECT_EQ(importchecks::SeasonNames(doc), (Strings{"S1900M", "S1901M", "F1901M", "F1901R", "F1901B"}));
    EXPECT_EQ(doc.GetCurrentSeason(), &Season("F1901B"));
    EXPECT_EQ(doc.m_strJudge, "USEF");
    EXPECT_EQ(doc.m_strGame, "kestrel");
    EXPECT_EQ(doc.m_strVariant, "Standard ");
    EXPECT_EQ(doc.GetTitle(), "USEF kestrel Standard  F1901B Mon Jan 19 2004 23 30 00 -0500 ");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(services.closeRequests, 0);
}

TEST_F(GameYearTest, UnitsOfEverySeason)
{
    EXPECT_EQ(importchecks::Units(doc, Season("S1900M")), importchecks::kStandardStartUnits);
    EXPECT_EQ(importchecks::Units(doc, Season("S1901M")), kSpringUnits);
    EXPECT_EQ(importchecks::Units(doc, Season("F1901M")), kFallUnits);
    EXPECT_EQ(importchecks::Units(doc, Season("F1901R")), kRetreatUnits);
    EXPECT_EQ(importchecks::Units(doc, Season("F1901B")), kWinterUnits);
}

TEST_F(GameYearTest, DislodgedUnitsAndOrderLines)
{
    EXPECT_EQ(Season("F1901M").m_dislodged, (Strings{"FRANCE ARMY BURGUNDY", "ITALY ARMY VENICE"}));
    for (const char* name : {"S1900M", "S1901M", "F1901R", "F1901B"})
        EXPECT_TRUE(Season(name).m_dislodged.empty()) << name;
    EXPECT_EQ(Season("S1900M").m_orders.size(), 22u);
    EXPECT_EQ(Season("S1901M").m_orders.size(), 22u);
    ASSERT_EQ(Season("F1901M").m_orders.size(), 22u);
    EXPECT_EQ(Season("F1901M").m_orders[17], "Russia: Fleet Sevastopol SUPPORT Army Ukraine -> Rumania.");
    EXPECT_EQ(Season("F1901R").m_orders,
              (Strings{"France: Army Burgundy -> Picardy.", "Italy: Army Venice DISBAND."}));
    ASSERT_EQ(Season("F1901B").m_orders.size(), 10u);
    EXPECT_EQ(Season("F1901B").m_orders[6], "Italy:   Build waived.");
}

TEST_F(GameYearTest, CentresOnlyWhereReportListsThem)
{
    EXPECT_EQ(importchecks::Centres(doc, Season("F1901R")), kAutumnCentres);
    for (const char* name : {"S1900M", "S1901M", "F1901M", "F1901B"})
        EXPECT_TRUE(importchecks::Centres(doc, Season(name)).empty()) << name;
    // The map draws the winter with the autumn's ownership.
    doc.OnLatestSeason();
    EXPECT_EQ(doc.FindOwnershipSeason(), &Season("F1901R"));
}

TEST_F(GameYearTest, ReportFilesHoldJoinedText)
{
    EXPECT_EQ(CTempDir::Read(paths[3]), kRetreatsJoined);
    const std::string fall = CTempDir::Read(paths[2]);
    EXPECT_EQ(fall.find('\r'), std::string::npos);
    EXPECT_NE(fall.find("\nRussia: Fleet Sevastopol SUPPORT Army Ukraine -> Rumania.\n"), std::string::npos);
    EXPECT_NE(fall.find("\nThe following units were dislodged:  The Army in Burgundy can retreat to Gascony or "
                        "Paris or Picardy. The Army in Venice can retreat to Piedmont or Rome or Tuscany. \n"),
              std::string::npos);
    // Mails without a wrapped line need no joining and keep their bytes.
    const std::pair<size_t, std::string> unwrapped[] = {{0, kGameStart}, {1, kSpring}, {4, kWinter}};
    for (const auto& [i, report] : unwrapped)
        EXPECT_EQ(CTempDir::Read(paths[i]), report) << paths[i];
}

} // namespace
