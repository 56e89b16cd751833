#include "judge/ReportBatch.h"
#include "cli/CommandSupport.h"

#include <cstdlib>
#include <functional>

namespace fs = std::filesystem;

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

// The file form for a path, the clipboard form for "-".
void ImportWhole(CImportRun& run, CKestraneDoc& doc, const CCliEnvironment& env, const std::string& operand)
{
    if (operand != "-") {
        const std::string path = Absolute(operand);
        run.Import(operand, [&] { doc.OnImport(path); });
        return;
    }
    std::string text = ReadAll(env.in);
    std::optional<std::string> clipboard;
    if (!text.empty())
        clipboard = std::move(text);
    run.Import("standard input", [&] { doc.OnImportClipboard(clipboard); });
}

// Every Judge mail of every input in game order, through the core's batch
// import: no input is rewritten. Each report's messages are printed as the
// single import prints them, and the summary goes to standard output.
void ImportBatch(CImportRun& run, CKestraneDoc& doc, const CCliEnvironment& env,
                 const std::vector<std::string>& operands)
{
    std::vector<CReportText> texts;
    for (const std::string& operand : operands) {
        const bool fromStdin = operand == "-";
        CReportText text;
        text.origin = fromStdin ? std::string("standard input") : operand;
        std::optional<std::string> bytes;
        std::error_code ec;
        if (fromStdin)
            bytes = ReadAll(env.in);
        else if (fs::is_regular_file(Absolute(operand), ec))
            bytes = ReadWholeFile(Absolute(operand));
        if (!bytes) {
            Complain(env, "cannot read " + operand);
            run.Fail();
            continue;
        }
        if (bytes->empty()) {
            Complain(env, text.origin + " holds no report");
            run.Fail();
            continue;
        }
        text.text = std::move(*bytes);
        texts.push_back(std::move(text));
    }
    if (texts.empty())
        return;
    const CBatchSummary summary = ImportReportBatch(doc, texts);
    for (const CReportResult& report : summary.reports) {
        if (report.outcome == ReportOutcome::NotJudgeMail) {
            Complain(env, report.origin + ", the mail of no season: no Judge header line was found");
            run.Fail();
            continue;
        }
        bool rejected = report.outcome != ReportOutcome::Filed;
        for (size_t i = 0; i < report.messages.size(); ++i) {
            const MessageIcon icon = i < report.icons.size() ? report.icons[i] : MessageIcon::None;
            rejected = rejected || icon == MessageIcon::Exclamation;
            env.err << CCliServices::FormatMessage(report.messages[i], icon) << '\n';
        }
        if (rejected)
            run.Fail();
    }
    env.err.flush();
    env.out << summary.Text();
}

} // namespace

int CommandImport(const CCliArgs& args, const CCliEnvironment& env)
{
    const std::string gamePath = Absolute(args.positional[0]);
    CGameSession session(env, InstallDirOf(args, env));
    if (!session.Open(gamePath))
        return kExitFailed;
    CImportRun run(session, env);
    if (args.Has("--batch"))
        ImportBatch(run, session.Doc(), env, {args.positional.begin() + 1, args.positional.end()});
    else
        for (size_t i = 1; i < args.positional.size() && !run.Closed(); ++i)
            ImportWhole(run, session.Doc(), env, args.positional[i]);
    if (run.Closed())
        return kExitFailed;
    if (run.Modified() && !session.Save(gamePath))
        return kExitFailed;
    return run.AllTaken() ? kExitOk : kExitFailed;
}
