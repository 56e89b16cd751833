#pragma once

#include <string>
#include <string_view>

/// The icon a message box shows with its text and its OK button.
enum class MessageIcon { None, Exclamation, Information };

/// The one way the core tells the user something. The desktop program shows
/// a message box; the command line prints a line; tests record the calls.
class IUserMessages {
public:
    virtual ~IUserMessages() = default;
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
};

/// What the document needs from the application around it.
class IAppServices : public IUserMessages {
public:
    /// The installation folder below which "Maps\" lives.
    virtual std::string GetInstallDir() const = 0;
    /// Asks the user interface to close the main window through its normal
    /// close path (save prompts included), after a fatal message.
    virtual void CloseMainWindow() = 0;
};
