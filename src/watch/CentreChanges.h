#pragma once

#include <string>
#include <vector>

class CKestraneDoc;
class CSeasonHdr;

/// The supply centres one country won and lost between two seasons.
struct CCentreChange {
    int country = -1;
    std::string name; ///< as people write it: "Austria"
    std::vector<std::string> gained;
    std::vector<std::string> lost;
    int owned = 0; ///< centres owned afterwards
    size_t Size() const { return gained.size() + lost.size(); }
};

/// The season whose ownership is in force in season: that season or the
/// nearest earlier one that holds ownership; nullptr when there is none.
const CSeasonHdr* OwnershipInForce(const CKestraneDoc& doc, const CSeasonHdr& season);

/// Every country's gains and losses from the ownership of before (nullptr:
/// the start of the game, each country owning the centres its units stand
/// on in the first season) to that of after, in country order; centres by name, in the
/// order the Judge listed them.
std::vector<CCentreChange> CentreChanges(const CKestraneDoc& doc, const CSeasonHdr* before, const CSeasonHdr& after);

/// The change in words: "Austria gains Serbia and Greece, loses Trieste";
/// "Austria keeps its 5 centres" when nothing changed.
std::string ChangeInWords(const CCentreChange& change);
