#include "cli/Commands.h"

#include "cli/BatchSplit.h"
#include "cli/CliArgs.h"
#include "cli/CliServices.h"
#include "cli/History.h"
#include "cli/SeasonReport.h"
#include "mail/OrdersMail.h"
#include "model/KestraneDoc.h"
#include "views/MapRenderer.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Reasons of the command line itself (not messages of the game), so they
// carry the program's name rather than the message-box prefix.
void Complain(const CCliEnvironment& env, const std::string& text)
{
    env.err << "kestrane-cli: " << text << '\n';
}

std::optional<std::string> ReadWholeFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return text;
}

bool WriteWholeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    return !out.fail();
}

std::string ReadAll(std::istream& in)
{
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The core may make the installation folder current, so every path the user
// gave is made absolute before the first document operation.
std::string Absolute(const std::string& path)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

// One game document with the services that print its messages.
class CGameSession {
public:
    CGameSession(const CCliEnvironment& env, const std::string& installDir)
        : m_services(env.err, installDir), m_doc(m_services)
    {
    }

    CCliServices& Services() { return m_services; }
    CKestraneDoc& Doc() { return m_doc; }

    /// Opens the game as the desktop program does: the document file with the
    /// picture reload, then the title of the season on show.
    bool Open(const std::string& path)
    {
        if (!m_doc.OnOpenDocument(path))
            return false;
        m_doc.SetModifiedFlag(false);
        m_doc.SetPathName(path);
        m_doc.SetTitle(fs::path(path).filename().string());
        m_doc.UpdateSeasonTitle();
        return !m_services.CloseRequested();
    }

    /// Saves the game; the core replaces the file only once the new one is
    /// complete, so a failed write leaves the old game as it was.
    bool Save(const std::string& path) { return m_doc.OnSaveDocument(path); }

    /// Makes the named season the one on show; false when there is none.
    bool Select(const std::string& name)
    {
        for (auto it = m_doc.m_seasons.begin(); it != m_doc.m_seasons.end(); ++it) {
            if ((*it)->m_strSeason == name) {
                m_doc.m_posCurrent = it;
                m_doc.UpdateSeasonTitle();
                return true;
            }
        }
        return false;
    }

private:
    CCliServices m_services;
    CKestraneDoc m_doc;
};

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

std::string InstallDirOf(const CCliArgs& args, const CCliEnvironment& env)
{
    if (args.installDir)
        return Absolute(*args.installDir);
    return env.defaultInstallDir ? env.defaultInstallDir() : std::string(".");
}

// Opens the game and shows the named season (or the latest one).
bool OpenForReading(CGameSession& session, const CCliArgs& args, const CCliEnvironment& env)
{
    const std::string path = Absolute(args.positional[0]);
    if (!session.Open(path))
        return false;
    if (args.positional.size() > 1 && !session.Select(args.positional[1])) {
        Complain(env, "no season " + args.positional[1] + " in " + args.positional[0]);
        return false;
    }
    return true;
}

int CommandNew(const CCliArgs& args, const CCliEnvironment& env)
{
    std::string mapName = args.positional[0];
    const std::string gamePath = Absolute(args.positional[1]);
    std::error_code ec;
    if (fs::exists(gamePath, ec)) {
        Complain(env, args.positional[1] + " exists already; a new game is never written over a file");
        return kExitFailed;
    }
    // The core takes the map name from the file title of the chosen file, so
    // a name with full stops of its own keeps them.
    std::string lower = mapName;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".map") != 0)
        mapName += ".map";

    CGameSession session(env, InstallDirOf(args, env));
    CKestraneDoc& doc = session.Doc();
    if (!doc.OnNewDocument(mapName) || session.Services().CloseRequested())
        return kExitFailed;
    doc.SetPathName(gamePath);
    doc.SetTitle(fs::path(gamePath).filename().string());
    return session.Save(gamePath) ? kExitOk : kExitFailed;
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

int CommandSeasons(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    for (const auto& season : session.Doc().m_seasons)
        env.out << season->m_strSeason << '\t' << season->m_strDeadline << '\n';
    return kExitOk;
}

int CommandShow(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    env.out << (args.Has("--json") ? SeasonReportJson(session.Doc()) : SeasonReportText(session.Doc()));
    return kExitOk;
}

int CommandRender(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    CKestraneDoc& doc = session.Doc();

    CDisplaySettings settings;
    settings.m_bInitials = args.Has("--initials") ? 1 : 0;
    settings.m_bSCDisplay = args.Has("--centres") ? 1 : 0;
    CScreenTarget screen;
    if (args.Has("--size")) {
        const auto size = ParseSize(args.Value("--size"));
        settings.m_bZoomToFit = 1;
        screen.m_nClientWidth = size->first;
        screen.m_nClientHeight = size->second;
    }
    CRenderOptions options;
    options.m_bMaskedCopy = !args.Has("--no-maskblt");

    const CDrawResult drawn = OnDraw(doc, settings, CDrawTarget(screen), session.Services(), options);
    if (!drawn.blit)
        return kExitFailed;
    CRgbImage image(drawn.blit->to.width, drawn.blit->to.height);
    ApplyBlit(image, drawn.picture, *drawn.blit);

    const std::string outPath = Absolute(args.Value("-o"));
    std::string error;
    if (!env.writePng || !env.writePng(image, outPath, error)) {
        Complain(env, "cannot write " + args.Value("-o") + (error.empty() ? "" : ": " + error));
        return kExitFailed;
    }
    return kExitOk;
}

// The country named on the command line, matched without regard to case so
// that "england" finds ENGLAND; the stored spelling is what the mail uses.
std::optional<std::string> CountryNamed(const CKestraneDoc& doc, const std::string& name)
{
    auto upper = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
        return s;
    };
    for (const CCountry& country : doc.m_countries)
        if (upper(country.m_strName) == upper(name))
            return country.m_strName;
    return std::nullopt;
}

int CommandMail(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    CKestraneDoc& doc = session.Doc();
    if (args.Has("--country")) {
        const auto country = CountryNamed(doc, args.Value("--country"));
        if (!country) {
            Complain(env, "no country " + args.Value("--country") + " in this game");
            return kExitFailed;
        }
        doc.m_strMyCountry = *country;
    }
    if (args.Has("--password"))
        doc.m_strPassword = args.Value("--password");
    if (!ComposeOrdersMail(doc) || session.Services().CloseRequested())
        return kExitFailed;
    env.out << doc.m_strMail;
    env.out.flush();
    return kExitOk;
}

int CommandHistory(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!OpenForReading(session, args, env))
        return kExitFailed;
    const CCentreHistory history = BuildCentreHistory(session.Doc());
    if (!args.Has("--svg")) {
        env.out << CentreHistoryCsv(history);
        return kExitOk;
    }
    const std::string outPath = Absolute(args.Value("--svg"));
    if (!WriteWholeFile(outPath, CentreHistorySvg(history))) {
        Complain(env, "cannot write " + args.Value("--svg"));
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

int RunCli(const std::vector<std::string>& argv, const CCliEnvironment& env)
{
    const CArgsResult parsed = ParseCliArgs(argv);
    if (parsed.help) {
        env.out << UsageText();
        return kExitOk;
    }
    if (!parsed.args) {
        Complain(env, parsed.error);
        env.err << UsageText();
        return kExitUsage;
    }
    const CCliArgs& args = *parsed.args;
    if (args.command == "new")
        return CommandNew(args, env);
    if (args.command == "import")
        return CommandImport(args, env);
    if (args.command == "seasons")
        return CommandSeasons(args, env);
    if (args.command == "show")
        return CommandShow(args, env);
    if (args.command == "render")
        return CommandRender(args, env);
    if (args.command == "mail")
        return CommandMail(args, env);
    return CommandHistory(args, env);
}
