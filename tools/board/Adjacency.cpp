// How armies and fleets move on the standard board, as the Judge's own map
// of it has them, and the names and abbreviations the Judge reads for each
// province. Written with the board's abbreviations (NWY for Norway).
#include "Adjacency.h"

namespace board {

namespace {

using Names = std::vector<std::string>;

ProvinceLinks Sea(std::string abbr, Names names, Names fleet)
{
    return {std::move(abbr), std::move(names), {}, {{"", std::move(fleet)}}};
}

ProvinceLinks Inland(std::string abbr, Names names, Names army)
{
    return {std::move(abbr), std::move(names), std::move(army), {}};
}

ProvinceLinks Coastal(std::string abbr, Names names, Names army, Names fleet)
{
    return {std::move(abbr), std::move(names), std::move(army), {{"", std::move(fleet)}}};
}

ProvinceLinks TwoCoasts(std::string abbr, Names names, Names army, std::vector<FleetMoves> coasts)
{
    return {std::move(abbr), std::move(names), std::move(army), std::move(coasts)};
}

} // namespace

const std::vector<ProvinceLinks>& Links()
{
    static const std::vector<ProvinceLinks> links = {
        Inland("SWI", {"Switzerland", "swi", "switz"}, {}),
        Sea("ADR", {"Adriatic Sea", "adr", "adriatic"}, {"ALB", "APU", "VEN", "TRI", "ION"}),
        Sea("AEG", {"Aegean Sea", "aeg", "aegean"}, {"GRE", "BUL/SC", "CON", "SMY", "EAS", "ION"}),
        Coastal("ALB", {"Albania", "alb"}, {"TRI", "GRE", "SER"}, {"ADR", "TRI", "GRE", "ION"}),
        Coastal("ANK", {"Ankara", "ank"}, {"ARM", "CON", "SMY"}, {"BLA", "ARM", "CON"}),
        Coastal("APU", {"Apulia", "apu"}, {"VEN", "NAP", "ROM"}, {"VEN", "ADR", "ION", "NAP"}),
        Coastal("ARM", {"Armenia", "arm"}, {"SMY", "SYR", "ANK", "SEV"}, {"ANK", "SEV", "BLA"}),
        Sea("BAL", {"Baltic Sea", "bal", "baltic"}, {"LVN", "PRU", "BER", "KIE", "DEN", "SWE", "BOT"}),
        Sea("BAR", {"Barents Sea", "bar", "barents"}, {"NWG", "STP/NC", "NWY"}),
        Coastal("BEL", {"Belgium", "bel"}, {"HOL", "PIC", "RUH", "BUR"}, {"ENG", "NTH", "HOL", "PIC"}),
        Coastal("BER", {"Berlin", "ber"}, {"KIE", "PRU", "SIL", "MUN"}, {"KIE", "BAL", "PRU"}),
        Sea("BLA", {"Black Sea", "bla", "black"}, {"RUM", "SEV", "ARM", "ANK", "CON", "BUL/EC"}),
        Inland("BOH", {"Bohemia", "boh"}, {"MUN", "SIL", "GAL", "VIE", "TYR"}),
        Coastal("BRE", {"Brest", "bre"}, {"PIC", "GAS", "PAR"}, {"MAO", "ENG", "PIC", "GAS"}),
        Inland("BUD", {"Budapest", "bud"}, {"VIE", "GAL", "RUM", "SER", "TRI"}),
        TwoCoasts("BUL", {"Bulgaria", "bul"}, {"GRE", "CON", "SER", "RUM"},
                  {{"EC", {"CON", "BLA", "RUM"}}, {"SC", {"GRE", "AEG", "CON"}}}),
        Inland("BUR", {"Burgundy", "bur"}, {"MAR", "GAS", "PAR", "PIC", "BEL", "RUH", "MUN"}),
        Coastal("CLY", {"Clyde", "cly"}, {"EDI", "LVP"}, {"EDI", "LVP", "NAO", "NWG"}),
        Coastal("CON", {"Constantinople", "con"}, {"BUL", "ANK", "SMY"},
                {"BUL/SC", "BUL/EC", "BLA", "ANK", "SMY", "AEG"}),
        Coastal("DEN", {"Denmark", "den"}, {"SWE", "KIE"}, {"HEL", "NTH", "SWE", "BAL", "KIE", "SKA"}),
        Sea("EAS", {"Eastern Mediterranean", "eas", "emed", "east", "eastern", "eastmed", "ems", "eme"},
            {"SYR", "SMY", "AEG", "ION"}),
        Coastal("EDI", {"Edinburgh", "edi"}, {"LVP", "YOR", "CLY"}, {"NTH", "NWG", "CLY", "YOR"}),
        Sea("ENG", {"English Channel", "eng", "english", "channel", "ech"},
            {"MAO", "IRI", "WAL", "LON", "NTH", "BEL", "PIC", "BRE"}),
        Coastal("FIN", {"Finland", "fin"}, {"SWE", "STP", "NWY"}, {"SWE", "STP/SC", "BOT"}),
        Inland("GAL", {"Galicia", "gal"}, {"WAR", "UKR", "RUM", "BUD", "VIE", "BOH", "SIL"}),
        Coastal("GAS", {"Gascony", "gas"}, {"PAR", "BUR", "MAR", "SPA", "BRE"}, {"SPA/NC", "MAO", "BRE"}),
        Coastal("GRE", {"Greece", "gre"}, {"BUL", "ALB", "SER"}, {"BUL/SC", "AEG", "ION", "ALB"}),
        Sea("LYO", {"Gulf of Lyon", "lyo", "gol", "gulfofl", "lyon"}, {"SPA/SC", "MAR", "PIE", "TUS", "TYS", "WES"}),
        Sea("BOT", {"Gulf of Bothnia", "bot", "gob", "both", "gulfofb", "bothnia"},
            {"SWE", "FIN", "STP/SC", "LVN", "BAL"}),
        Sea("HEL", {"Helgoland Bight", "hel", "helgoland"}, {"NTH", "DEN", "KIE", "HOL"}),
        Coastal("HOL", {"Holland", "hol"}, {"BEL", "KIE", "RUH"}, {"BEL", "NTH", "HEL", "KIE"}),
        Sea("ION", {"Ionian Sea", "ion", "ionian"}, {"TUN", "TYS", "NAP", "APU", "ADR", "ALB", "GRE", "AEG", "EAS"}),
        Sea("IRI", {"Irish Sea", "iri", "irish"}, {"NAO", "LVP", "WAL", "ENG", "MAO"}),
        Coastal("KIE", {"Kiel", "kie"}, {"HOL", "DEN", "BER", "MUN", "RUH"}, {"HOL", "HEL", "DEN", "BAL", "BER"}),
        Coastal("LVP", {"Liverpool", "lvp", "livp", "lpl"}, {"WAL", "EDI", "YOR", "CLY"},
                {"WAL", "IRI", "NAO", "CLY"}),
        Coastal("LVN", {"Livonia", "lvn", "livo", "lvo", "lva"}, {"PRU", "STP", "MOS", "WAR"},
                {"PRU", "BAL", "BOT", "STP/SC"}),
        Coastal("LON", {"London", "lon"}, {"YOR", "WAL"}, {"YOR", "NTH", "ENG", "WAL"}),
        Coastal("MAR", {"Marseilles", "mar", "mars"}, {"SPA", "PIE", "GAS", "BUR"}, {"SPA/SC", "LYO", "PIE"}),
        Sea("MAO", {"Mid-Atlantic Ocean", "mao", "midatlanticocean", "midatlantic", "mid", "mat"},
            {"NAO", "IRI", "ENG", "BRE", "GAS", "SPA/NC", "POR", "SPA/SC", "NAF", "WES"}),
        Inland("MOS", {"Moscow", "mos"}, {"STP", "LVN", "WAR", "UKR", "SEV"}),
        Inland("MUN", {"Munich", "mun"}, {"BUR", "RUH", "KIE", "BER", "SIL", "BOH", "TYR"}),
        Coastal("NAP", {"Naples", "nap"}, {"ROM", "APU"}, {"ROM", "TYS", "ION", "APU"}),
        Sea("NAO", {"North Atlantic Ocean", "nao", "nat"}, {"NWG", "LVP", "IRI", "MAO", "CLY"}),
        Coastal("NAF", {"North Africa", "naf", "nora"}, {"TUN"}, {"MAO", "WES", "TUN"}),
        Sea("NTH", {"North Sea", "nth", "norsea", "nts"},
            {"YOR", "EDI", "NWG", "NWY", "SKA", "DEN", "HEL", "HOL", "BEL", "ENG", "LON"}),
        Coastal("NWY", {"Norway", "nor", "nwy", "norw"}, {"FIN", "STP", "SWE"},
                {"SKA", "NTH", "NWG", "BAR", "STP/NC", "SWE"}),
        Sea("NWG", {"Norwegian Sea", "nwg", "norwsea", "nrg", "norwegian"}, {"NAO", "BAR", "NWY", "NTH", "CLY", "EDI"}),
        Inland("PAR", {"Paris", "par"}, {"BRE", "PIC", "BUR", "GAS"}),
        Coastal("PIC", {"Picardy", "pic"}, {"BUR", "PAR", "BRE", "BEL"}, {"BRE", "ENG", "BEL"}),
        Coastal("PIE", {"Piedmont", "pie"}, {"MAR", "TUS", "VEN", "TYR"}, {"MAR", "LYO", "TUS"}),
        Coastal("POR", {"Portugal", "por"}, {"SPA"}, {"MAO", "SPA/NC", "SPA/SC"}),
        Coastal("PRU", {"Prussia", "pru"}, {"WAR", "SIL", "BER", "LVN"}, {"BER", "BAL", "LVN"}),
        Coastal("ROM", {"Rome", "rom"}, {"TUS", "NAP", "VEN", "APU"}, {"TUS", "TYS", "NAP"}),
        Inland("RUH", {"Ruhr", "ruh"}, {"BUR", "BEL", "HOL", "KIE", "MUN"}),
        Coastal("RUM", {"Rumania", "rum"}, {"SER", "BUD", "GAL", "UKR", "SEV", "BUL"}, {"SEV", "BLA", "BUL/EC"}),
        Inland("SER", {"Serbia", "ser"}, {"TRI", "BUD", "RUM", "BUL", "GRE", "ALB"}),
        Coastal("SEV", {"Sevastopol", "sev", "sevastapol"}, {"UKR", "MOS", "RUM", "ARM"}, {"RUM", "BLA", "ARM"}),
        Inland("SIL", {"Silesia", "sil"}, {"MUN", "BER", "PRU", "WAR", "GAL", "BOH"}),
        Sea("SKA", {"Skagerrak", "ska"}, {"NTH", "NWY", "DEN", "SWE"}),
        Coastal("SMY", {"Smyrna", "smy"}, {"SYR", "CON", "ANK", "ARM"}, {"SYR", "EAS", "AEG", "CON"}),
        TwoCoasts("SPA", {"Spain", "spa"}, {"GAS", "POR", "MAR"},
                  {{"NC", {"GAS", "MAO", "POR"}}, {"SC", {"POR", "WES", "LYO", "MAR", "MAO"}}}),
        TwoCoasts("STP", {"St Petersburg", "stp"}, {"FIN", "LVN", "NWY", "MOS"},
                  {{"NC", {"BAR", "NWY"}}, {"SC", {"FIN", "LVN", "BOT"}}}),
        Coastal("SWE", {"Sweden", "swe"}, {"FIN", "DEN", "NWY"}, {"FIN", "BOT", "BAL", "DEN", "SKA", "NWY"}),
        Coastal("SYR", {"Syria", "syr"}, {"SMY", "ARM"}, {"EAS", "SMY"}),
        Coastal("TRI", {"Trieste", "tri"}, {"TYR", "VIE", "BUD", "SER", "ALB", "VEN"}, {"ALB", "ADR", "VEN"}),
        Coastal("TUN", {"Tunis", "tun"}, {"NAF"}, {"NAF", "WES", "TYS", "ION"}),
        Coastal("TUS", {"Tuscany", "tus"}, {"ROM", "PIE", "VEN"}, {"ROM", "TYS", "LYO", "PIE"}),
        Inland("TYR", {"Tyrolia", "tyr", "tyl", "trl"}, {"MUN", "BOH", "VIE", "TRI", "VEN", "PIE"}),
        Sea("TYS", {"Tyrrhenian Sea", "tys", "tyrr", "tyrrhenian", "tyn", "tyh"},
            {"WES", "LYO", "TUS", "ROM", "NAP", "ION", "TUN"}),
        Inland("UKR", {"Ukraine", "ukr"}, {"RUM", "GAL", "WAR", "MOS", "SEV"}),
        Coastal("VEN", {"Venice", "ven"}, {"TYR", "TUS", "ROM", "PIE", "APU", "TRI"}, {"APU", "ADR", "TRI"}),
        Inland("VIE", {"Vienna", "vie"}, {"TYR", "BOH", "GAL", "BUD", "TRI"}),
        Coastal("WAL", {"Wales", "wal"}, {"LVP", "LON", "YOR"}, {"LVP", "IRI", "ENG", "LON"}),
        Inland("WAR", {"Warsaw", "war"}, {"SIL", "PRU", "LVN", "MOS", "UKR", "GAL"}),
        Sea("WES", {"Western Mediterranean", "wes", "wmed", "west", "western", "westmed", "wms", "wme"},
            {"MAO", "SPA/SC", "LYO", "TYS", "TUN", "NAF"}),
        Coastal("YOR", {"Yorkshire", "yor", "york", "yonkers"}, {"EDI", "LON", "LVP", "WAL"}, {"EDI", "NTH", "LON"}),
    };
    return links;
}

} // namespace board
