#include "watch/DeadlineReminders.h"

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

} // namespace
