#pragma once

#include "orders/Geography.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// The Judge's way of reading the words of an order line, followed to the
/// letter: where a word ends, which spellings count, what is left over. Every
/// function takes the line and a position in it and returns the position
/// after what it read (the same position when it read nothing). Positions at
/// or past the end read as the end of the line.
namespace orders::judgewords {

/// Looks for the first of words (lower case) that the text at pos begins
/// with, ignoring case and leading white space. In a word, a blank matches
/// any run of white space, even none, and '#' requires white space, a digit,
/// a bracket, ';', '/', ',' or the end to follow. White space after a match
/// is skipped. index is the word's index, or -1 when none matched.
size_t LookFor(std::string_view text, size_t pos, const std::vector<std::string_view>& words, int& index);

/// What a unit word said.
enum class WrittenType { None, Army, Fleet, Unit };

/// "army", "a", "fleet", "f" or "unit"; other unit kinds of other games
/// are not read.
size_t ReadUnitType(std::string_view text, size_t pos, WrittenType& type);

/// The action word of a movement or retreat order, as the Judge's one-letter
/// code: 'm' move, 'h' hold, 's' support, 'c' convoy ("to" and "t" are
/// convoy words), 'd' disband (in a retreat phase also "d"), 'p' proxy, 't'
/// transform, and codes of other games' actions ('a', 'b', 'e', 'k', 'l',
/// 'v'); 'x' for none.
size_t ReadAction(std::string_view text, size_t pos, bool retreatPhase, char& action);

/// The word that begins an adjustment: 'b' build, 'r' remove (also
/// "disband"), 'w' waive, 'm' maintain, 't' transform; 'x' for none.
size_t ReadAdjustmentWord(std::string_view text, size_t pos, char& word);

/// The Judge's table of province names: every name of every province. A
/// name is found at a position when all its letters follow (ignoring case),
/// blanks and full stops standing in the same places in both, and the name
/// is followed by the end, white space or one of "(-/);,"; the longest name
/// found wins. A coast may follow ("/nc", "(north coast)", ...).
class ProvinceNames {
public:
    explicit ProvinceNames(const Geography& geography);

    struct Match {
        int province = -1; ///< -1 when no name was found
        /// The coast written after the name, if any.
        std::optional<Coast> coast;
        size_t end = 0; ///< where reading goes on (the start when none was found)
    };
    Match Read(std::string_view text, size_t pos) const;

private:
    std::vector<std::pair<std::string, int>> m_names; // upper case
};

} // namespace orders::judgewords
