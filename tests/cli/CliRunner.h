#pragma once

#include "support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

/// What one run of the built kestrane-cli gave.
struct CCliRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// The built kestrane-cli running with args in folder cwd, standard input
/// given by stdinText. The program sees fresh cache and configuration
/// folders (so no stored settings of the user), or configHome as its
/// configuration folder. Killed, if still running, with the object.
class CCliProcess {
public:
    CCliProcess(const std::vector<std::string>& args, const std::filesystem::path& cwd,
                const std::string& stdinText = "", const std::filesystem::path& configHome = {});
    ~CCliProcess();
    CCliProcess(const CCliProcess&) = delete;
    CCliProcess& operator=(const CCliProcess&) = delete;

    /// What it wrote to standard output and standard error so far.
    std::string Out() const { return CTempDir::Read(m_io.Path() / "stdout"); }
    std::string Err() const { return CTempDir::Read(m_io.Path() / "stderr"); }
    /// Waits until standard output or standard error holds text, at most timeout.
    bool WaitFor(const std::string& text, std::chrono::milliseconds timeout) const;
    void Signal(int signal) const;
    /// Waits for the end, at most timeout when one is given (then kills it:
    /// status -1).
    CCliRun Wait(std::optional<std::chrono::milliseconds> timeout = std::nullopt);

private:
    CTempDir m_io;
    pid_t m_pid = -1;
};

/// Runs the built kestrane-cli to its end as CCliProcess does.
CCliRun RunCliBinary(const std::vector<std::string>& args, const std::filesystem::path& cwd,
                     const std::string& stdinText = "", const std::filesystem::path& configHome = {});
