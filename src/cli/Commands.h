#pragma once

#include "views/RgbImage.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

/// Exit statuses of kestrane-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; ///< the command could not do what it was asked
inline constexpr int kExitUsage = 2;  ///< wrong usage

/// What the commands need from the process around them. The picture writer
/// is given from outside so that everything here stays free of Qt.
struct CCliEnvironment {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    /// The installation folder when --install-dir is not given.
    std::function<std::string()> defaultInstallDir;
    /// Writes image as a PNG file; false with a reason on failure.
    std::function<bool(const CRgbImage& image, const std::string& path, std::string& error)> writePng;
};

/// Runs one command line (the arguments after the program name) and
/// returns its exit status.
int RunCli(const std::vector<std::string>& argv, const CCliEnvironment& env);
