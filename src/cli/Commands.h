#pragma once

#include "cli/MapFileRequest.h"
#include "picture/RgbImage.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class CKestraneDoc;
class IPasswordKeyring;
struct CMailAccount;
struct CWatchSettings;
struct COutgoingAccount;

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
    /// Draws the season on show as request asks and writes it as a PNG file,
    /// or a PDF page when path ends in ".pdf"; whole or not at all.
    std::function<bool(CKestraneDoc& doc, const CMapFileRequest& request, const std::string& path,
                       std::string& error)>
        writeMap;
    /// Writes every season of doc, in game order, as one animated GIF;
    /// whole or not at all.
    std::function<bool(CKestraneDoc& doc, const CMapFileRequest& request, const std::string& path,
                       std::string& error)>
        writeAnimation;
    /// The mailbox account the desktop program stored for a game file.
    std::function<CMailAccount(const std::string& gamePath)> storedAccount = {};
    /// The desktop keyring; nullptr (or no function) when there is none.
    std::function<IPasswordKeyring*()> keyring = {};
    /// The file that remembers how far each game has read its mailbox.
    std::function<std::string()> marksFile = {};
    /// The file that keeps a game's phase due and drafted orders, for the
    /// game file's absolute path (OrdersStateFile beside the settings).
    std::function<std::string(const std::string& gamePath)> ordersStateFile = {};
    /// How the desktop program watches a game file (its polling period).
    std::function<CWatchSettings(const std::string& gamePath)> storedWatch = {};
    /// The outgoing mail account the desktop program stored for a game file.
    std::function<COutgoingAccount(const std::string& gamePath)> storedOutgoing = {};
};

/// Runs one command line (the arguments after the program name) and
/// returns its exit status.
int RunCli(const std::vector<std::string>& argv, const CCliEnvironment& env);
