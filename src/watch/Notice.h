#pragma once

#include <string>

/// One notice for the player about a game: a headline and a line or two
/// under it, and the season it is about (a click shows that season).
struct CNotice {
    std::string title;
    std::string body;
    std::string season;
    friend bool operator==(const CNotice&, const CNotice&) = default;
};
