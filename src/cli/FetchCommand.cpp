#include "cli/FetchCommand.h"

#include "cli/CliServices.h"
#include "cli/CommandSupport.h"
#include "cli/OrdersStateCommand.h"
#include "mailaccess/FetchMarks.h"
#include "mailaccess/FetchedMail.h"
#include "mailaccess/MailboxFetch.h"
#include "mailaccess/PasswordKeyring.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

CMailAccount FetchAccount(const CFetchArgs& args, const CMailAccount& stored, const std::string& judge,
                          const std::string& game)
{
    CMailAccount account = stored;
    if (args.server)
        account.m_strServer = *args.server;
    if (args.security)
        account.m_security = *args.security;
    if (args.port)
        account.m_nPort = *args.port;
    else if (args.security)
        account.m_nPort = CMailAccount::DefaultPort(*args.security);
    if (args.user)
        account.m_strUser = *args.user;
    if (args.folder)
        account.m_strFolder = *args.folder;
    if (args.filter)
        account.m_strFilter = *args.filter;
    if (account.m_strFilter.empty())
        account.m_strFilter = DefaultMailFilter(judge, game);
    return account;
}

namespace {

bool AnyFailed(const CMailboxImport& import)
{
    return !import.problems.empty() ||
           std::any_of(import.summary.reports.begin(), import.summary.reports.end(), [](const CReportResult& r) {
               return r.outcome == ReportOutcome::Rejected || r.outcome == ReportOutcome::Fatal;
           });
}

} // namespace

int CommandFetch(const CFetchArgs& args, const CCliEnvironment& env)
{
    const std::string gamePath = Absolute(args.game);
    CGameSession session(env, args.installDir);
    if (!session.Open(gamePath))
        return kExitFailed;
    CKestraneDoc& doc = session.Doc();

    const CMailAccount stored = env.storedAccount ? env.storedAccount(gamePath) : CMailAccount{};
    const CMailAccount account = FetchAccount(args, stored, doc.m_strJudge, doc.m_strGame);
    if (const std::string problem = account.Problem(); !problem.empty()) {
        Complain(env, problem);
        return kExitFailed;
    }
    std::string error;
    IPasswordKeyring* keyring = env.keyring ? env.keyring() : nullptr;
    const auto password = CommandLinePassword(keyring, account.KeyringKey(), error);
    if (!password) {
        Complain(env, error);
        return kExitFailed;
    }

    const std::string marksFile = env.marksFile ? env.marksFile() : std::string();
    CFetchMarks marks;
    if (!marksFile.empty() && !marks.Load(marksFile, error)) {
        Complain(env, error);
        return kExitFailed;
    }
    const std::string key = CFetchMarks::Key(gamePath, account);
    const CFetchMark mark = marks.Get(key);

    CImapOptions options;
    if (const char* ca = std::getenv("KESTRANE_IMAP_CA_FILE"))
        options.caFile = ca;
    const CMailboxFetch fetch = FetchNewMail(account, *password, mark, options);
    if (!fetch.Ok()) {
        Complain(env, fetch.error);
        return kExitFailed;
    }
    if (fetch.mails.empty()) {
        env.out << "No new mail for this game in " << account.m_strFolder << " on " << account.m_strServer << ".\n";
        if (!marksFile.empty() && fetch.NextMark(mark) != mark) {
            marks.Set(key, fetch.NextMark(mark));
            marks.Save(marksFile, error);
        }
        return kExitOk;
    }

    std::vector<std::string> problems;
    const std::vector<CReportText> texts = FetchedReportTexts(fetch, account, problems);
    const CMailboxImport import = ImportMailTexts(doc, texts, std::move(problems));
    // The same summary as import --batch: the import's messages on standard
    // error as they were given, the summary on standard output.
    for (const CReportResult& report : import.summary.reports)
        for (size_t i = 0; i < report.messages.size(); ++i)
            env.err << CCliServices::FormatMessage(report.messages[i],
                                                   i < report.icons.size() ? report.icons[i] : MessageIcon::None)
                    << '\n';
    env.err.flush();
    std::string text = import.Headline() + "\n" + import.Text();
    if (text.back() != '\n')
        text += '\n';
    env.out << text;
    // A broken game is not saved, and its mails are fetched again next time.
    if (session.Services().CloseRequested())
        return kExitFailed;
    if (doc.IsModified() && !session.Save(gamePath))
        return kExitFailed;
    const bool recorded = RecordImportedPhase(env, doc, texts);
    if (!marksFile.empty() && MarkMayAdvance(import)) {
        marks.Set(key, fetch.NextMark(mark));
        if (!marks.Save(marksFile, error)) {
            Complain(env, error);
            return kExitFailed;
        }
    }
    return AnyFailed(import) || !recorded ? kExitFailed : kExitOk;
}

int CommandFetchArgs(const CCliArgs& args, const CCliEnvironment& env)
{
    if (int(args.Has("--tls")) + int(args.Has("--starttls")) + int(args.Has("--plain")) > 1) {
        Complain(env, "fetch takes only one of --tls, --starttls and --plain");
        return kExitUsage;
    }
    CFetchArgs fetch;
    fetch.game = args.positional[0];
    fetch.installDir = InstallDirOf(args, env);
    const auto given = [&](const char* name) {
        return args.Has(name) ? std::optional<std::string>(args.Value(name)) : std::nullopt;
    };
    fetch.server = given("--server");
    fetch.user = given("--user");
    fetch.folder = given("--folder");
    fetch.filter = given("--filter");
    if (args.Has("--port"))
        fetch.port = std::stoi(args.Value("--port"));
    if (args.Has("--tls"))
        fetch.security = MailSecurity::ImplicitTls;
    else if (args.Has("--starttls"))
        fetch.security = MailSecurity::StartTls;
    else if (args.Has("--plain"))
        fetch.security = MailSecurity::Plain;
    return CommandFetch(fetch, env);
}
