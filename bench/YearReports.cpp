#include "YearReports.h"

#include "support/StandardGameStart.h"

#include <cstdio>
#include <string_view>

namespace {

// Placeholders: {year} the game year, {next} the year after, {date} the
// calendar year of the deadlines (a game year a real year, from 2004), {mail}
// the Judge's three-digit mail number.
constexpr std::string_view kHeader = ":: Judge: USEF  Game: kestrel  Variant: Standard\n";

constexpr std::string_view kSpringMovement =
    ":: Deadline: S{year}M Mon Jan 05 {date} 23:30:00 -0500\n"
    "\n"
    "Movement results for Spring of {year}.  (kestrel.{mail})\n"
    "\n"
    "Austria: Army Budapest -> Serbia.\n"
    "Austria: Army Tyrolia -> Venice.\n"
    "Austria: Fleet Trieste SUPPORT Army Tyrolia -> Venice.\n"
    "\n"
    "England: Fleet Edinburgh -> Norwegian Sea.\n"
    "England: Army Liverpool -> Yorkshire.\n"
    "England: Fleet London -> North Sea.\n"
    "\n"
    "France: Fleet Brest -> Mid-Atlantic Ocean.\n"
    "France: Army Marseilles -> Spain.\n"
    "France: Army Paris -> Burgundy.\n"
    "\n"
    "Germany: Army Berlin -> Kiel.\n"
    "Germany: Fleet Kiel -> Denmark.\n"
    "Germany: Army Munich -> Ruhr.\n"
    "\n"
    "Italy: Fleet Naples -> Ionian Sea.\n"
    "Italy: Army Rome -> Apulia.\n"
    "Italy: Army Venice HOLD.  (*dislodged*)\n"
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
    "The following units were dislodged:\n"
    "\n"
    "The Army in Venice can retreat to Piedmont or Rome or Tuscany.\n"
    "\n"
    "The next phase of 'kestrel' will be Retreats for Spring of {year}.\n"
    "The deadline for orders will be Fri Jan 09 {date} 23:30:00 -0500.\n";

constexpr std::string_view kSpringRetreat = ":: Deadline: S{year}R Fri Jan 09 {date} 23:30:00 -0500\n"
                                            "\n"
                                            "Retreat orders for Spring of {year}.  (kestrel.{mail})\n"
                                            "\n"
                                            "Italy: Army Venice -> Piedmont.\n"
                                            "\n"
                                            "The next phase of 'kestrel' will be Movement for Fall of {year}.\n"
                                            "The deadline for orders will be Mon Jan 12 {date} 23:30:00 -0500.\n";

constexpr std::string_view kFallMovement =
    ":: Deadline: F{year}M Mon Jan 12 {date} 23:30:00 -0500\n"
    "\n"
    "Movement results for Fall of {year}.  (kestrel.{mail})\n"
    "\n"
    "Austria: Army Serbia HOLD.\n"
    "Austria: Fleet Trieste HOLD.  (*dislodged*)\n"
    "Austria: Army Venice -> Tyrolia.\n"
    "\n"
    "England: Fleet North Sea CONVOY Army Yorkshire -> Norway.\n"
    "England: Fleet Norwegian Sea -> Barents Sea.\n"
    "England: Army Yorkshire -> North Sea -> Norway.\n"
    "\n"
    "France: Fleet Mid-Atlantic Ocean -> Portugal.\n"
    "France: Army Burgundy -> Belgium.\n"
    "France: Army Spain HOLD.\n"
    "\n"
    "Germany: Fleet Denmark HOLD.\n"
    "Germany: Army Kiel -> Holland.\n"
    "Germany: Army Ruhr SUPPORT Army Kiel -> Holland.\n"
    "\n"
    "Italy: Fleet Ionian Sea -> Tunis.\n"
    "Italy: Army Piedmont SUPPORT Army Apulia -> Trieste.\n"
    "Italy: Army Apulia -> Trieste.\n"
    "\n"
    "Russia: Fleet Gulf of Bothnia -> Sweden.\n"
    "Russia: Fleet Sevastopol SUPPORT Army Ukraine -> Rumania.\n"
    "Russia: Army Ukraine -> Rumania.\n"
    "Russia: Army Galicia -> Warsaw.\n"
    "\n"
    "Turkey: Fleet Ankara -> Black Sea.\n"
    "Turkey: Army Armenia HOLD.\n"
    "Turkey: Army Bulgaria HOLD.\n"
    "\n"
    "\n"
    "The following units were dislodged:\n"
    "\n"
    "The Fleet in Trieste can retreat to Adriatic Sea or Albania.\n"
    "\n"
    "The next phase of 'kestrel' will be Retreats for Fall of {year}.\n"
    "The deadline for orders will be Fri Jan 16 {date} 23:30:00 -0500.\n";

constexpr std::string_view kFallRetreat =
    ":: Deadline: F{year}R Fri Jan 16 {date} 23:30:00 -0500\n"
    "\n"
    "Retreat orders for Fall of {year}.  (kestrel.{mail})\n"
    "\n"
    "Austria: Fleet Trieste -> Albania.\n"
    "\n"
    "\n"
    "Ownership of supply centers:\n"
    "\n"
    "Austria:   Budapest, Serbia, Vienna.\n"
    "England:   Edinburgh, Liverpool, London, Norway.\n"
    "France:    Belgium, Brest, Marseilles, Paris, Portugal, Spain.\n"
    "Germany:   Berlin, Denmark, Holland, Kiel, Munich.\n"
    "Italy:     Naples, Rome, Trieste, Tunis, Venice.\n"
    "Russia:    Moscow, Rumania, Sevastopol, St Petersburg, Sweden,\n"
    "           Warsaw.\n"
    "Turkey:    Ankara, Bulgaria, Constantinople, Smyrna.\n"
    "Unowned:   Greece.\n"
    "\n"
    "Austria:   3 Supply centers,  3 Units:  Builds   0 units.\n"
    "England:   4 Supply centers,  3 Units:  Builds   1 unit.\n"
    "France:    6 Supply centers,  3 Units:  Builds   3 units.\n"
    "Germany:   5 Supply centers,  3 Units:  Builds   2 units.\n"
    "Italy:     5 Supply centers,  3 Units:  Builds   2 units.\n"
    "Russia:    6 Supply centers,  4 Units:  Builds   2 units.\n"
    "Turkey:    4 Supply centers,  3 Units:  Builds   1 unit.\n"
    "\n"
    "The next phase of 'kestrel' will be Adjustments for Winter of {year}.\n"
    "The deadline for orders will be Mon Jan 19 {date} 23:30:00 -0500.\n";

constexpr std::string_view kAdjustments = ":: Deadline: F{year}B Mon Jan 19 {date} 23:30:00 -0500\n"
                                          "\n"
                                          "Adjustment orders for Winter of {year}.  (kestrel.{mail})\n"
                                          "\n"
                                          "England: Builds a fleet in London.\n"
                                          "\n"
                                          "France: Builds a fleet in Brest.\n"
                                          "France: Builds an army in Marseilles.\n"
                                          "France: Builds an army in Paris.\n"
                                          "\n"
                                          "Germany: Builds an army in Berlin.\n"
                                          "Germany: Builds a fleet in Kiel.\n"
                                          "\n"
                                          "Italy: Builds a fleet in Naples.\n"
                                          "Italy: Builds an army in Venice.\n"
                                          "\n"
                                          "Russia: Builds an army in Moscow.\n"
                                          "Russia: Builds a fleet in St Petersburg (north coast).\n"
                                          "\n"
                                          "Turkey: Builds a fleet in Smyrna.\n"
                                          "\n"
                                          "\n"
                                          "The next phase of 'kestrel' will be Movement for Spring of {next}.\n"
                                          "The deadline for orders will be Mon Jan 26 {date} 23:30:00 -0500.\n";

struct Fill {
    std::string_view placeholder;
    std::string value;
};

std::string Filled(std::string_view body, const std::array<Fill, 4>& fills)
{
    std::string text(kHeader);
    while (!body.empty()) {
        const size_t open = body.find('{');
        text += body.substr(0, open);
        if (open == std::string_view::npos)
            break;
        body.remove_prefix(open);
        bool replaced = false;
        for (const Fill& fill : fills)
            if (body.substr(0, fill.placeholder.size()) == fill.placeholder) {
                text += fill.value;
                body.remove_prefix(fill.placeholder.size());
                replaced = true;
                break;
            }
        if (!replaced) {
            text += body.front();
            body.remove_prefix(1);
        }
    }
    return text;
}

} // namespace

namespace yearreports {

std::string GameStart()
{
    return std::string(kHeader) + StandardGameStart("England");
}

std::array<std::string, kMailsPerYear> Year(int year)
{
    static constexpr std::array<std::string_view, kMailsPerYear> kBodies{kSpringMovement, kSpringRetreat,
                                                                          kFallMovement, kFallRetreat, kAdjustments};
    std::array<std::string, kMailsPerYear> mails;
    for (size_t i = 0; i < kMailsPerYear; ++i) {
        // The game-start mail is number 000; every phase after it counts one.
        char mail[16];
        std::snprintf(mail, sizeof mail, "%03zu", size_t(year - kFirstYear) * kMailsPerYear + i + 1);
        mails[i] = Filled(kBodies[i], {{{"{year}", std::to_string(year)},
                                        {"{next}", std::to_string(year + 1)},
                                        {"{date}", std::to_string(year - kFirstYear + 2004)},
                                        {"{mail}", mail}}});
    }
    return mails;
}

} // namespace yearreports
