#include "watch/ReminderSchedule.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

// The deadline of a phase of kestrel: Mon Jan 12 2004 23:30 UTC.
const sys_seconds kDeadline = sys_days{year(2004) / January / 12} + hours(23) + minutes(30);

CReminderRequest Request(OrdersState orders, int unitsWithoutOrders = 0)
{
    CReminderRequest request;
    request.game = "kestrel";
    request.phase = "S1902M";
    request.deadline = kDeadline;
    request.orders = orders;
    request.unitsWithoutOrders = unitsWithoutOrders;
    return request;
}

TEST(DeadlineReminders, WhenAndInWhatWords)
{
    struct Row {
        const char* name;
        CReminderRequest request;
        minutes now; // before the deadline
        std::optional<minutes> lastGiven;
        std::optional<minutes> due; // before the deadline; nullopt: no reminder
        const char* title;
        const char* body;
    };
    const char* dueIn12 = "Kestrel: Spring 1902 orders are due in 12 hours";
    const char* notSent = "Your orders have not been sent.";
    const std::vector<Row> rows = {
        {"a day ahead: the 12-hour one comes", Request(OrdersState::NotSent), hours(24), {}, hours(12), dueIn12,
         notSent},
        {"after it: the 1-hour one", Request(OrdersState::NotSent), hours(6), hours(12), hours(1),
         "Kestrel: Spring 1902 orders are due in 1 hour", notSent},
        {"both missed while away: one reminder now", Request(OrdersState::NotSent), minutes(40), {}, minutes(40),
         "Kestrel: Spring 1902 orders are due in 40 minutes", notSent},
        {"refused by the Judge", Request(OrdersState::Refused), hours(13), {}, hours(12), dueIn12,
         "The Judge refused your orders: mend them and send them again."},
        {"units without orders", Request(OrdersState::UnitsWithoutOrders, 2), hours(13), {}, hours(12), dueIn12,
         "2 of your units have no orders."},
        {"one unit without orders", Request(OrdersState::UnitsWithoutOrders, 1), hours(13), {}, hours(12), dueIn12,
         "1 of your units has no orders."},
        {"sent and accepted: none", Request(OrdersState::Accepted), hours(24), {}, {}, "", ""},
        {"every one given: none", Request(OrdersState::NotSent), minutes(30), hours(1), {}, "", ""},
        {"deadline passed: none", Request(OrdersState::NotSent), minutes(-5), {}, {}, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::optional<sys_seconds> lastGiven;
        if (row.lastGiven)
            lastGiven = kDeadline - *row.lastGiven;
        const auto reminder = NextReminder(row.request, kDeadline - row.now, lastGiven);
        ASSERT_EQ(reminder.has_value(), row.due.has_value());
        if (!reminder)
            continue;
        EXPECT_EQ(reminder->due, kDeadline - *row.due);
        EXPECT_EQ(reminder->notice.title, row.title);
        EXPECT_EQ(reminder->notice.body, row.body);
        EXPECT_EQ(reminder->notice.season, "S1902M");
    }
}

TEST(DeadlineReminders, TimeLeftInWords)
{
    EXPECT_EQ(TimeLeftInWords(seconds(20)), "less than a minute");
    EXPECT_EQ(TimeLeftInWords(minutes(90)), "1 hour 30 minutes");
    EXPECT_EQ(TimeLeftInWords(hours(11) + minutes(50)), "12 hours");
    EXPECT_EQ(TimeLeftInWords(hours(51)), "2 days 3 hours");
}

// The schedule as a clock driven minute by minute through a day sees each
// game's reminders once, at their times; an accepted game's never, and a
// new deadline starts afresh.
TEST(DeadlineReminders, ScheduleDrivenThroughADay)
{
    CReminderSchedule schedule;
    schedule.Set("a.kes", Request(OrdersState::NotSent));
    schedule.Set("b.kes", Request(OrdersState::Accepted));
    std::vector<std::pair<minutes, std::string>> given;
    for (minutes left = hours(24); left >= minutes(-60); left -= minutes(1)) {
        const sys_seconds now = kDeadline - left;
        if (const auto next = schedule.NextDue(now)) {
            EXPECT_GE(*next, now);
        }
        for (const auto& [key, notice] : schedule.Due(now))
            given.emplace_back(left, key);
        // The player's orders go in and are refused half an hour before.
        if (left == minutes(30))
            schedule.Set("a.kes", Request(OrdersState::Refused));
    }
    using Given = std::vector<std::pair<minutes, std::string>>;
    EXPECT_EQ(given, (Given{{hours(12), "a.kes"}, {hours(1), "a.kes"}}));

    CReminderRequest next = Request(OrdersState::NotSent);
    next.deadline += days(3);
    schedule.Set("a.kes", next);
    EXPECT_EQ(schedule.NextDue(kDeadline), next.deadline - hours(12));
}

} // namespace
