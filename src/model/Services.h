#pragma once

#include "base/UserMessages.h"

#include <string>

/// What the document needs from the application around it.
class IAppServices : public IUserMessages {
public:
    /// The installation folder below which "Maps\" lives.
    virtual std::string GetInstallDir() const = 0;
    /// Asks the user interface to close the main window through its normal
    /// close path (save prompts included), after a fatal message.
    virtual void CloseMainWindow() = 0;
};
