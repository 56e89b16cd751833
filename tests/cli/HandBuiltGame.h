#pragma once

#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"

#include <memory>
#include <string>
#include <vector>

/// Game documents assembled member by member, for the output formats that
/// read a document without importing anything.
namespace handbuilt {

struct Unit {
    int country = 0;
    bool fleet = false;
    std::string province;
    int x = 0;
    int y = 0;
};

struct Season {
    std::string name;
    std::string deadline = {};
    std::vector<std::string> orders = {};
    std::vector<std::string> dislodged = {};
    std::vector<Unit> units = {};
    /// (country, x, y) of every owned centre, in list order.
    std::vector<std::array<int, 3>> centres = {};
};

/// A document with the given countries (name, red, green, blue) and seasons
/// in the order given; the last season is on show.
std::unique_ptr<CKestraneDoc> MakeDoc(CRecordingServices& services,
                                      const std::vector<CCountry>& countries,
                                      const std::vector<Season>& seasons);

} // namespace handbuilt
