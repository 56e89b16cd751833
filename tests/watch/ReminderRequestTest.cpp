#include "judge/OrdersStatusRecord.h"
#include "model/PhaseDue.h"
#include "support/TempDir.h"
#include "watch/ReminderRequest.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace std::chrono;
namespace fs = std::filesystem;

const fs::path kOrders = fs::path(KESTRANE_SHARED_DIR) / "judge-orders";

// The state of Austria's orders for F1902M of kestrel after the Judge's
// reply in case (empty: no reply yet), sent or not.
CGameOrdersState StateAfter(const char* reply, bool sent)
{
    CGameOrdersState state;
    state.after = "S1902M";
    state.due = MakePhaseDue("F1902M", "Movement for Fall of 1902", "Mon Jan 12 2004 23:30:00 +0000");
    if (sent)
        state.sentAt = ParseIsoUtc("2004-01-11T20:00:00Z");
    if (*reply)
        state.verdict = VerdictLines(CReportText{CTempDir::Read(kOrders / reply), "Re: XXXX:kestrel - F1902M", "", ""});
    return state;
}

TEST(ReminderRequest, OrdersStandAsTheJudgesLastReplySays)
{
    if (!fs::exists(kOrders))
        GTEST_SKIP() << "no judge-orders beside the repository";
    struct Row {
        const char* name;
        const char* reply;
        bool sent;
        OrdersState orders;
        int unitsWithoutOrders;
    };
    const Row rows[] = {
        {"nothing sent", "", false, OrdersState::NotSent, 0},
        {"sent, no reply yet", "", true, OrdersState::Accepted, 0},
        {"all taken", "F1902M/F1902M-austria-01-legal-mixed.reply.txt", true, OrdersState::Accepted, 0},
        {"one refused", "F1902M/F1902M-austria-08-nonadjacent-move.reply.txt", true, OrdersState::Refused, 0},
        {"last unit left out", "F1902M/F1902M-austria-52-legal-partial.reply.txt", true,
         OrdersState::UnitsWithoutOrders, 1},
        {"signed on, no orders", "F1902M/F1902M-austria-53-empty-mail.reply.txt", true,
         OrdersState::UnitsWithoutOrders, 5},
        {"sent from elsewhere, refused", "F1902M/F1902M-austria-09-army-to-sea.reply.txt", false,
         OrdersState::Refused, 0},
        {"nothing was due", "F1902R/F1902R-italy-01-nothing-due.reply.txt", true, OrdersState::Accepted, 0},
    };
    const std::vector<minutes> leads{hours(6)};
    for (const Row& row : rows) {
        const auto request = ReminderRequestFor("kestrel", StateAfter(row.reply, row.sent), leads);
        ASSERT_TRUE(request) << row.name;
        EXPECT_EQ(request->orders, row.orders) << row.name;
        EXPECT_EQ(request->unitsWithoutOrders, row.unitsWithoutOrders) << row.name;
        EXPECT_EQ(request->phase, "F1902M") << row.name;
        EXPECT_EQ(request->deadline, sys_days{year(2004) / January / 12} + hours(23) + minutes(30)) << row.name;
        EXPECT_EQ(request->leads, leads) << row.name;
        EXPECT_EQ(request->game, "kestrel") << row.name;
    }
}

TEST(ReminderRequest, NoneWithoutAKnownDeadline)
{
    CGameOrdersState state;
    EXPECT_FALSE(ReminderRequestFor("kestrel", state, {hours(1)}));
    state.due = MakePhaseDue("F1902M", "Movement for Fall of 1902", "sometime next week");
    EXPECT_FALSE(ReminderRequestFor("kestrel", state, {hours(1)}));
}

} // namespace
