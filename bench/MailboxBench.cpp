#include "YearReports.h"

#include "mailbox/MailBuilder.h"
#include "mailbox/MailSources.h"
#include "mailbox/MailboxImport.h"
#include "model/KestraneDoc.h"
#include "support/ImportTestBoard.h"
#include "support/NonCopyable.h"
#include "support/RecordingServices.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

// A 100-year game as a player's mail program keeps it: the game start and
// the five mails of every year as one mbox file (501 mails, every transfer
// encoding, multipart and forwarded mails in turn), imported into a new
// game through Import Mailbox's path: the mail reader, then the batch import.

namespace {

constexpr int kYears = 100;

// The mbox file, written once below the temporary folder and removed at exit.
class CCenturyMbox : private CNonCopyable {
public:
    CCenturyMbox()
    {
        std::vector<std::string> bodies{yearreports::GameStart()};
        for (int n = 0; n < kYears; ++n)
            for (const std::string& mail : yearreports::Year(yearreports::kFirstYear + n))
                bodies.push_back(mail);
        std::vector<std::string> messages;
        for (size_t i = 0; i < bodies.size(); ++i) {
            const auto wrapping = mailbuilder::kAllWrappings[i % mailbuilder::kAllWrappings.size()];
            messages.push_back(mailbuilder::Message(bodies[i], "USEF:kestrel - Results " + std::to_string(i),
                                                    "Mon, 05 Jan 2004 23:30:00 -0500", wrapping));
        }
        m_mails = bodies.size();
        m_path = (std::filesystem::temp_directory_path() /
                  ("kestrane-bench-century-" + std::to_string(::getpid()) + ".mbox"))
                     .string();
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << mailbuilder::Mbox(messages);
    }
    ~CCenturyMbox()
    {
        std::error_code ec;
        std::filesystem::remove(m_path, ec);
    }

    const std::string& Path() const { return m_path; }
    size_t Mails() const { return m_mails; }

private:
    std::string m_path;
    size_t m_mails = 0;
};

const CCenturyMbox& CenturyMbox()
{
    static const CCenturyMbox mbox;
    return mbox;
}

} // namespace

// The whole command: read the mbox, import every mail into a new game.
static void BM_ImportMailbox100Years(benchmark::State& state)
{
    const CCenturyMbox& mbox = CenturyMbox();
    bool filed = true;
    for (auto _ : state) {
        state.PauseTiming();
        auto services = std::make_unique<CRecordingServices>();
        auto doc = std::make_unique<CKestraneDoc>(*services);
        importboard::FillStandardBoard(*doc);
        state.ResumeTiming();

        const CMailboxImport result = ImportMailSources(*doc, {mbox.Path()});

        state.PauseTiming();
        filed = filed && result.mails == mbox.Mails() && result.summary.SeasonsFiled() == int(mbox.Mails()) &&
                doc->m_seasons.size() == mbox.Mails() && services->messages.empty();
        doc.reset();
        state.ResumeTiming();
    }
    if (!filed)
        state.SkipWithError("the mailbox did not file every season cleanly");
    state.counters["mails"] = double(mbox.Mails());
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(mbox.Mails()));
}
BENCHMARK(BM_ImportMailbox100Years)->Unit(benchmark::kMillisecond);

// The reading alone: the mbox into its 501 report texts.
static void BM_ReadMailbox100Years(benchmark::State& state)
{
    const CCenturyMbox& mbox = CenturyMbox();
    size_t texts = 0;
    for (auto _ : state) {
        std::vector<std::string> problems;
        const std::vector<CReportText> reports = ReadMailSources({mbox.Path()}, problems);
        texts = problems.empty() ? reports.size() : 0;
        benchmark::DoNotOptimize(texts);
    }
    if (texts != mbox.Mails())
        state.SkipWithError("the mailbox did not read as its mails");
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(mbox.Mails()));
}
BENCHMARK(BM_ReadMailbox100Years)->Unit(benchmark::kMillisecond);
