#pragma once

#include "judge/OrdersStatusRecord.h"
#include "model/Services.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

/// What a batch import did, as the command line shows it: on err, one line
/// per message of every mail the summary names (of every mail when
/// verbose); on out, the summary, its mails grouped by reason (every mail
/// listed when verbose), then every source in unread.
void PrintImportSummary(std::ostream& out, std::ostream& err, const CBatchSummary& summary,
                        const std::vector<std::string>& unread, bool verbose);

/// The application services of the command line: every message the desktop
/// program would show in a box becomes one line on the error stream,
/// "kestrane: " + the kind + the text with its line breaks as blanks.
/// A request to close the main window marks the command as failed.
class CCliServices : public IAppServices, public IOrdersStateFiles {
public:
    CCliServices(std::ostream& out, std::ostream& err, std::string installDir);

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    std::string GetInstallDir() const override { return m_strInstallDir; }
    void CloseMainWindow() override { m_bCloseRequested = true; }
    /// Prints the summary as import --batch does (PrintImportSummary); it
    /// counts as one message.
    void ShowImportSummary(const CBatchSummary& summary) override;
    std::string OrdersStateFileOf(const std::string& gamePath) const override
    {
        return m_stateFiles && !gamePath.empty() ? m_stateFiles(gamePath) : std::string();
    }
    /// Where the games' orders states are kept (CCliEnvironment::ordersStateFile).
    void SetOrdersStateFiles(std::function<std::string(const std::string&)> stateFiles)
    {
        m_stateFiles = std::move(stateFiles);
    }

    /// Whether summaries list every mail and print every mail's messages.
    void SetVerbose(bool verbose) { m_bVerbose = verbose; }

    /// The line ShowMessage writes for text and icon, without its line end.
    static std::string FormatMessage(std::string_view text, MessageIcon icon);

    bool CloseRequested() const { return m_bCloseRequested; }
    /// Messages shown so far with the exclamation icon (rejections, mistakes).
    int ExclamationCount() const { return m_nExclamations; }
    /// Messages shown so far, of any kind.
    int MessageCount() const { return m_nMessages; }

private:
    std::ostream& m_out;
    std::ostream& m_err;
    std::string m_strInstallDir;
    std::function<std::string(const std::string&)> m_stateFiles;
    bool m_bVerbose = false;
    bool m_bCloseRequested = false;
    int m_nExclamations = 0;
    int m_nMessages = 0;
};
