#include "cli/CommandSupport.h"
#include "cli/MailboxGame.h"
#include "cli/OrdersStateCommand.h"
#include "judge/ReportBatch.h"
#include "mailbox/MailSources.h"
#include "mailbox/MailboxImport.h"

#include <functional>
#include <iterator>

namespace {

// What one import run has done so far.
class CImportRun {
public:
    CImportRun(CGameSession& session, const CCliEnvironment& env) : m_session(session), m_env(env) {}

    // Imports one report and tells whether it was taken: a new season filed,
    // nothing rejected and no fatal close. A report that files nothing and
    // shows no message (a notice without a header line) gets a line of its
    // own, so a failed status never comes without a reason.
    void Import(const std::string& label, const std::function<void()>& import)
    {
        CKestraneDoc& doc = m_session.Doc();
        CCliServices& services = m_session.Services();
        const size_t seasonsBefore = doc.m_seasons.size();
        const int rejectionsBefore = services.ExclamationCount();
        const int messagesBefore = services.MessageCount();
        import();
        const bool filed = doc.m_seasons.size() > seasonsBefore;
        if (!filed && services.MessageCount() == messagesBefore)
            Complain(m_env, label + ": no Judge header line was found");
        if (!filed || services.ExclamationCount() != rejectionsBefore || services.CloseRequested())
            Fail();
    }

    void Fail() { m_bAllTaken = false; }
    /// After a fatal message the game is not to be trusted, let alone saved.
    bool Closed() const { return m_session.Services().CloseRequested(); }
    bool Modified() const { return m_session.Doc().IsModified(); }
    bool AllTaken() const { return m_bAllTaken; }

private:
    CGameSession& m_session;
    const CCliEnvironment& m_env;
    bool m_bAllTaken = true;
};

// The file form for a path, the clipboard form for "-". The text as
// imported is added to imported, for the phase it announces.
void ImportWhole(CImportRun& run, CKestraneDoc& doc, const CCliEnvironment& env, const std::string& operand,
                 std::vector<CReportText>& imported)
{
    if (operand != "-") {
        const std::string path = Absolute(operand);
        run.Import(operand, [&] { doc.OnImport(path); });
        if (auto text = ReadWholeFile(path))
            imported.push_back({std::move(*text), {}, {}, operand});
        return;
    }
    std::string text = ReadAll(env.in);
    std::optional<std::string> clipboard;
    if (!text.empty())
        clipboard = text;
    run.Import("standard input", [&] { doc.OnImportClipboard(clipboard); });
    imported.push_back({std::move(text), {}, {}, "standard input"});
}

// Every mail of the inputs read as mail programs keep mail (mbox files,
// Maildir folders, saved messages; plain reports as they are), before the
// game is opened: the core may make another folder current, and the
// summary names each input as the user wrote it.
std::vector<CReportText> ReadBatchInputs(const CCliEnvironment& env, const std::vector<std::string>& operands,
                                         std::vector<std::string>& problems)
{
    std::vector<CReportText> texts;
    for (const std::string& operand : operands) {
        std::vector<CReportText> read = operand == "-" ? ReadMailBytes(ReadAll(env.in), "standard input", problems)
                                                       : ReadMailSources({operand}, problems);
        texts.insert(texts.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    }
    return texts;
}

// Every Judge mail of the inputs in game order, through the core's batch
// import: no input is rewritten. The messages of the mails the summary names
// (with --verbose, of every mail) are printed as the single import prints
// them, and the summary, as the desktop program shows it, goes to standard
// output.
int ImportBatch(const CCliArgs& args, const CCliEnvironment& env)
{
    std::vector<std::string> problems;
    const std::vector<CReportText> texts =
        ReadBatchInputs(env, {args.positional.begin() + 1, args.positional.end()}, problems);
    for (const std::string& problem : problems)
        Complain(env, problem);

    const std::string gamePath = Absolute(args.positional[0]);
    CGameSession session(env, InstallDirOf(args, env));
    if (!session.Open(gamePath))
        return kExitFailed;
    const CMailboxImport result = ImportMailTexts(session.Doc(), texts, std::move(problems));
    PrintImport(env, result, {}, args.Has("--verbose"));

    // After a fatal message the game is not to be trusted, let alone saved.
    if (session.Services().CloseRequested())
        return kExitFailed;
    if (session.Doc().IsModified() && !session.Save(gamePath))
        return kExitFailed;
    const bool recorded = RecordImportedPhase(env, session.Doc(), texts);
    return result.Succeeded() && recorded ? kExitOk : kExitFailed;
}

} // namespace

int CommandImport(const CCliArgs& args, const CCliEnvironment& env)
{
    if (args.Has("--batch"))
        return ImportBatch(args, env);
    const std::string gamePath = Absolute(args.positional[0]);
    CGameSession session(env, InstallDirOf(args, env));
    session.Services().SetVerbose(args.Has("--verbose"));
    if (!session.Open(gamePath))
        return kExitFailed;
    CImportRun run(session, env);
    std::vector<CReportText> imported;
    for (size_t i = 1; i < args.positional.size() && !run.Closed(); ++i)
        ImportWhole(run, session.Doc(), env, args.positional[i], imported);
    if (run.Closed())
        return kExitFailed;
    if (run.Modified() && !session.Save(gamePath))
        return kExitFailed;
    const bool recorded = RecordImportedPhase(env, session.Doc(), imported);
    return run.AllTaken() && recorded ? kExitOk : kExitFailed;
}
