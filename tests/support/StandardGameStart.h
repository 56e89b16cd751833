#pragma once

#include <string>
#include <string_view>

/// The Judge's game-start mail of the game kestrel on the standard board,
/// below its header line: the first deadline, the country it was sent to, and
/// the 22 units every standard game starts with.
inline std::string StandardGameStart(std::string_view country)
{
    std::string text = ":: Deadline: S1901M Mon Jan 05 2004 23:30:00 -0500\n"
                       "\n"
                       "You have been selected as ";
    text += country;
    text += " in game 'kestrel' of Diplomacy.\n"
            "\n"
            "Starting position for Spring of 1901.\n"
            "\n"
            "Austria: Army  Vienna.\n"
            "Austria: Army  Budapest.\n"
            "Austria: Fleet Trieste.\n"
            "\n"
            "England: Fleet London.\n"
            "England: Fleet Edinburgh.\n"
            "England: Army  Liverpool.\n"
            "\n"
            "France:  Army  Paris.\n"
            "France:  Army  Marseilles.\n"
            "France:  Fleet Brest.\n"
            "\n"
            "Germany: Army  Berlin.\n"
            "Germany: Army  Munich.\n"
            "Germany: Fleet Kiel.\n"
            "\n"
            "Italy:   Army  Rome.\n"
            "Italy:   Army  Venice.\n"
            "Italy:   Fleet Naples.\n"
            "\n"
            "Russia:  Army  Moscow.\n"
            "Russia:  Army  Warsaw.\n"
            "Russia:  Fleet St Petersburg (south coast).\n"
            "Russia:  Fleet Sevastopol.\n"
            "\n"
            "Turkey:  Army  Constantinople.\n"
            "Turkey:  Army  Smyrna.\n"
            "Turkey:  Fleet Ankara.\n"
            "\n"
            "The deadline for the first orders is Mon Jan 05 2004 23:30:00 -0500.\n";
    return text;
}
