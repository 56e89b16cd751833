#include "YearReports.h"

#include "judge/ReportFile.h"
#include "judge/ReportJoiner.h"
#include "model/KestraneDoc.h"
#include "support/ImportTestBoard.h"
#include "support/NonCopyable.h"
#include "support/RecordingServices.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <unistd.h>

// A 100-year game imported season by season. Each benchmark takes the game
// year N as its argument and runs on a game that already holds the game
// start and the 5·(N−1) seasons of the years before; one round imports the
// five mails of year N (and takes their seasons off again afterwards, so
// every round starts from the same game). What grows with N is the cost of
// the season list: filing searches it by name from the first season.

namespace {

using yearreports::kMailsPerYear;

int GameYear(int yearNumber)
{
    return yearreports::kFirstYear + yearNumber - 1;
}

// Joins and imports one mail from memory: the whole import but the disk.
void ImportText(CKestraneDoc& doc, const std::string& mail)
{
    CReportFile file(JoinReportText(doc, mail));
    doc.ImportReport(file, false, doc.Services());
}

// The standard board with the game start and every year before yearNumber.
struct CLongGame {
    explicit CLongGame(int yearNumber)
    {
        importboard::FillStandardBoard(doc);
        ImportText(doc, yearreports::GameStart());
        for (int n = 1; n < yearNumber; ++n)
            for (const std::string& mail : yearreports::Year(GameYear(n)))
                ImportText(doc, mail);
        seasonsBefore = doc.m_seasons.size();
    }

    // Takes the seasons of the year just imported off again; false when the
    // year did not file exactly its five seasons without a message.
    bool FiledYearAndUndo()
    {
        const bool filed = doc.m_seasons.size() == seasonsBefore + kMailsPerYear && services.messages.empty();
        doc.OnLatestSeason();
        while (doc.m_seasons.size() > seasonsBefore)
            doc.OnRemoveSeason();
        return filed;
    }

    CRecordingServices services;
    CKestraneDoc doc{services};
    size_t seasonsBefore = 0;
};

// The report files of one year, written afresh before every round because
// the import rewrites them; the folder goes at the end.
class CYearFiles : private CNonCopyable {
public:
    explicit CYearFiles(int year) : m_mails(yearreports::Year(year))
    {
        m_folder = std::filesystem::temp_directory_path() / ("kestrane-bench-century-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        for (size_t i = 0; i < kMailsPerYear; ++i)
            m_paths[i] = (m_folder / ("mail" + std::to_string(i) + ".txt")).string();
    }
    ~CYearFiles()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }

    void Write() const
    {
        for (size_t i = 0; i < kMailsPerYear; ++i)
            std::ofstream(m_paths[i], std::ios::binary | std::ios::trunc) << m_mails[i];
    }
    const std::array<std::string, kMailsPerYear>& Paths() const { return m_paths; }

private:
    std::array<std::string, kMailsPerYear> m_mails;
    std::filesystem::path m_folder;
    std::array<std::string, kMailsPerYear> m_paths;
};

// Times importYear round after round; prepare (when given) and taking the
// year off again run untimed, so every round starts from the same game.
void TimeYearImport(benchmark::State& state, CLongGame& game, const std::function<void()>& prepare,
                    const std::function<void()>& importYear)
{
    bool filed = true;
    for (auto _ : state) {
        if (prepare) {
            state.PauseTiming();
            prepare();
            state.ResumeTiming();
        }
        importYear();

        state.PauseTiming();
        filed = game.FiledYearAndUndo() && filed;
        state.ResumeTiming();
    }
    if (!filed)
        state.SkipWithError("a mail of the year was not filed cleanly");
    state.counters["seasons_held"] = double(game.seasonsBefore);
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kMailsPerYear));
}

} // namespace

// Year N from memory: the import without the disk, so the document's share
// of the cost, and its growth, stand out.
static void BM_ImportYearInMemory(benchmark::State& state)
{
    const int yearNumber = int(state.range(0));
    CLongGame game(yearNumber);
    const auto mails = yearreports::Year(GameYear(yearNumber));
    TimeYearImport(state, game, nullptr, [&] {
        for (const std::string& mail : mails)
            ImportText(game.doc, mail);
    });
}
BENCHMARK(BM_ImportYearInMemory)->Arg(1)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

// One walk over the whole season list: the look-up of year N's spring
// movement, which the game does not hold yet.
static void BM_FindAbsentSeason(benchmark::State& state)
{
    const int yearNumber = int(state.range(0));
    CLongGame game(yearNumber);
    std::string name = "S";
    name += std::to_string(GameYear(yearNumber)) + "M";
    const CSeasonHdr* found = nullptr;
    for (auto _ : state) {
        found = game.doc.FindSeason(name);
        benchmark::DoNotOptimize(found);
    }
    if (found || !game.services.messages.empty())
        state.SkipWithError("the game is not the one the walk assumes");
    state.counters["seasons_held"] = double(game.seasonsBefore);
}
BENCHMARK(BM_FindAbsentSeason)->Arg(1)->Arg(10)->Arg(50)->Arg(100);

// The same year as Edit, Import takes it: from files, each rewritten on disk.
static void BM_ImportYearFromFiles(benchmark::State& state)
{
    const int yearNumber = int(state.range(0));
    CLongGame game(yearNumber);
    CYearFiles files(GameYear(yearNumber));
    TimeYearImport(state, game, [&] { files.Write(); }, [&] {
        for (const std::string& path : files.Paths())
            game.doc.OnImport(path);
    });
}
BENCHMARK(BM_ImportYearFromFiles)->Arg(1)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);
