#include "notify/DesktopNotifier.h"
#include "notify/ReminderTimer.h"
#include "support/dbus/FakeNotificationService.h"
#include "support/dbus/PrivateSessionBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace std::chrono;

namespace {

// Every test talks over one private session bus, the test program's own.
class NotifyTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_bus = std::make_unique<CPrivateSessionBus>();
        if (!s_bus->Address().empty())
            ::setenv("DBUS_SESSION_BUS_ADDRESS", s_bus->Address().c_str(), 1);
    }
    static void TearDownTestSuite() { s_bus.reset(); }
    void SetUp() override
    {
        if (s_bus->Address().empty())
            GTEST_SKIP() << "dbus-daemon did not start";
    }
    static QString Address() { return QString::fromStdString(s_bus->Address()); }

    // Runs the event loop until done() holds, five seconds at most.
    static bool WaitUntil(const std::function<bool()>& done)
    {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }

    static std::unique_ptr<CPrivateSessionBus> s_bus;
};

std::unique_ptr<CPrivateSessionBus> NotifyTest::s_bus;

TEST_F(NotifyTest, ResultsNoticeShownAndItsClickAnswered)
{
    const CNotice notice{"Kestrel: Fall 1901 retreat results are in", "Austria gains Greece and Serbia.", "F1901R"};
    CFakeNotificationService service(Address());
    ASSERT_TRUE(service.Registered());
    CDesktopNotifier notifier;
    std::vector<std::pair<QString, QString>> clicks;
    QObject::connect(&notifier, &CDesktopNotifier::activated,
                     [&](const QString& g, const QString& season) { clicks.emplace_back(g, season); });
    int fallbacks = 0;
    QObject::connect(&notifier, &CDesktopNotifier::fallback, [&] { ++fallbacks; });

    ASSERT_TRUE(notifier.Show("kestrel.kes", notice));
    ASSERT_TRUE(WaitUntil([&] { return service.received.size() == 1; }));
    const auto& shown = service.received[0];
    EXPECT_EQ(shown.app, "Kestrane");
    EXPECT_EQ(shown.summary.toStdString(), notice.title);
    EXPECT_EQ(shown.body.toStdString(), notice.body);
    EXPECT_TRUE(shown.actions.contains("default"));

    service.Click(shown.id);
    ASSERT_TRUE(WaitUntil([&] { return !clicks.empty(); }));
    EXPECT_EQ(clicks, (std::vector<std::pair<QString, QString>>{{"kestrel.kes", "F1901R"}}));
    EXPECT_EQ(fallbacks, 0);
}

TEST_F(NotifyTest, RemindersArriveAtTheirDrivenTimesAndNotOnceAccepted)
{
    CFakeNotificationService service(Address());
    ASSERT_TRUE(service.Registered());
    CDesktopNotifier notifier;
    sys_seconds now;
    CReminderTimer timer(notifier, [&] { return now; });
    int reminded = 0;
    QObject::connect(&timer, &CReminderTimer::reminded, [&] { ++reminded; });

    const sys_seconds deadline = sys_days{year(2004) / January / 12} + hours(23) + minutes(30);
    CReminderRequest request{"kestrel", "S1902M", deadline, OrdersState::NotSent};
    timer.Schedule().Set("kestrel.kes", request);
    request.orders = OrdersState::Accepted;
    timer.Schedule().Set("other.kes", request);

    // The clock driven through the day before the deadline; orders go in
    // 30 minutes before and are refused, which gives no third reminder.
    std::vector<std::pair<minutes, QString>> arrived;
    for (minutes left = hours(24); left >= minutes(0); left -= minutes(5)) {
        now = deadline - left;
        timer.Check();
        ASSERT_TRUE(WaitUntil([&] { return int(service.received.size()) == reminded; }));
        if (arrived.size() < service.received.size())
            arrived.emplace_back(left, service.received.back().summary + " / " + service.received.back().body);
        if (left == minutes(30))
            timer.Schedule().Set("kestrel.kes", {"kestrel", "S1902M", deadline, OrdersState::Refused});
    }
    const std::vector<std::pair<minutes, QString>> expected = {
        {hours(12), "Kestrel: Spring 1902 orders are due in 12 hours / Your orders have not been sent."},
        {hours(1), "Kestrel: Spring 1902 orders are due in 1 hour / Your orders have not been sent."}};
    EXPECT_EQ(arrived, expected);
    // The next phase's deadline starts afresh.
    timer.Schedule().Set("kestrel.kes", {"kestrel", "S1902R", deadline + days(3), OrdersState::NotSent});
    EXPECT_EQ(timer.Schedule().NextDue(now), deadline + days(3) - hours(12));
}

TEST_F(NotifyTest, WithoutAServiceTheWordsGoToTheFallback)
{
    CDesktopNotifier notifier;
    EXPECT_FALSE(notifier.ServiceAvailable());
    std::vector<QStringList> fallbacks;
    QObject::connect(&notifier, &CDesktopNotifier::fallback, [&](const QString& g, const QString& t, const QString& b) {
        fallbacks.push_back({g, t, b});
    });
    EXPECT_FALSE(notifier.Show("kestrel.kes", {"Kestrel: Fall 1901 results are in", "Austria gains Serbia.", "F1901M"}));
    EXPECT_EQ(fallbacks,
              (std::vector<QStringList>{{"kestrel.kes", "Kestrel: Fall 1901 results are in", "Austria gains Serbia."}}));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
