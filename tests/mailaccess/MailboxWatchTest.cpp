#include "mailaccess/FetchedMail.h"
#include "mailaccess/MailboxWatch.h"
#include "model/KestraneDoc.h"
#include "LoopbackAccount.h"
#include "support/DovecotServer.h"
#include "support/JudgeMailbox.h"
#include "support/JudgeRecord.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace judgemailbox;
using namespace std::chrono_literals;

namespace {

// What a watch told, kept for the test's thread, which imports the mail
// into a new game as the desktop program's window thread does.
class CWatchRecord {
public:
    CWatchRecord() { created = doc.OnNewDocument("Standard.map"); }
    CWatchEvents Events()
    {
        return {[this](bool idle) { Add([&] { watching.push_back(idle); }); },
                [this](const CMailboxFetch& fetch, const CFetchMark&) { Add([&] { fetches.push_back(fetch); }); },
                [this](int seconds, const std::string&) { Add([&] { pauses.push_back(seconds); }); },
                [this](const std::string& reason) { Add([&] { stopped.push_back(reason); }); }};
    }
    /// Waits until done() holds, at most timeout; the record is locked for done.
    bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, timeout, done);
    }
    /// Imports every fetch not imported yet, each message once.
    void Import(const CMailAccount& account)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (; m_imported < fetches.size(); ++m_imported) {
            for (const CFetchedMail& mail : fetches[m_imported].mails)
                EXPECT_TRUE(uids.insert(mail.uid).second) << "message " << mail.uid << " handed over twice";
            const CMailboxImport import = ImportFetchedMail(doc, fetches[m_imported], account);
            for (const CReportResult& report : import.summary.reports)
                EXPECT_NE(report.outcome, ReportOutcome::AlreadyImported) << report.subject;
        }
    }

    CRecordingServices services{std::string(KESTRANE_SOURCE_DIR) + "/data"};
    CKestraneDoc doc{services};
    bool created = false;
    std::vector<bool> watching;
    std::vector<CMailboxFetch> fetches;
    std::vector<int> pauses;
    std::vector<std::string> stopped;
    std::set<uint32_t> uids;

private:
    void Add(const std::function<void()>& change)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            change();
        }
        m_changed.notify_all();
    }
    std::mutex m_mutex;
    std::condition_variable m_changed;
    size_t m_imported = 0;
};

// Watches of the kestrel game's folder on a real Dovecot, the game imported
// from what the watch hands over and compared with the Judge's record.
class MailboxWatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string why = KestrelServerMail(m_game, m_other); !why.empty())
            GTEST_SKIP() << why;
    }

    bool StartServer(bool offerIdle)
    {
        m_server = std::make_unique<CDovecotServer>(m_dir.Path() / ("server" + std::to_string(++m_servers)),
                                                    CDovecotServer::Security::Plain, offerIdle);
        std::string error;
        const bool started = m_server->Start(error);
        EXPECT_TRUE(started) << error;
        return started;
    }

    CMailAccount Account() const { return LoopbackAccount(*m_server); }

    // The options of a test: short floors, so nothing waits a minute.
    static CWatchOptions Options()
    {
        CWatchOptions options;
        options.minPollPeriod = 1s;
        options.pollPeriod = 1s;
        options.minRetryPause = 3s;
        options.imap.timeoutSeconds = 10;
        return options;
    }

    void DeliverGame(size_t from, size_t to)
    {
        for (size_t i = from; i < to; ++i) {
            m_server->Deliver(AsMessage(m_game[i], int(i)));
            if (i < m_other.size())
                m_server->Deliver(AsMessage(m_other[i], int(100 + i)));
        }
    }

    CTempDir m_dir;
    std::unique_ptr<CDovecotServer> m_server;
    int m_servers = 0;
    std::vector<CJudgeMail> m_game;
    std::vector<CJudgeMail> m_other;
};

TEST_F(MailboxWatchTest, MailArrivingWhileWatchedIsImported)
{
    struct Row {
        const char* name;
        bool offerIdle;
        std::chrono::milliseconds within; // from the mail's arrival to its hand-over
    };
    // Without IDLE, one polling period (Options: 1 s) and a second for the fetch.
    for (const Row& row : {Row{"under IDLE", true, 5s}, Row{"polling", false, 2s}}) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(StartServer(row.offerIdle));
        DeliverGame(0, m_game.size() - 1);
        CWatchRecord record;
        ASSERT_TRUE(record.created);
        CMailboxWatch watch(Account(), CDovecotServer::kPassword, {}, Options(), record.Events());
        watch.Start();
        ASSERT_TRUE(record.WaitUntil([&] { return !record.fetches.empty(); }, 10s));
        record.Import(Account());
        EXPECT_EQ(record.watching, std::vector<bool>{row.offerIdle});

        DeliverGame(m_game.size() - 1, m_game.size());
        EXPECT_TRUE(record.WaitUntil([&] { return record.fetches.size() == 2; }, row.within));
        record.Import(Account());
        EXPECT_EQ(judgerecord::Differences(record.doc, "kestrel"), std::vector<std::string>{});

        // Stopped while it waits: at once, and without a word.
        const auto stopping = std::chrono::steady_clock::now();
        watch.Stop();
        EXPECT_LT(std::chrono::steady_clock::now() - stopping, 1s);
        EXPECT_EQ(record.stopped, std::vector<std::string>{""});
        EXPECT_TRUE(record.pauses.empty());
    }
}

TEST_F(MailboxWatchTest, ServerRestartIsOneReconnectionAndNoMailTwice)
{
    ASSERT_TRUE(StartServer(true));
    DeliverGame(0, 8);
    CWatchRecord record;
    ASSERT_TRUE(record.created);
    CMailboxWatch watch(Account(), CDovecotServer::kPassword, {}, Options(), record.Events());
    watch.Start();
    ASSERT_TRUE(record.WaitUntil([&] { return !record.fetches.empty(); }, 10s));

    m_server->Stop();
    ASSERT_TRUE(record.WaitUntil([&] { return !record.pauses.empty(); }, 5s));
    std::string error;
    ASSERT_TRUE(m_server->Start(error)) << error;
    DeliverGame(8, m_game.size());
    // The mail that came meanwhile is fetched once the folder is open again.
    ASSERT_TRUE(record.WaitUntil([&] { return record.watching.size() == 2 && record.fetches.size() == 2; }, 15s));
    record.Import(Account());
    watch.Stop();
    EXPECT_EQ(record.pauses, std::vector<int>{3});
    EXPECT_EQ(record.stopped, std::vector<std::string>{""});
    EXPECT_EQ(judgerecord::Differences(record.doc, "kestrel"), std::vector<std::string>{});
}

TEST_F(MailboxWatchTest, RefusedLoginStopsWithOneMessage)
{
    ASSERT_TRUE(StartServer(true));
    CWatchRecord record;
    CMailboxWatch watch(Account(), "wrong", {}, Options(), record.Events());
    watch.Run(); // in the foreground, as the command line runs it
    ASSERT_EQ(record.stopped.size(), 1u);
    EXPECT_NE(record.stopped[0].find("refused the login of player"), std::string::npos) << record.stopped[0];
    EXPECT_TRUE(record.pauses.empty());
    EXPECT_TRUE(record.watching.empty());
}

} // namespace
