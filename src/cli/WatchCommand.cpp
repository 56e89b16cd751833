#include "cli/WatchCommand.h"

#include "cli/CommandSupport.h"
#include "cli/MailboxGame.h"
#include "cli/OrdersStateCommand.h"
#include "cli/StopSignals.h"
#include "cli/TaskQueue.h"
#include "mailaccess/MailboxWatch.h"
#include "mailaccess/WatchSettings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>

namespace {

// Everything that concerns one game is said on lines that begin with its
// file's name, so several games can be told apart.
struct CWatchedGame {
    CMailboxGame game;
    std::string name;
    int pollMinutes = CWatchSettings::kDefaultPollMinutes;
    bool useIdle = true;
};

void Say(const CCliEnvironment& env, const CWatchedGame& watched, const std::string& text)
{
    env.out << watched.name << ": " << text << '\n';
    // Read as it comes (a log, a terminal), not when the buffer fills.
    env.out.flush();
}

void SayDue(const CCliEnvironment& env, const CWatchedGame& watched, const std::optional<std::string>& due)
{
    Say(env, watched, due ? *due : "no phase due is known yet");
}

std::optional<std::string> StoredDue(const CCliEnvironment& env, const CWatchedGame& watched)
{
    CGameSession session(env, watched.game.installDir);
    if (!session.Open(watched.game.path))
        return std::nullopt;
    const std::optional<CPhaseDue> due = StoredPhaseDue(env, session.Doc());
    return due ? std::optional<std::string>(DueInWords(*due)) : std::nullopt;
}

// The import of what a fetch brought, then what arrived in the notice's
// words and the time left; false when anything failed.
bool ImportAndTell(const CCliEnvironment& env, const CWatchedGame& watched, const CMailboxFetch& fetch,
                   const CFetchMark& next)
{
    const CFetchImport import = ImportFetch(env, watched.game, fetch, next, watched.name + ": ");
    if (import.notice) {
        env.out << import.notice->title << '\n';
        if (!import.notice->body.empty())
            env.out << "  " << import.notice->body << '\n';
    }
    SayDue(env, watched, import.due);
    return import.ok;
}

// The watch's minute, in which its polling period and its pauses before a
// new connection are counted: a real minute, except where the tests shorten
// it (KESTRANE_WATCH_MINUTE, in seconds, 1 to 60), as they cannot wait
// minutes for a poll or a new connection.
std::chrono::seconds WatchMinute()
{
    const char* given = std::getenv("KESTRANE_WATCH_MINUTE");
    const int seconds = given ? std::atoi(given) : 60;
    return std::chrono::seconds(seconds >= 1 && seconds <= 60 ? seconds : 60);
}

CWatchOptions Options(const CWatchedGame& watched)
{
    const std::chrono::seconds minute = WatchMinute();
    CWatchOptions options;
    options.minPollPeriod = CWatchSettings::kMinPollMinutes * minute;
    options.pollPeriod = std::max(watched.pollMinutes, CWatchSettings::kMinPollMinutes) * minute;
    options.useIdle = watched.useIdle;
    options.minRetryPause = minute;
    options.maxRetryPause = 15 * minute;
    options.imap = CliImapOptions();
    return options;
}

std::string Place(const CWatchedGame& watched)
{
    return watched.game.account.m_strFolder + " on " + watched.game.account.m_strServer;
}

int WatchOnce(const CCliEnvironment& env, const std::vector<CWatchedGame>& games)
{
    bool failed = false;
    for (const CWatchedGame& watched : games) {
        const CMailboxGame& game = watched.game;
        const CMailboxFetch fetch = FetchNewMail(game.account, game.password, game.mark, CliImapOptions());
        if (!fetch.Ok()) {
            Complain(env, watched.name + ": " + fetch.error);
            failed = true;
        } else if (fetch.mails.empty()) {
            Say(env, watched, "no new mail in " + Place(watched));
            failed |= !StoreMark(env, game, fetch.NextMark(game.mark));
            SayDue(env, watched, StoredDue(env, watched));
        } else {
            failed |= !ImportAndTell(env, watched, fetch, fetch.NextMark(game.mark));
        }
    }
    return failed ? kExitFailed : kExitOk;
}

// One watch a game on threads of their own; their news is imported and
// printed here, one at a time, until every watch has stopped: after a
// signal, or each for a reason of its own.
int WatchUntilStopped(const CCliEnvironment& env, const std::vector<CWatchedGame>& games)
{
    CTaskQueue queue;
    bool failed = false;
    size_t running = games.size();
    std::vector<std::unique_ptr<CMailboxWatch>> watches;
    for (const CWatchedGame& watched : games) {
        SayDue(env, watched, StoredDue(env, watched));
        CWatchEvents events;
        events.watching = [&, w = &watched](bool idle) {
            queue.Push([&, w, idle] {
                Say(env, *w,
                    "watching " + Place(*w) +
                        (idle ? ": new mail is fetched as it arrives"
                              : ": the server offers no IDLE, so it is asked every " +
                                    std::to_string(w->pollMinutes) + " minutes"));
            });
        };
        events.newMail = [&, w = &watched](const CMailboxFetch& fetch, const CFetchMark& next) {
            queue.Push([&, w, fetch, next] { failed |= !ImportAndTell(env, *w, fetch, next); });
        };
        events.reconnecting = [&, w = &watched](int seconds, const std::string& reason) {
            queue.Push([&, w, seconds, reason] {
                Complain(env, w->name + ": " + reason + " Trying again in " + std::to_string(seconds) + " seconds.");
            });
        };
        events.stopped = [&, w = &watched](const std::string& reason) {
            queue.Push([&, w, reason] {
                if (!reason.empty()) {
                    Complain(env, w->name + ": " + reason + " The watch has stopped.");
                    failed = true;
                }
                --running;
            });
        };
        watches.push_back(std::make_unique<CMailboxWatch>(watched.game.account, watched.game.password,
                                                          watched.game.mark, Options(watched), std::move(events)));
    }
    {
        // The watches end as they do after any stop: the mail already
        // handed over is still imported and saved.
        const CStopSignals signals([&] {
            queue.Push([&] {
                for (const auto& watch : watches)
                    watch->RequestStop();
            });
        });
        for (const auto& watch : watches)
            watch->Start();
        while (running > 0)
            queue.Next()();
    }
    watches.clear();
    return failed ? kExitFailed : kExitOk;
}

} // namespace

int CommandWatch(const CCliArgs& args, const CCliEnvironment& env)
{
    const std::optional<CFetchArgs> options = MailboxOptions(args, env);
    if (!options)
        return kExitUsage;
    std::vector<CWatchedGame> games;
    std::set<std::string> paths;
    for (const std::string& file : args.positional) {
        if (!paths.insert(Absolute(file)).second) {
            Complain(env, file + " is named twice");
            return kExitUsage;
        }
        CFetchArgs one = *options;
        one.game = file;
        std::optional<CMailboxGame> game = PrepareMailboxGame(one, env);
        if (!game)
            return kExitFailed;
        CWatchedGame watched{std::move(*game), std::filesystem::path(file).filename().string()};
        if (env.storedWatch) {
            const CWatchSettings stored = env.storedWatch(watched.game.path);
            watched.pollMinutes = stored.m_nPollMinutes;
            watched.useIdle = stored.m_bUseIdle;
        }
        if (args.Has("--poll"))
            watched.pollMinutes = std::stoi(args.Value("--poll"));
        games.push_back(std::move(watched));
    }
    return args.Has("--once") ? WatchOnce(env, games) : WatchUntilStopped(env, games);
}
