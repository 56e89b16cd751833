#include "cli/BatchSplit.h"
#include "cli/CommandSupport.h"

#include <atomic>
#include <functional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Where one piece of a batch waits for its import.
fs::path TempReportPath()
{
    static std::atomic<unsigned> counter{0};
    std::error_code ec;
    fs::path folder = fs::temp_directory_path(ec);
    if (ec)
        folder = ".";
    return folder / ("kestrane-batch-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".txt");
}

// Imports one report and tells whether it was taken: a new season filed,
// nothing rejected and no fatal close. A report that files nothing and shows
// no message (a notice without a header line) gets a line of its own, so a failed
// status never comes without a reason.
bool ImportOne(CGameSession& session, const CCliEnvironment& env, const std::string& label,
               const std::function<void()>& import)
{
    CKestraneDoc& doc = session.Doc();
    const size_t seasonsBefore = doc.m_seasons.size();
    const int rejectionsBefore = session.Services().ExclamationCount();
    const int messagesBefore = session.Services().MessageCount();
    import();
    const bool filed = doc.m_seasons.size() > seasonsBefore;
    if (!filed && session.Services().MessageCount() == messagesBefore)
        Complain(env, label + ": no Judge header line was found");
    return filed && session.Services().ExclamationCount() == rejectionsBefore &&
           !session.Services().CloseRequested();
}

} // namespace

int CommandImport(const CCliArgs& args, const CCliEnvironment& env)
{
    const std::string gamePath = Absolute(args.positional[0]);
    CGameSession session(env, InstallDirOf(args, env));
    if (!session.Open(gamePath))
        return kExitFailed;
    CKestraneDoc& doc = session.Doc();
    const bool batch = args.Has("--batch");

    // A later rejection clears the document's modified flag even when an
    // earlier report of the same run was filed; remembering every import that
    // left the document modified keeps such a report from being lost.
    bool modified = false;
    bool allTaken = true;
    auto track = [&](bool taken) {
        modified = modified || doc.IsModified();
        allTaken = allTaken && taken;
        return !session.Services().CloseRequested();
    };

    for (size_t i = 1; i < args.positional.size(); ++i) {
        const std::string& operand = args.positional[i];
        const bool fromStdin = operand == "-";
        if (!batch) {
            bool taken = false;
            if (fromStdin) {
                std::string text = ReadAll(env.in);
                std::optional<std::string> clipboard;
                if (!text.empty())
                    clipboard = std::move(text);
                taken = ImportOne(session, env, "standard input", [&] { doc.OnImportClipboard(clipboard); });
            } else {
                const std::string path = Absolute(operand);
                taken = ImportOne(session, env, operand, [&] { doc.OnImport(path); });
            }
            if (!track(taken))
                return kExitFailed;
            continue;
        }

        std::optional<std::string> text;
        if (fromStdin) {
            text = ReadAll(env.in);
        } else {
            std::error_code ec;
            if (fs::is_regular_file(Absolute(operand), ec))
                text = ReadWholeFile(Absolute(operand));
            if (!text) {
                Complain(env, "cannot read " + operand);
                allTaken = false;
                continue;
            }
        }
        if (text->empty()) {
            Complain(env, (fromStdin ? std::string("standard input") : operand) + " holds no report");
            allTaken = false;
            continue;
        }
        // The input itself is left as it is (a mailbox stays a mailbox): each
        // piece is imported from a file of its own, which the import rewrites.
        for (const std::string& piece : OrderBySeason(SplitJudgeMails(*text))) {
            const std::string label = (fromStdin ? std::string("standard input") : operand) + ", the mail of " +
                                      (FiledSeasonName(piece).empty() ? "no season" : FiledSeasonName(piece));
            bool taken = false;
            if (fromStdin) {
                taken = ImportOne(session, env, label, [&] { doc.OnImportClipboard(piece); });
            } else {
                const fs::path temp = TempReportPath();
                if (!WriteWholeFile(temp, piece)) {
                    Complain(env, "cannot write the temporary file " + temp.string());
                    return kExitFailed;
                }
                taken = ImportOne(session, env, label, [&] { doc.OnImport(temp.string()); });
                std::error_code ec;
                fs::remove(temp, ec);
            }
            if (!track(taken))
                return kExitFailed;
        }
    }

    if (modified && !session.Save(gamePath))
        return kExitFailed;
    return allTaken ? kExitOk : kExitFailed;
}

