#include "CliRunner.h"

#include "support/TempDir.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef KESTRANE_CLI_PATH
#error "KESTRANE_CLI_PATH must name the built kestrane-cli"
#endif

extern char** environ;

CCliRun RunCliBinary(const std::vector<std::string>& args, const std::filesystem::path& cwd,
                     const std::string& stdinText, const std::filesystem::path& configHome)
{
    // Files rather than pipes: nothing can block however much either side writes.
    CTempDir io;
    const auto inPath = io.Write("stdin", stdinText);
    const auto outPath = io.Path() / "stdout";
    const auto errPath = io.Path() / "stderr";

    std::vector<std::string> argvStrings{KESTRANE_CLI_PATH};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& s : argvStrings)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());

    // Clipboard imports keep their text in the cache folder, and the stored
    // settings live in the configuration folder: one of each per run, so
    // tests running side by side share nothing and never see the user's.
    std::vector<std::string> envStrings;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        if (entry.rfind("XDG_CACHE_HOME=", 0) != 0 && entry.rfind("XDG_CONFIG_HOME=", 0) != 0 &&
            entry.rfind("XDG_DATA_HOME=", 0) != 0)
            envStrings.push_back(entry);
    }
    envStrings.push_back("XDG_CACHE_HOME=" + (io.Path() / "cache").string());
    // Maps of the user's own are looked for in the data folder: none here.
    envStrings.push_back("XDG_DATA_HOME=" + (io.Path() / "data").string());
    envStrings.push_back("XDG_CONFIG_HOME=" + (configHome.empty() ? io.Path() / "config" : configHome).string());
    std::vector<char*> envp;
    for (auto& s : envStrings)
        envp.push_back(s.data());
    envp.push_back(nullptr);

    CCliRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, KESTRANE_CLI_PATH, &actions, nullptr, argv.data(), envp.data()) == 0) {
        int wstatus = 0;
        if (waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus))
            run.status = WEXITSTATUS(wstatus);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = CTempDir::Read(outPath);
    run.err = CTempDir::Read(errPath);
    return run;
}
