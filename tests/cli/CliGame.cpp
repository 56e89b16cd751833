#include "CliGame.h"

namespace cligame {

testgame::TestGameSpec Desc()
{
    testgame::TestGameSpec desc;
    desc.mapName = "Test";
    desc.pictureName = "BOARD.BMP";
    desc.countries = {{"England", 200, 0, 0}, {"France", 0, 0, 200}, {"Germany", 0, 0, 0}};
    desc.provinces = {{"London", 14, 16},     {"Liverpool", 10, 8},  {"Edinburgh", 16, 4},
                      {"North Sea", 34, 10},  {"English Channel", 16, 30}, {"Brest", 10, 40},
                      {"Paris", 22, 50},      {"Picardy", 30, 36},   {"Marseilles", 26, 60},
                      {"Burgundy", 40, 50},   {"Belgium", 44, 34},   {"Holland", 52, 24},
                      {"Ruhr", 58, 40},       {"Kiel", 66, 20},      {"Munich", 70, 52},
                      {"Berlin", 84, 18}};
    desc.supplyCentres = {{"London", 18, 20},   {"Liverpool", 6, 12}, {"Edinburgh", 20, 6},
                          {"Brest", 6, 44},     {"Paris", 26, 54},    {"Marseilles", 30, 58},
                          {"Belgium", 48, 30},  {"Holland", 56, 20},  {"Kiel", 70, 16},
                          {"Munich", 74, 56},   {"Berlin", 88, 14}};
    desc.scRadius = 3;
    desc.width = 96;
    desc.height = 64;
    // Index 1 land, 2 sea, 3 a dark coast line: enough detail that a picture
    // drawn at the wrong place or scale shows.
    desc.palette = {0x000000, 0xE8E0C0, 0x80B0E0, 0x405030};
    desc.pixel = [](int x, int y) -> uint32_t {
        if (x == 3 * y / 2 || x == 3 * y / 2 + 1)
            return 3;
        return x < 3 * y / 2 ? 1 : 2;
    };
    return desc;
}

std::string Header(const std::string& season, const std::string& deadline)
{
    return ":: Judge: TEST  Game: kt  Variant: Standard\n:: Deadline: " + season + " " + deadline + "\n";
}

std::string GameStart()
{
    return Header("S1901M", "Mon Jan 12 2004 23:30 -0500") +
           "\n"
           "You have been selected as England in game 'kt' of Diplomacy.\n"
           "\n"
           "Starting position for Spring of 1901.\n"
           "\n"
           "England: Fleet London.\n"
           "England: Army  Liverpool.\n"
           "\n"
           "France:  Army  Paris.\n"
           "France:  Fleet Brest.\n"
           "France:  Army  Marseilles.\n"
           "\n"
           "Germany: Army  Berlin.\n"
           "Germany: Army  Munich.\n"
           "\n"
           "The deadline for the first orders is Mon Jan 12 2004 23:30 -0500.\n";
}

std::string SpringMovement()
{
    return Header("S1901M", "Mon Feb 02 2004 23:30 -0500") +
           "\n"
           "Movement results for Spring of 1901.  (kt.001)\n"
           "\n"
           "England: Fleet London -> North Sea.\n"
           "England: Army Liverpool -> Edinburgh.\n"
           "France: Army Paris -> Picardy.\n"
           "France: Fleet Brest -> English Channel.\n"
           "France: Army Marseilles -> Burgundy.\n"
           "Germany: Army Berlin -> Kiel.\n"
           "Germany: Army Munich -> Ruhr.\n"
           "\n"
           "Ownership of supply centers:\n"
           "\n"
           "England:  Edinburgh, Liverpool, London.\n"
           "France:   Brest, Marseilles, Paris.\n"
           "Germany:  Berlin, Kiel, Munich.\n"
           "\n"
           "The next phase of 'kt' will be Movement for Fall of 1901.\n"
           "The deadline for orders will be Mon Feb 09 2004 23:30 -0500.\n";
}

std::string FallMovement()
{
    return Header("F1901M", "Mon Feb 09 2004 23:30 -0500") +
           "\n"
           "Movement results for Fall of 1901.  (kt.002)\n"
           "\n"
           "England: Fleet North Sea -> Holland.\n"
           "England: Army Edinburgh HOLD.\n"
           "France: Army Picardy -> Belgium.\n"
           "France: Fleet English Channel SUPPORT Army Picardy -> Belgium.\n"
           "France: Army Burgundy -> Ruhr.\n"
           "Germany: Army Kiel -> Holland.  (*bounce*)\n"
           "Germany: Army Ruhr HOLD.  (*dislodged*)\n"
           "\n"
           "Ownership of supply centers:\n"
           "\n"
           "England:  Edinburgh, Holland, Liverpool,\n"
           "          London.\n"
           "France:   Belgium, Brest, Marseilles, Paris.\n"
           "Germany:  Berlin, Kiel, Munich.\n"
           "\n"
           "The next phase of 'kt' will be Retreats for Fall of 1901.\n"
           "The deadline for orders will be Mon Feb 16 2004 23:30 -0500.\n";
}

std::string FallRetreats()
{
    return Header("F1901R", "Mon Feb 16 2004 23:30 -0500") +
           "\n"
           "Retreat orders for Fall of 1901.  (kt.003)\n"
           "\n"
           "Germany: Army Ruhr -> Munich.\n"
           "\n"
           "The next phase of 'kt' will be Adjustments for Winter of 1901.\n"
           "The deadline for orders will be Mon Feb 23 2004 23:30 -0500.\n";
}

std::string WinterAdjustments()
{
    return Header("F1901B", "Mon Feb 23 2004 23:30 -0500") +
           "\n"
           "Adjustment orders for Winter of 1901.  (kt.004)\n"
           "\n"
           "England: Builds an army in London.\n"
           "England: Builds a fleet in Liverpool.\n"
           "France: Builds a fleet in Brest.\n"
           "Germany: Build waived.\n"
           "\n"
           "The deadline for orders will be Mon Mar 01 2004 23:30 -0500.\n";
}

std::string OtherGameReport()
{
    return ":: Judge: TEST  Game: other  Variant: Standard\n"
           ":: Deadline: S1902M Mon Mar 01 2004 23:30 -0500\n"
           "\n"
           "Movement results for Spring of 1902.  (other.005)\n"
           "\n"
           "England: Army London -> Liverpool.\n";
}

} // namespace cligame
