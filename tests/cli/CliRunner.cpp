#include "CliRunner.h"

#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef KESTRANE_CLI_PATH
#error "KESTRANE_CLI_PATH must name the built kestrane-cli"
#endif

extern char** environ;

CCliProcess::CCliProcess(const std::vector<std::string>& args, const std::filesystem::path& cwd,
                         const std::string& stdinText, const std::filesystem::path& configHome)
{
    // Files rather than pipes: nothing can block however much either side writes.
    const auto inPath = m_io.Write("stdin", stdinText);
    const auto outPath = m_io.Path() / "stdout";
    const auto errPath = m_io.Path() / "stderr";

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
    envStrings.push_back("XDG_CACHE_HOME=" + (m_io.Path() / "cache").string());
    // Maps of the user's own are looked for in the data folder: none here.
    envStrings.push_back("XDG_DATA_HOME=" + (m_io.Path() / "data").string());
    envStrings.push_back("XDG_CONFIG_HOME=" + (configHome.empty() ? m_io.Path() / "config" : configHome).string());
    std::vector<char*> envp;
    for (auto& s : envStrings)
        envp.push_back(s.data());
    envp.push_back(nullptr);

    if (posix_spawn(&m_pid, KESTRANE_CLI_PATH, &actions, nullptr, argv.data(), envp.data()) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
}

CCliProcess::~CCliProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

bool CCliProcess::WaitFor(const std::string& text, std::chrono::milliseconds timeout) const
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (Out().find(text) == std::string::npos && Err().find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

void CCliProcess::Signal(int signal) const
{
    if (m_pid > 0)
        kill(m_pid, signal);
}

CCliRun CCliProcess::Wait(std::optional<std::chrono::milliseconds> timeout)
{
    CCliRun run;
    const auto end = std::chrono::steady_clock::now() + timeout.value_or(std::chrono::milliseconds(0));
    while (m_pid > 0) {
        int wstatus = 0;
        const pid_t ended = waitpid(m_pid, &wstatus, timeout ? WNOHANG : 0);
        if (ended == m_pid) {
            m_pid = -1;
            if (WIFEXITED(wstatus))
                run.status = WEXITSTATUS(wstatus);
        } else if (ended < 0 && errno == EINTR) {
            continue;
        } else if (ended < 0 || (timeout && std::chrono::steady_clock::now() > end)) {
            break; // the destructor kills it
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    run.out = Out();
    run.err = Err();
    return run;
}

CCliRun RunCliBinary(const std::vector<std::string>& args, const std::filesystem::path& cwd,
                     const std::string& stdinText, const std::filesystem::path& configHome)
{
    return CCliProcess(args, cwd, stdinText, configHome).Wait();
}
