#pragma once

#include <compare>
#include <string>

/// Year of a season name: the decimal number its characters 1 to 4 give, read
/// as the C library reads a number (an optional sign, then digits; anything
/// else ends it).
int SeasonYearOf(const std::string& name);

/// Where a season name stands in game order, read from the name once: its
/// year, its season letter (character 0) and its phase letter (character 5).
/// Characters missing from a short name count as unknown letters.
struct CSeasonKey {
    int year = 0;
    int season = 0; ///< S 0, F 1, any other letter 2
    int phase = 0;  ///< M 0, R 1, B 2, any other letter 3

    /// A total order for sorting: year, then S before F, then M before R
    /// before B; unknown letters after the known ones.
    auto operator<=>(const CSeasonKey&) const = default;

    /// The filing rule: a later year is later; in the same year F is later
    /// than S, else B is later than any other phase and R later than M. An
    /// unknown letter never makes a season later, so such a season files
    /// after the last season of the year before. For the letters the Judge
    /// writes this agrees with the order above; with unknown letters it is
    /// no strict order, which is why sorting uses the order above.
    bool IsLaterThan(const CSeasonKey& other) const;
};

/// The key of a season name.
CSeasonKey SeasonKeyOf(const std::string& name);
