#include "cli/MailboxGame.h"

#include "cli/CliServices.h"
#include "cli/CommandSupport.h"
#include "cli/OrdersStateCommand.h"
#include "mailaccess/FetchedMail.h"
#include "mailaccess/PasswordKeyring.h"
#include "watch/ResultsNotice.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool AnyFailed(const CMailboxImport& import)
{
    return !import.problems.empty() ||
           std::any_of(import.summary.reports.begin(), import.summary.reports.end(), [](const CReportResult& r) {
               return r.outcome == ReportOutcome::Rejected || r.outcome == ReportOutcome::Fatal;
           });
}

} // namespace

void PrintImport(const CCliEnvironment& env, const CMailboxImport& import, const std::string& headline, bool verbose)
{
    if (!headline.empty())
        env.out << headline << '\n';
    PrintImportSummary(env.out, env.err, import.summary, import.problems, verbose);
}

std::optional<CMailboxGame> PrepareMailboxGame(const CFetchArgs& args, const CCliEnvironment& env)
{
    CMailboxGame game;
    game.path = Absolute(args.game);
    game.installDir = args.installDir;
    game.verbose = args.verbose;
    CGameSession session(env, args.installDir);
    if (!session.Open(game.path))
        return std::nullopt;
    const CKestraneDoc& doc = session.Doc();

    const CMailAccount stored = env.storedAccount ? env.storedAccount(game.path) : CMailAccount{};
    game.account = FetchAccount(args, stored, doc.m_strJudge, doc.m_strGame);
    if (const std::string problem = game.account.Problem(); !problem.empty()) {
        Complain(env, problem);
        return std::nullopt;
    }
    std::string error;
    IPasswordKeyring* keyring = env.keyring ? env.keyring() : nullptr;
    const auto password = CommandLinePassword(keyring, game.account.KeyringKey(), error);
    if (!password) {
        Complain(env, error);
        return std::nullopt;
    }
    game.password = *password;

    game.markKey = CFetchMarks::Key(game.path, game.account);
    const std::string marksFile = env.marksFile ? env.marksFile() : std::string();
    CFetchMarks marks;
    if (!marksFile.empty() && !marks.Load(marksFile, error)) {
        Complain(env, error);
        return std::nullopt;
    }
    game.mark = marks.Get(game.markKey);
    return game;
}

CImapOptions CliImapOptions()
{
    CImapOptions options;
    if (const char* ca = std::getenv("KESTRANE_IMAP_CA_FILE"))
        options.caFile = ca;
    return options;
}

bool StoreMark(const CCliEnvironment& env, const CMailboxGame& game, const CFetchMark& mark)
{
    const std::string marksFile = env.marksFile ? env.marksFile() : std::string();
    if (marksFile.empty())
        return true;
    std::string error;
    CFetchMarks marks;
    if (!marks.Load(marksFile, error)) {
        Complain(env, error);
        return false;
    }
    if (marks.Get(game.markKey) == mark)
        return true;
    marks.Set(game.markKey, mark);
    if (!marks.Save(marksFile, error)) {
        Complain(env, error);
        return false;
    }
    return true;
}

CFetchImport ImportFetch(const CCliEnvironment& env, const CMailboxGame& game, const CMailboxFetch& fetch,
                         const CFetchMark& next, const std::string& prefix)
{
    CFetchImport result;
    CGameSession session(env, game.installDir);
    if (!session.Open(game.path))
        return result;
    CKestraneDoc& doc = session.Doc();

    std::vector<std::string> problems;
    const std::vector<CReportText> texts = FetchedReportTexts(fetch, game.account, problems);
    const CMailboxImport import = ImportMailTexts(doc, texts, std::move(problems));
    PrintImport(env, import, prefix + import.Headline(), game.verbose);
    // A broken game is not saved, and its mails are fetched again next time.
    if (session.Services().CloseRequested())
        return result;
    if (doc.IsModified() && !session.Save(game.path))
        return result;
    const bool recorded = RecordImportedPhase(env, doc, texts);
    if (MarkMayAdvance(import) && !StoreMark(env, game, next))
        return result;
    result.notice = ResultsNotice(doc, FiledSeasons(import));
    if (const auto due = StoredPhaseDue(env, doc))
        result.due = DueInWords(*due);
    result.ok = !AnyFailed(import) && recorded;
    return result;
}
