#include "model/PhaseDue.h"
#include "views/OrdersDueText.h"

#include <gtest/gtest.h>

// The phase due in one line, for the player's time zone and the time left.

namespace {

using std::chrono::hours;
using std::chrono::minutes;

struct DueCase {
    const char* name;
    const char* phase;
    const char* deadline;
    const char* now;        // UTC
    std::chrono::seconds offset;
    const char* expected;
};

class OrdersDue : public testing::TestWithParam<DueCase> {};

TEST_P(OrdersDue, OneLine)
{
    const DueCase& c = GetParam();
    const CPhaseDue due = MakePhaseDue(c.phase, "Movement for Summer of 1905", c.deadline);
    EXPECT_EQ(OrdersDueText(due, *ParseIsoUtc(c.now), c.offset), c.expected);
}

constexpr const char* kJudge = "Thu Jan 29 2004 23:30:00 +0000";

INSTANTIATE_TEST_SUITE_P(
    Cases, OrdersDue,
    testing::Values(
        DueCase{"NextDayHere", "S1904M", kJudge, "2004-01-27T18:29:00Z", hours(1),
                "Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC, Fri 00:30 here, 2 days 5 h left"},
        DueCase{"UtcHere", "S1904M", kJudge, "2004-01-29T23:29:30Z", hours(0),
                "Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC, 23:30 here, less than a minute left"},
        DueCase{"WestOfUtc", "F1902R", "Tue Jan 20 2004 21:31:00 +0000", "2004-01-20T18:10:00Z", hours(-5),
                "Fall 1902 Retreats: orders due Tue 20 Jan 21:31 UTC, 16:31 here, 3 h 21 min left"},
        DueCase{"PreviousDayHere", "F1903B", "Mon Jan 26 2004 01:00:00 +0000", "2004-01-25T01:00:00Z", hours(-3),
                "Winter 1903 Adjustments: orders due Mon 26 Jan 01:00 UTC, Sun 22:00 here, 1 day left"},
        DueCase{"HalfHourZone", "S1904M", kJudge, "2004-01-29T23:05:00Z", hours(5) + minutes(30),
                "Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC, Fri 05:00 here, 25 min left"},
        DueCase{"Passed", "S1904M", kJudge, "2004-02-01T01:30:00Z", hours(0),
                "Spring 1904 Movement: orders due Thu 29 Jan 23:30 UTC, 23:30 here, deadline passed 2 days 2 h ago"},
        DueCase{"JudgeWordsForOtherCodes", "U1905M", "Sat Jul 01 1905 12:00:00 +0000", "1905-07-01T11:00:00Z",
                hours(0), "Movement for Summer of 1905: orders due Sat 1 Jul 12:00 UTC, 12:00 here, 1 h left"},
        DueCase{"DeadlineAsWritten", "S1904M", "next Thursday", "2004-01-27T18:29:00Z", hours(0),
                "Spring 1904 Movement: orders due next Thursday"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
