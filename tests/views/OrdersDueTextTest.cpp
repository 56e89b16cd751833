#include "model/PhaseDue.h"
#include "support/RowName.h"
#include "views/OrdersDueText.h"

#include <gtest/gtest.h>

// The phase due in one line, for the player's time zone and the time left,
// from deadlines in the forms the Judge and people write.

namespace {

using std::chrono::hours;
using std::chrono::minutes;

struct DueCase {
    const char* name;
    const char* phase;
    const char* deadline;
    const char* now; // UTC
    std::chrono::seconds offset;
    const char* expected;
};

class OrdersDue : public testing::TestWithParam<DueCase> {};

constexpr const char* kJudge = "Thu Jan 29 2004 23:30:00 +0000";
constexpr const char* kNow = "2004-01-27T18:29:00Z";

TEST_P(OrdersDue, OneLine)
{
    const DueCase& c = GetParam();
    const CPhaseDue due = MakePhaseDue(c.phase, "Movement for Summer of 1905", c.deadline);
    const std::string asWritten = "Spring 1904 Movement: orders due " + std::string(c.deadline);
    EXPECT_EQ(OrdersDueText(due, *ParseIsoUtc(c.now), c.offset), c.expected ? c.expected : asWritten);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrdersDue,
    testing::Values(
        DueCase{"NextDayHere", "S1904M", kJudge, kNow, hours(1),
                "Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC, Fri 00:30 here, 2 days 5 h left"},
        DueCase{"UtcHere", "S1904M", kJudge, "2004-01-29T23:29:30Z", hours(0),
                "Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC, 23:30 here, less than a minute left"},
        DueCase{"JudgeWestOfUtc", "F1902R", "Tue Jan 20 2004 16:31:00 -0500", "2004-01-20T18:10:00Z", hours(-5),
                "Fall 1902 Retreats: orders due Tue 20 Jan 21:31 UTC, 16:31 here, 3 h 21 min left"},
        DueCase{"StoredWithBlanks", "F1903B", "Mon Jan 26 2004 01 00 00 +0000 ", "2004-01-25T01:00:00Z", hours(-3),
                "Winter 1903 Adjustments: orders due Mon 26 Jan 01:00 UTC, Sun 22:00 here, 1 day left"},
        DueCase{"NoWeekdayNoSecondsGmt", "S1904M", "Jan 29 2004 23:30 GMT", "2004-01-29T23:05:00Z",
                hours(5) + minutes(30), "Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC, Fri 05:00 here, 25 min left"},
        DueCase{"Passed", "S1904M", "Thu Jan 29 2004 23:30:00 UTC", "2004-02-01T01:30:00Z", hours(0),
                "Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC, 23:30 here, deadline passed 2 days 2 h ago"},
        DueCase{"JudgeWordsForOtherCodes", "U1905M", "Sat Jul 01 1905 12:00:00 +0000", "1905-07-01T11:00:00Z",
                hours(0), "Movement for Summer of 1905: orders due Sat 1 Jul 12:00 UTC, 12:00 here, 1 h left"},
        // A deadline that is not a time is shown as written.
        DueCase{"NoSuchDay", "S1904M", "Mon Feb 30 2004 12:00:00 +0000", kNow, hours(0), nullptr},
        DueCase{"NoZone", "S1904M", "Thu Jan 29 2004 23:30:00", kNow, hours(0), nullptr},
        DueCase{"BadZone", "S1904M", "Thu Jan 29 2004 23:30:00 +2400", kNow, hours(0), nullptr},
        DueCase{"TwoDigitYear", "S1904M", "Thu Jan 29 04 23:30:00 +0000", kNow, hours(0), nullptr}),
    RowName());

} // namespace
