#pragma once

#include "base/UserMessages.h"

#include <string>

/// Where the messages of a report import go, and the close that a fatal
/// inconsistency of the game record asks for. The single import hands the
/// document's own services; a batch import collects each report's messages.
class IImportMessages : public IUserMessages {
public:
    /// Asks the user interface to close the main window through its normal
    /// close path (save prompts included), after a fatal message.
    virtual void CloseMainWindow() = 0;
};

struct CBatchSummary;

/// What the document needs from the application around it.
class IAppServices : public IImportMessages {
public:
    /// The installation folder below which "Maps\" lives.
    virtual std::string GetInstallDir() const = 0;
    /// Shows what a batch import did (a reply to a history request imported
    /// as one file files each phase it holds): the front end words it as it
    /// words every import summary.
    virtual void ShowImportSummary(const CBatchSummary& summary) = 0;
};
