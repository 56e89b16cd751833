// A whole game year imported report by report through the file import, each
// report written as the Judge writes it (wrapped lines included), checking
// the units and centres of every season and the joined text left on disk.

#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/ImportTestBoard.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string Mail(const std::string& season, const Lines& body, const std::string& lineEnd = "\n")
{
    std::string text = "Subject: dt - " + season + lineEnd + lineEnd;
    text += ":: Judge: XXXX  Game: dt  Variant: Standard" + lineEnd;
    text += ":: Deadline: " + season + " Mon Jan 12 2004 23:30:00 +0000" + lineEnd + lineEnd;
    for (const std::string& line : body)
        text += line + lineEnd;
    return text;
}

const Lines kStartingPosition = {
    "You have been selected as France in game 'dt' of Diplomacy.",
    "",
    "Starting position for Spring of 1901.",
    "",
    "Austria: Army  Vienna.",
    "Austria: Army  Budapest.",
    "Austria: Fleet Trieste.",
    "",
    "England: Fleet London.",
    "England: Fleet Edinburgh.",
    "England: Army  Liverpool.",
    "",
    "France:  Army  Paris.",
    "France:  Army  Marseilles.",
    "France:  Fleet Brest.",
    "",
    "Germany: Army  Berlin.",
    "Germany: Army  Munich.",
    "Germany: Fleet Kiel.",
    "",
    "Italy:   Army  Rome.",
    "Italy:   Army  Venice.",
    "Italy:   Fleet Naples.",
    "",
    "Russia:  Army  Moscow.",
    "Russia:  Army  Warsaw.",
    "Russia:  Fleet St Petersburg (south coast).",
    "Russia:  Fleet Sevastopol.",
    "",
    "Turkey:  Army  Constantinople.",
    "Turkey:  Army  Smyrna.",
    "Turkey:  Fleet Ankara.",
    "",
    "",
    "The deadline for the first orders is Tue Jan 06 2004 23:30:00 +0000.",
};

const Lines kSpringMovement = {
    "Movement results for Spring of 1901.  (dt.001)",
    "",
    "Austria: Army Budapest -> Serbia.",
    "Austria: Fleet Trieste HOLD.",
    "Austria: Army Vienna -> Tyrolia.",
    "",
    "England: Fleet Edinburgh -> Norwegian Sea.",
    "England: Army Liverpool -> Yorkshire.",
    "England: Fleet London -> North Sea.",
    "",
    "France: Fleet Brest -> Mid-Atlantic Ocean.",
    "France: Army Marseilles -> Spain.",
    "France: Army Paris -> Burgundy.",
    "",
    "Germany: Army Berlin -> Kiel.",
    "Germany: Fleet Kiel -> Denmark.",
    "Germany: Army Munich -> Ruhr.",
    "",
    "Italy: Fleet Naples -> Ionian Sea.",
    "Italy: Army Rome -> Apulia.",
    "Italy: Army Venice HOLD.",
    "",
    "Russia: Army Moscow -> Ukraine.",
    "Russia: Fleet Sevastopol -> Black Sea.  (*bounce*)",
    "Russia: Fleet St Petersburg (south coast) -> Gulf of",
    "         Bothnia.",
    "Russia: Army Warsaw -> Galicia.",
    "",
    "Turkey: Fleet Ankara -> Black Sea.  (*bounce*)",
    "Turkey: Army Constantinople -> Bulgaria.",
    "Turkey: Army Smyrna -> Armenia.",
    "",
    "The next phase of 'dt' will be Movement for Fall of 1901.",
    "The deadline for orders will be Mon Jan 19 2004 23:30:00 +0000.",
};

const Lines kFallMovement = {
    "Movement results for Fall of 1901.  (dt.002)",
    "",
    "Austria: Army Serbia -> Greece.  (*bounce*)",
    "Austria: Fleet Trieste SUPPORT Army Tyrolia -> Venice.",
    "Austria: Army Tyrolia -> Venice.",
    "",
    "England: Fleet North Sea CONVOY Army Yorkshire -> Norway.",
    "England: Fleet Norwegian Sea -> Barents Sea.",
    "England: Army Yorkshire -> North Sea ->",
    "    Norway.",
    "",
    "France: Fleet Mid-Atlantic Ocean -> Portugal.",
    "France: Army Spain HOLD.",
    "France: Army Burgundy -> Belgium.",
    "",
    "Germany: Army Kiel -> Holland.",
    "Germany: Fleet Denmark -> Sweden.  (*bounce*)",
    "Germany: Army Ruhr SUPPORT Army Kiel -> Holland.",
    "",
    "Italy: Fleet Ionian Sea HOLD.",
    "Italy: Army Apulia -> Naples.",
    "Italy: Army Venice HOLD.  (*dislodged*)",
    "",
    "Russia: Army Ukraine -> Rumania.",
    "Russia: Fleet Sevastopol -> Black Sea.",
    "Russia: Fleet Gulf of Bothnia -> Sweden.  (*bounce*)",
    "Russia: Army Galicia -> Budapest.",
    "",
    "Turkey: Army Armenia, No Order Processed.",
    "Turkey: Army Bulgaria -> Greece.  (*bounce*)",
    "Turkey: Fleet Ankara -> Constantinople.",
    "",
    "The following units were dislodged:",
    "",
    "The Army in Venice can retreat to Piedmont, Rome or Tuscany.",
    "",
    "The next phase of 'dt' will be Retreats for Fall of 1901.",
    "The deadline for orders will be Wed Jan 21 2004 23:30:00 +0000.",
};

const Lines kFallRetreat = {
    "Retreat orders for Fall of 1901.  (dt.003)",
    "",
    "Italy: Army Venice -> Tuscany.",
    "",
    "Ownership of supply centers:",
    "",
    "Austria:   Serbia, Trieste, Venice, Vienna.",
    "England:   Edinburgh, Liverpool, London, Norway.",
    "France:    Belgium, Brest, Marseilles, Paris, Portugal, Spain.",
    "Germany:   Berlin, Denmark, Holland, Kiel, Munich.",
    "Italy:     Naples, Rome.",
    "Russia:    Budapest, Moscow, Rumania, Sevastopol, St Petersburg,",
    "           Warsaw.",
    "Turkey:    Ankara, Bulgaria, Constantinople, Smyrna.",
    "Unowned:   Greece, Sweden,",
    "           Tunis.",
    "",
    "Austria:   4 Supply centers,  3 Units:  Builds   1 unit.",
    "Italy:     2 Supply centers,  3 Units:  Removes  1 unit.",
    "",
    "The next phase of 'dt' will be Adjustments for Winter of 1901.",
    "The deadline for orders will be Fri Jan 23 2004 23:30:00 +0000.",
};

const Lines kWinterAdjustment = {
    "Adjustment orders for Winter of 1901.  (dt.004)",
    "",
    "Austria:  Builds an army in Vienna.",
    "",
    "England:  Builds a fleet in Edinburgh.",
    "",
    "France:   Builds a fleet in Brest.",
    "France:   Builds an army in Marseilles.",
    "France:   Build waived.",
    "",
    "Germany:  Builds an army in Berlin.",
    "Germany:  Builds a fleet in Kiel.",
    "",
    "Italy:    Removes the fleet in the Ionian Sea.",
    "",
    "Russia:   Builds a fleet in St Petersburg (north coast).",
    "Russia:   Builds an army in Moscow.",
    "",
    "Turkey:   Builds a fleet in Smyrna.",
    "",
    "The next phase of 'dt' will be Movement for Spring of 1902.",
    "The deadline for orders will be Mon Jan 26 2004 23:30:00 +0000.",
};

using Units = std::vector<std::string>;

const Units kStartUnits = {
    "AUSTRIA ARMY VIENNA",    "AUSTRIA ARMY BUDAPEST",  "AUSTRIA FLEET TRIESTE",     "ENGLAND FLEET LONDON",
    "ENGLAND FLEET EDINBURGH", "ENGLAND ARMY LIVERPOOL", "FRANCE ARMY PARIS",         "FRANCE ARMY MARSEILLES",
    "FRANCE FLEET BREST",      "GERMANY ARMY BERLIN",    "GERMANY ARMY MUNICH",       "GERMANY FLEET KIEL",
    "ITALY ARMY ROME",         "ITALY ARMY VENICE",      "ITALY FLEET NAPLES",        "RUSSIA ARMY MOSCOW",
    "RUSSIA ARMY WARSAW",      "RUSSIA FLEET ST PETERSBURGSC", "RUSSIA FLEET SEVASTOPOL", "TURKEY ARMY CONSTANTINOPLE",
    "TURKEY ARMY SMYRNA",      "TURKEY FLEET ANKARA"};

const Units kSpringUnits = {
    "AUSTRIA ARMY SERBIA",      "AUSTRIA FLEET TRIESTE",    "AUSTRIA ARMY TYROLIA",    "ENGLAND FLEET NORWEGIAN SEA",
    "ENGLAND ARMY YORKSHIRE",   "ENGLAND FLEET NORTH SEA",  "FRANCE FLEET MID-ATLANTIC OCEAN", "FRANCE ARMY SPAIN",
    "FRANCE ARMY BURGUNDY",     "GERMANY ARMY KIEL",        "GERMANY FLEET DENMARK",   "GERMANY ARMY RUHR",
    "ITALY FLEET IONIAN SEA",   "ITALY ARMY APULIA",        "ITALY ARMY VENICE",       "RUSSIA ARMY UKRAINE",
    "RUSSIA FLEET SEVASTOPOL",  "RUSSIA FLEET GULF OF BOTHNIA", "RUSSIA ARMY GALICIA", "TURKEY FLEET ANKARA",
    "TURKEY ARMY BULGARIA",     "TURKEY ARMY ARMENIA"};

const Units kFallUnits = {
    "AUSTRIA ARMY SERBIA",     "AUSTRIA FLEET TRIESTE",   "AUSTRIA ARMY VENICE",      "ENGLAND FLEET NORTH SEA",
    "ENGLAND FLEET BARENTS SEA", "ENGLAND ARMY NORWAY",   "FRANCE FLEET PORTUGAL",    "FRANCE ARMY SPAIN",
    "FRANCE ARMY BELGIUM",     "GERMANY ARMY HOLLAND",    "GERMANY FLEET DENMARK",    "GERMANY ARMY RUHR",
    "ITALY FLEET IONIAN SEA",  "ITALY ARMY NAPLES",       "RUSSIA ARMY RUMANIA",      "RUSSIA FLEET BLACK SEA",
    "RUSSIA FLEET GULF OF BOTHNIA", "RUSSIA ARMY BUDAPEST", "TURKEY ARMY ARMENIA",    "TURKEY ARMY BULGARIA",
    "TURKEY FLEET CONSTANTINOPLE"};

const Units kRetreatUnits = {
    "AUSTRIA ARMY SERBIA",     "AUSTRIA FLEET TRIESTE",   "AUSTRIA ARMY VENICE",      "ENGLAND FLEET NORTH SEA",
    "ENGLAND FLEET BARENTS SEA", "ENGLAND ARMY NORWAY",   "FRANCE FLEET PORTUGAL",    "FRANCE ARMY SPAIN",
    "FRANCE ARMY BELGIUM",     "GERMANY ARMY HOLLAND",    "GERMANY FLEET DENMARK",    "GERMANY ARMY RUHR",
    "ITALY FLEET IONIAN SEA",  "ITALY ARMY NAPLES",       "ITALY ARMY TUSCANY",       "RUSSIA ARMY RUMANIA",
    "RUSSIA FLEET BLACK SEA",  "RUSSIA FLEET GULF OF BOTHNIA", "RUSSIA ARMY BUDAPEST", "TURKEY ARMY ARMENIA",
    "TURKEY ARMY BULGARIA",    "TURKEY FLEET CONSTANTINOPLE"};

const Units kWinterUnits = {
    "AUSTRIA ARMY SERBIA",      "AUSTRIA FLEET TRIESTE",     "AUSTRIA ARMY VENICE",      "AUSTRIA ARMY VIENNA",
    "ENGLAND FLEET NORTH SEA",  "ENGLAND FLEET BARENTS SEA", "ENGLAND ARMY NORWAY",      "ENGLAND FLEET EDINBURGH",
    "FRANCE FLEET PORTUGAL",    "FRANCE ARMY SPAIN",         "FRANCE ARMY BELGIUM",      "FRANCE FLEET BREST",
    "FRANCE ARMY MARSEILLES",   "GERMANY ARMY HOLLAND",      "GERMANY FLEET DENMARK",    "GERMANY ARMY RUHR",
    "GERMANY ARMY BERLIN",      "GERMANY FLEET KIEL",        "ITALY ARMY NAPLES",        "ITALY ARMY TUSCANY",
    "RUSSIA ARMY RUMANIA",      "RUSSIA FLEET BLACK SEA",    "RUSSIA FLEET GULF OF BOTHNIA", "RUSSIA ARMY BUDAPEST",
    "RUSSIA FLEET ST PETERSBURGNC", "RUSSIA ARMY MOSCOW",    "TURKEY ARMY ARMENIA",      "TURKEY ARMY BULGARIA",
    "TURKEY FLEET CONSTANTINOPLE", "TURKEY FLEET SMYRNA"};

const Units kFallCentres = {
    "AUSTRIA SERBIA",  "AUSTRIA TRIESTE",   "AUSTRIA VENICE",   "AUSTRIA VIENNA",     "ENGLAND EDINBURGH",
    "ENGLAND LIVERPOOL", "ENGLAND LONDON",  "ENGLAND NORWAY",   "FRANCE BELGIUM",     "FRANCE BREST",
    "FRANCE MARSEILLES", "FRANCE PARIS",    "FRANCE PORTUGAL",  "FRANCE SPAIN",       "GERMANY BERLIN",
    "GERMANY DENMARK", "GERMANY HOLLAND",   "GERMANY KIEL",     "GERMANY MUNICH",     "ITALY NAPLES",
    "ITALY ROME",      "RUSSIA BUDAPEST",   "RUSSIA MOSCOW",    "RUSSIA RUMANIA",     "RUSSIA SEVASTOPOL",
    "RUSSIA ST PETERSBURG", "RUSSIA WARSAW", "TURKEY ANKARA",   "TURKEY BULGARIA",    "TURKEY CONSTANTINOPLE",
    "TURKEY SMYRNA"};

class GameYearImport : public ::testing::Test {
protected:
    GameYearImport() { importboard::FillStandardBoard(doc); }

    // Imports one mail from a file and returns what the file holds afterwards.
    std::string Import(const std::string& name, const std::string& mail)
    {
        const auto path = dir.Write(name, mail);
        doc.OnImport(path.string());
        return CTempDir::Read(path);
    }

    const CSeasonHdr& Season(const std::string& name)
    {
        const CSeasonHdr* season = doc.FindSeason(name);
        EXPECT_NE(season, nullptr) << name;
        static const CSeasonHdr none;
        return season ? *season : none;
    }

    CRecordingServices services;
    CKestraneDoc doc{services};
    CTempDir dir;
};

TEST_F(GameYearImport, EverySeasonHoldsTheUnitsAndCentresItsReportGives)
{
    Import("start.txt", Mail("S1901M", kStartingPosition));
    const std::string spring = Import("s1901m.txt", Mail("S1901M", kSpringMovement, "\r\n"));
    const std::string fall = Import("f1901m.txt", Mail("F1901M", kFallMovement));
    const std::string retreat = Import("f1901r.txt", Mail("F1901R", kFallRetreat));
    Import("f1901b.txt", Mail("F1901B", kWinterAdjustment));

    EXPECT_TRUE(services.messages.empty()) << services.messages.front().text;
    EXPECT_EQ(services.closeRequests, 0);
    EXPECT_EQ(importchecks::SeasonNames(doc), (Units{"S1900M", "S1901M", "F1901M", "F1901R", "F1901B"}));

    EXPECT_EQ(importchecks::Units(doc, Season("S1900M")), kStartUnits);
    EXPECT_EQ(importchecks::Units(doc, Season("S1901M")), kSpringUnits);
    EXPECT_EQ(importchecks::Units(doc, Season("F1901M")), kFallUnits);
    EXPECT_EQ(importchecks::Units(doc, Season("F1901R")), kRetreatUnits);
    EXPECT_EQ(importchecks::Units(doc, Season("F1901B")), kWinterUnits);

    EXPECT_EQ(Season("F1901M").m_dislodged, Units{"ITALY ARMY VENICE"});
    for (const char* name : {"S1900M", "S1901M", "F1901R", "F1901B"})
        EXPECT_TRUE(Season(name).m_dislodged.empty()) << name;

    for (const char* name : {"S1900M", "S1901M", "F1901M", "F1901B"})
        EXPECT_TRUE(importchecks::Centres(doc, Season(name)).empty()) << name;
    EXPECT_EQ(importchecks::Centres(doc, Season("F1901R")), kFallCentres);

    // Each order the Judge wrapped is one line of the order text and of the
    // file on disk, which holds plain line feeds afterwards.
    const auto& springOrders = Season("S1901M").m_orders;
    EXPECT_EQ(springOrders.size(), 22u);
    EXPECT_NE(std::find(springOrders.begin(), springOrders.end(),
                        "Russia: Fleet St Petersburg (south coast) -> Gulf of Bothnia."),
              springOrders.end());
    EXPECT_NE(spring.find("\nRussia: Fleet St Petersburg (south coast) -> Gulf of Bothnia.\n"), std::string::npos);
    EXPECT_EQ(spring.find('\r'), std::string::npos);
    // The blank line after an entry joins it as one more blank.
    EXPECT_NE(fall.find("\nEngland: Army Yorkshire -> North Sea -> Norway. \n"), std::string::npos) << fall;
    EXPECT_NE(retreat.find("\nRussia:    Budapest, Moscow, Rumania, Sevastopol, St Petersburg, Warsaw.\n"),
              std::string::npos);
    EXPECT_EQ(Season("F1901B").m_orders.size(), 11u);
}

TEST_F(GameYearImport, ARetreatWithoutItsMovementSeasonIsRefusedBeforeParsing)
{
    Import("start.txt", Mail("S1901M", kStartingPosition));
    Import("s1901m.txt", Mail("S1901M", kSpringMovement));
    Import("f1901r.txt", Mail("F1901R", kFallRetreat));

    EXPECT_EQ(importchecks::SeasonNames(doc), (Units{"S1900M", "S1901M"}));
    EXPECT_EQ(services.closeRequests, 0);
    EXPECT_EQ(services.messages,
              (std::vector<CRecordingServices::Message>{
                  {"Cannot import Retreat F1901R since no corresponding move data for F1901M exists,\ndata rejected.",
                   MessageIcon::Exclamation}}));
}

} // namespace
