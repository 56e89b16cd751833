#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Orders: a board's geography, the Judge's reading and checking of order
/// lines, and the position of the phase that is due. Standard C++ only.
namespace orders {

enum class Terrain : uint8_t { Land, Coast, Sea };

/// One coast of a province that has two or more; None for every other place.
enum class Coast : uint8_t { None, North, South, East, West };

/// "nc", "sc", "ec", "wc"; empty for None.
std::string_view CoastLetters(Coast coast);
/// "north coast" and so on, as the Judge prints a coast in brackets.
std::string_view CoastWords(Coast coast);
/// The coast two letters name ("nc", any case), or nullopt.
std::optional<Coast> CoastFromLetters(std::string_view letters);

/// A province, and the coast for a fleet on one of a split province's coasts.
struct Place {
    int province = -1;
    Coast coast = Coast::None;
    friend bool operator==(const Place&, const Place&) = default;
};

/// A coast of a split province and where a fleet on it is drawn on the board picture.
struct CoastSpot {
    Coast coast = Coast::None;
    int x = 0;
    int y = 0;
};

/// Where a fleet on one coast of a province (None for the province itself)
/// can move, in the order the board lists them.
struct FleetSide {
    Coast coast = Coast::None;
    std::vector<Place> to;
};

struct Province {
    /// How the board file and the short order forms name it ("Vie", "StP").
    std::string shortName;
    /// Every name the Judge reads for it; it prints the first.
    std::vector<std::string> names;
    Terrain terrain = Terrain::Land;
    /// The power whose home centre this is, as the Judge names it; empty when none.
    std::string home;
    bool centre = false;
    /// The coasts of a province with two or more; empty otherwise.
    std::vector<CoastSpot> coasts;
    /// Where an army here can move.
    std::vector<int> army;
    /// Where a fleet here can move, per coast.
    std::vector<FleetSide> fleet;

    const std::string& Name() const { return names.front(); }
};

/// A board's provinces and how units move between them. Province numbers are
/// indexes into provinces.
class Geography {
public:
    std::vector<Province> provinces;

    int Count() const { return int(provinces.size()); }
    const Province& operator[](int province) const { return provinces[size_t(province)]; }

    /// The province with this short name, ignoring case.
    std::optional<int> FindShortName(std::string_view name) const;
    /// The province one of whose names equals text, ignoring case.
    std::optional<int> FindName(std::string_view text) const;
    /// A province key of a saved game ("ST PETERSBURGSC": upper case, the
    /// coast glued on) as a place; nullopt when it names none.
    std::optional<Place> FindKey(std::string_view key) const;

    /// Where a fleet at from can move; nullptr when a fleet cannot be there
    /// (an inland province, or a split province without its coast).
    const std::vector<Place>* FleetMoves(Place from) const;
    bool IsSea(int province) const { return provinces[size_t(province)].terrain == Terrain::Sea; }
    bool HasCoasts(int province) const { return !provinces[size_t(province)].coasts.empty(); }

    /// "Spain (north coast)", "Vienna": the Judge's printed name of a place.
    std::string PlaceName(Place place) const;
    /// "the North Sea" for a sea, else the name: as the Judge's messages write it.
    std::string NameInText(int province) const;
    /// "StP/nc", "Vie": the short form.
    std::string ShortPlace(Place place) const;
};

} // namespace orders
