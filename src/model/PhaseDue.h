#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

/// The phase the Judge waits for orders for and its deadline, as the end of
/// its latest result mail announces them ("The next phase of 'kestrel' will
/// be Movement for Spring of 1904." and "The deadline for orders will be Thu
/// Jan 29 2004 23:30:00 +0000."). The game file does not keep them.
struct CPhaseDue {
    std::string phase;    ///< the phase code, "S1904M"; winter adjustments are "F1903B"
    std::string words;    ///< the phase as the Judge wrote it, "Movement for Spring of 1904"
    std::string deadline; ///< the deadline as written, "Thu Jan 29 2004 23:30:00 +0000"
    /// The deadline as a time point; nullopt when it is not in the Judge's form.
    std::optional<std::chrono::sys_seconds> deadlineTime;
    friend bool operator==(const CPhaseDue&, const CPhaseDue&) = default;
};

/// A phase due from the three texts, with the time point read from the
/// deadline by ParseJudgeTime.
CPhaseDue MakePhaseDue(std::string phase, std::string words, std::string deadline);

/// A time in the Judge's form, "Thu Jan 29 2004 23:30:00 +0000" (weekday
/// and seconds optional, the weekday not checked, blanks accepted for the
/// colons as a stored season deadline has them, the zone as "+hhmm",
/// "-hhmm" or GMT/UTC), as a UTC time point. nullopt for anything else, a day that does not exist or
/// a text without a zone (its instant is unknown).
std::optional<std::chrono::sys_seconds> ParseJudgeTime(std::string_view text);

/// A UTC time point as "2004-01-29T23:30:00Z".
std::string IsoUtc(std::chrono::sys_seconds time);

/// The time point of "2004-01-29T23:30:00Z"; nullopt for anything else.
std::optional<std::chrono::sys_seconds> ParseIsoUtc(std::string_view text);
