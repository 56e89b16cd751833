#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CKestraneDoc;

/// Shown when the stored country matches no entry of the country list.
inline constexpr const char* kInvalidCountryMessage = "The Country in your file is invalid";

/// What the Game Details dialog shows and what its OK button stores; the
/// dialog itself only puts these into its controls.
class CGameDetails {
public:
    /// The names of countries 0 to m_nCountries - 1, sorted as the dialog's
    /// list shows them: alphabetically without regard to case.
    static std::vector<std::string> SortedCountries(const CKestraneDoc& doc);

    /// The list's prefix search from entry 0: the first entry, looking at
    /// entries 1, 2, ... and wrapping round to entry 0 last, that begins with
    /// prefix without regard to case. nullopt when none does or prefix is empty.
    static std::optional<size_t> FindPrefix(const std::vector<std::string>& entries, const std::string& prefix);

    /// The dialog's contents when it opens.
    struct State {
        std::vector<std::string> countries;
        /// The entry selected at opening; nullopt for none.
        std::optional<size_t> selected;
        std::string password;
    };

    /// Prepares the dialog from the document's country and password. When a
    /// stored country begins no entry, shows "The Country in your file is
    /// invalid" (exclamation) and selects nothing.
    static State Open(const CKestraneDoc& doc);

    /// OK: stores the chosen country (empty when none was selected) and the
    /// password, and marks the document modified even when nothing changed.
    static void Apply(CKestraneDoc& doc, const std::string& country, const std::string& password);
};
