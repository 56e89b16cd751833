#pragma once

#include <filesystem>
#include <string>
#include <vector>

/// What one run of the built kestrane-cli gave.
struct CCliRun {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs the built kestrane-cli with args in folder cwd, standard input
/// given by stdinText; waits for it and collects both output streams. The
/// program sees fresh cache and configuration folders (so no stored
/// settings of the user), or configHome as its configuration folder.
CCliRun RunCliBinary(const std::vector<std::string>& args, const std::filesystem::path& cwd,
                     const std::string& stdinText = "", const std::filesystem::path& configHome = {});
