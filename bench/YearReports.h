#pragma once

#include <array>
#include <string>

/// The Judge's result mails of one long game on the standard board, game
/// "kestrel" at judge USEF: the game-start mail, then five mails for every
/// game year from 1901 on (spring movement with a dislodgement, spring
/// retreat, fall movement, fall retreat with the centre ownership, winter
/// adjustments). Every year reports the same orders; the season names, the
/// section titles, the mail numbers and the deadlines follow the year.
namespace yearreports {

inline constexpr int kFirstYear = 1901;
inline constexpr size_t kMailsPerYear = 5;

/// The game-start mail for spring 1901 (filed as S1900M).
std::string GameStart();

/// The five mails of game year `year`, in the order the Judge sends them.
std::array<std::string, kMailsPerYear> Year(int year);

} // namespace yearreports
