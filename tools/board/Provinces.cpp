// The provinces of the standard board: names as the Judge prints them in its
// result mails, and where on the globe each one's label, centre and coasts
// sit. The layout step moves labels and units only as far as needed to fit.
#include "Provinces.h"

namespace board {

namespace {

enum PowerIndex { kAustria, kEngland, kFrance, kGermany, kItaly, kRussia, kTurkey };

Province Land(std::string abbr, std::vector<std::string> names, int home, GeoPoint anchor,
              std::optional<GeoPoint> centre = std::nullopt)
{
    Province p;
    p.abbreviation = std::move(abbr);
    p.names = std::move(names);
    p.home = home;
    p.anchor = anchor;
    p.centre = centre;
    return p;
}

Province Sea(std::string abbr, std::vector<std::string> names, GeoPoint anchor)
{
    Province p;
    p.abbreviation = std::move(abbr);
    p.names = std::move(names);
    p.terrain = Terrain::Sea;
    p.anchor = anchor;
    return p;
}

Province WithCoasts(Province p, std::vector<Coast> coasts)
{
    p.coasts = std::move(coasts);
    return p;
}

Province WithIslands(Province p, std::vector<GeoPoint> islands)
{
    p.islands = std::move(islands);
    return p;
}

} // namespace

const std::vector<Power>& Powers()
{
    static const std::vector<Power> powers = {
        {"Austria", {210, 40, 40}, {245, 212, 204}},
        {"England", {60, 60, 200}, {222, 216, 242}},
        {"France", {70, 170, 235}, {210, 232, 246}},
        {"Germany", {120, 85, 50}, {228, 214, 192}},
        {"Italy", {40, 160, 60}, {214, 238, 202}},
        {"Russia", {150, 70, 190}, {236, 220, 242}},
        {"Turkey", {235, 200, 30}, {248, 240, 192}},
    };
    return powers;
}

const std::vector<Province>& Provinces()
{
    static const std::vector<Province> provinces = {
        // England
        Land("CLY", {"Clyde"}, kEngland, {-4.9, 57.1}),
        WithIslands(Land("EDI", {"Edinburgh"}, kEngland, {-3.0, 57.1}, GeoPoint{-3.2, 55.95}), {{-3.5, 58.45}}),
        Land("LVP", {"Liverpool"}, kEngland, {-3.0, 54.5}, GeoPoint{-2.95, 53.42}),
        Land("YOR", {"Yorkshire"}, kEngland, {-1.4, 54.0}),
        Land("WAL", {"Wales"}, kEngland, {-3.8, 52.2}),
        Land("LON", {"London"}, kEngland, {-0.4, 51.9}, GeoPoint{-0.1, 51.5}),
        // France
        Land("BRE", {"Brest"}, kFrance, {-2.8, 48.2}, GeoPoint{-4.45, 48.4}),
        Land("PIC", {"Picardy"}, kFrance, {2.0, 49.95}),
        Land("PAR", {"Paris"}, kFrance, {1.6, 48.2}, GeoPoint{2.35, 48.85}),
        Land("BUR", {"Burgundy"}, kFrance, {4.7, 47.4}),
        Land("GAS", {"Gascony"}, kFrance, {0.0, 44.6}),
        Land("MAR", {"Marseilles"}, kFrance, {5.0, 44.5}, GeoPoint{5.4, 43.4}),
        // Germany
        Land("KIE", {"Kiel"}, kGermany, {9.3, 53.3}, GeoPoint{10.1, 54.25}),
        Land("BER", {"Berlin"}, kGermany, {13.6, 53.3}, GeoPoint{13.4, 52.5}),
        Land("PRU", {"Prussia"}, kGermany, {20.0, 53.9}),
        Land("SIL", {"Silesia"}, kGermany, {16.8, 51.4}),
        Land("MUN", {"Munich"}, kGermany, {10.8, 49.8}, GeoPoint{11.6, 48.15}),
        Land("RUH", {"Ruhr"}, kGermany, {7.3, 50.9}),
        // Italy
        Land("PIE", {"Piedmont"}, kItaly, {8.3, 45.0}),
        Land("VEN", {"Venice"}, kItaly, {11.3, 45.3}, GeoPoint{12.3, 45.45}),
        Land("TUS", {"Tuscany"}, kItaly, {11.1, 43.4}),
        Land("ROM", {"Rome"}, kItaly, {12.9, 42.1}, GeoPoint{12.5, 41.9}),
        Land("APU", {"Apulia"}, kItaly, {15.9, 41.2}),
        Land("NAP", {"Naples"}, kItaly, {16.0, 39.4}, GeoPoint{14.3, 40.85}),
        // Austria
        Land("TYR", {"Tyrolia", "Tyrol"}, kAustria, {11.5, 47.0}),
        Land("BOH", {"Bohemia"}, kAustria, {14.6, 49.8}),
        Land("GAL", {"Galicia"}, kAustria, {22.0, 49.8}),
        Land("VIE", {"Vienna"}, kAustria, {15.4, 47.9}, GeoPoint{16.37, 48.2}),
        Land("BUD", {"Budapest"}, kAustria, {20.5, 47.0}, GeoPoint{19.05, 47.5}),
        Land("TRI", {"Trieste"}, kAustria, {16.3, 44.7}, GeoPoint{13.8, 45.65}),
        // Russia
        WithCoasts(Land("STP", {"St Petersburg", "St. Petersburg", "Saint Petersburg"}, kRussia,
                        {35.0, 63.5}, GeoPoint{30.3, 59.9}),
                   {{"NC", {37.0, 68.2}}, {"SC", {29.0, 60.1}}}),
        Land("MOS", {"Moscow"}, kRussia, {38.0, 54.5}, GeoPoint{37.6, 55.75}),
        Land("LVN", {"Livonia"}, kRussia, {25.6, 56.8}),
        Land("WAR", {"Warsaw"}, kRussia, {22.0, 52.7}, GeoPoint{21.0, 52.25}),
        Land("UKR", {"Ukraine"}, kRussia, {31.0, 49.7}),
        Land("SEV", {"Sevastopol"}, kRussia, {40.5, 46.6}, GeoPoint{33.6, 44.75}),
        // Turkey
        WithIslands(Land("CON", {"Constantinople"}, kTurkey, {27.4, 41.3}, GeoPoint{28.95, 41.05}),
                    {{29.5, 40.2}}),
        Land("ANK", {"Ankara"}, kTurkey, {33.5, 40.6}, GeoPoint{32.85, 39.95}),
        Land("SMY", {"Smyrna"}, kTurkey, {31.0, 38.0}, GeoPoint{27.2, 38.45}),
        Land("ARM", {"Armenia"}, kTurkey, {41.0, 39.6}),
        Land("SYR", {"Syria"}, kTurkey, {38.5, 34.9}),
        // Neutral lands
        Land("NWY", {"Norway"}, -1, {8.8, 61.6}, GeoPoint{10.75, 59.9}),
        Land("SWE", {"Sweden"}, -1, {15.5, 62.8}, GeoPoint{18.0, 59.35}),
        Land("FIN", {"Finland"}, -1, {26.5, 63.0}),
        WithIslands(Land("DEN", {"Denmark"}, -1, {9.2, 56.2}, GeoPoint{12.4, 55.65}),
                    {{11.6, 55.5}, {10.4, 55.3}}),
        Land("HOL", {"Holland"}, -1, {5.9, 52.6}, GeoPoint{4.9, 52.35}),
        Land("BEL", {"Belgium"}, -1, {4.9, 50.5}, GeoPoint{4.35, 50.85}),
        WithCoasts(Land("SPA", {"Spain"}, -1, {-3.7, 40.0}, GeoPoint{-3.7, 40.5}),
                   {{"NC", {-5.5, 43.25}}, {"SC", {-3.0, 37.2}}}),
        Land("POR", {"Portugal"}, -1, {-8.0, 39.8}, GeoPoint{-9.1, 38.75}),
        Land("NAF", {"North Africa"}, -1, {0.0, 34.0}),
        Land("TUN", {"Tunis", "Tunisia"}, -1, {9.4, 34.6}, GeoPoint{10.2, 36.75}),
        Land("SER", {"Serbia"}, -1, {21.0, 43.6}, GeoPoint{20.45, 44.8}),
        Land("ALB", {"Albania"}, -1, {20.0, 40.9}),
        Land("GRE", {"Greece"}, -1, {22.0, 39.4}, GeoPoint{23.7, 38.0}),
        WithCoasts(Land("BUL", {"Bulgaria"}, -1, {25.0, 42.7}, GeoPoint{23.3, 42.7}),
                   {{"EC", {27.6, 43.0}}, {"SC", {25.0, 41.15}}}),
        Land("RUM", {"Rumania", "Romania"}, -1, {25.0, 45.6}, GeoPoint{26.1, 44.45}),
        // Seas
        Sea("NAO", {"North Atlantic Ocean", "North Atlantic"}, {-11.5, 57.5}),
        Sea("NWG", {"Norwegian Sea"}, {2.5, 66.0}),
        Sea("BAR", {"Barents Sea"}, {38.0, 71.5}),
        Sea("NTH", {"North Sea"}, {3.0, 56.0}),
        Sea("IRI", {"Irish Sea"}, {-5.4, 53.3}),
        Sea("ENG", {"English Channel"}, {-2.5, 50.0}),
        Sea("MAO", {"Mid-Atlantic Ocean", "Mid Atlantic Ocean", "Mid-Atlantic"}, {-11.0, 44.5}),
        Sea("HEL", {"Heligoland Bight", "Helgoland Bight"}, {7.4, 54.3}),
        Sea("SKA", {"Skagerrak", "Skagerrack"}, {9.3, 57.9}),
        Sea("BAL", {"Baltic Sea"}, {17.0, 55.4}),
        Sea("BOT", {"Gulf of Bothnia"}, {20.0, 61.5}),
        Sea("WES", {"Western Mediterranean"}, {3.5, 38.0}),
        Sea("LYO", {"Gulf of Lyon", "Gulf of Lyons"}, {5.5, 42.2}),
        Sea("TYS", {"Tyrrhenian Sea"}, {12.0, 39.8}),
        Sea("ION", {"Ionian Sea"}, {18.5, 36.5}),
        Sea("ADR", {"Adriatic Sea"}, {15.5, 43.0}),
        Sea("AEG", {"Aegean Sea"}, {25.0, 38.6}),
        Sea("EAS", {"Eastern Mediterranean"}, {31.0, 34.0}),
        Sea("BLA", {"Black Sea"}, {34.0, 43.3}),
        // Impassable
        [] {
            Province swi = Land("SWI", {"Switzerland"}, -1, {8.2, 46.8});
            swi.terrain = Terrain::Impassable;
            return swi;
        }(),
    };
    return provinces;
}

} // namespace board
