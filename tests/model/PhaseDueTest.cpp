#include "model/PhaseDue.h"

#include <gtest/gtest.h>

// Times in the Judge's form, read as UTC time points.

namespace {

struct TimeCase {
    const char* name;
    const char* text;
    const char* utc; // nullptr: not a time
};

class JudgeTime : public testing::TestWithParam<TimeCase> {};

TEST_P(JudgeTime, ReadsAsUtc)
{
    const auto time = ParseJudgeTime(GetParam().text);
    EXPECT_EQ(time ? IsoUtc(*time) : "none", GetParam().utc ? GetParam().utc : "none");
    if (time) {
        EXPECT_EQ(ParseIsoUtc(IsoUtc(*time)), time);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JudgeTime,
    testing::Values(TimeCase{"Judge", "Thu Jan 29 2004 23:30:00 +0000", "2004-01-29T23:30:00Z"},
                    TimeCase{"WestOfUtc", "Mon Jan 12 2004 23:30:00 -0500", "2004-01-13T04:30:00Z"},
                    TimeCase{"EastOfUtcWithoutSeconds", "Mon Feb 09 2004 01:15 +0530", "2004-02-08T19:45:00Z"},
                    TimeCase{"StoredWithBlanks", "Tue Jan 20 2004 21 31 00 +0000 ", "2004-01-20T21:31:00Z"},
                    TimeCase{"NoWeekdayGmt", "Feb 29 2004 12:00:00 GMT", "2004-02-29T12:00:00Z"},
                    TimeCase{"NoSuchDay", "Mon Feb 30 2004 12:00:00 +0000", nullptr},
                    TimeCase{"NoZone", "Thu Jan 29 2004 23:30:00", nullptr},
                    TimeCase{"BadZone", "Thu Jan 29 2004 23:30:00 +2400", nullptr},
                    TimeCase{"BadHour", "Thu Jan 29 2004 24:30:00 +0000", nullptr},
                    TimeCase{"TwoDigitYear", "Thu Jan 29 04 23:30:00 +0000", nullptr},
                    TimeCase{"Empty", "", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
