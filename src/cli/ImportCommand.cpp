#include "cli/BatchSplit.h"
#include "cli/CommandSupport.h"

#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// One piece of a batch in a file of its own below the temporary folder.
// The file is created exclusively (never an existing file or a link planted
// there) and removed with the object.
class CTempReport {
public:
    explicit CTempReport(const std::string& bytes)
    {
        std::error_code ec;
        const fs::path folder = fs::temp_directory_path(ec);
        std::string pattern = ((ec ? fs::path(".") : folder) / "kestrane-batch-XXXXXX.txt").string();
        const int fd = ::mkstemps(pattern.data(), 4);
        if (fd < 0)
            return;
        m_path = pattern;
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += size_t(n);
        }
        m_bWritten = ::close(fd) == 0 && done == bytes.size();
    }
    ~CTempReport()
    {
        std::error_code ec;
        if (!m_path.empty())
            fs::remove(m_path, ec);
    }
    CTempReport(const CTempReport&) = delete;
    CTempReport& operator=(const CTempReport&) = delete;

    bool Written() const { return m_bWritten; }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
    bool m_bWritten = false;
};

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

// Every Judge mail of the input in game order, each through the form its
// input would take. The input itself is left as it is (a mailbox stays a
// mailbox): a piece from a file is imported from a file of its own.
void ImportBatch(CImportRun& run, CKestraneDoc& doc, const CCliEnvironment& env, const std::string& operand)
{
    const bool fromStdin = operand == "-";
    const std::string name = fromStdin ? std::string("standard input") : operand;
    std::optional<std::string> text;
    std::error_code ec;
    if (fromStdin)
        text = ReadAll(env.in);
    else if (fs::is_regular_file(Absolute(operand), ec))
        text = ReadWholeFile(Absolute(operand));
    if (!text) {
        Complain(env, "cannot read " + operand);
        run.Fail();
        return;
    }
    if (text->empty()) {
        Complain(env, name + " holds no report");
        run.Fail();
        return;
    }
    for (const std::string& piece : OrderBySeason(SplitJudgeMails(*text))) {
        const std::string season = FiledSeasonName(piece);
        const std::string label = name + ", the mail of " + (season.empty() ? "no season" : season);
        if (fromStdin) {
            run.Import(label, [&] { doc.OnImportClipboard(piece); });
        } else {
            const CTempReport temp(piece);
            if (!temp.Written()) {
                Complain(env, "cannot write a temporary file for " + label);
                run.Fail();
                return;
            }
            run.Import(label, [&] { doc.OnImport(temp.Path().string()); });
        }
        if (run.Closed())
            return;
    }
}

} // namespace

int CommandImport(const CCliArgs& args, const CCliEnvironment& env)
{
    const std::string gamePath = Absolute(args.positional[0]);
    CGameSession session(env, InstallDirOf(args, env));
    if (!session.Open(gamePath))
        return kExitFailed;
    CImportRun run(session, env);
    for (size_t i = 1; i < args.positional.size() && !run.Closed(); ++i) {
        if (args.Has("--batch"))
            ImportBatch(run, session.Doc(), env, args.positional[i]);
        else
            ImportWhole(run, session.Doc(), env, args.positional[i]);
    }
    if (run.Closed())
        return kExitFailed;
    if (run.Modified() && !session.Save(gamePath))
        return kExitFailed;
    return run.AllTaken() ? kExitOk : kExitFailed;
}
