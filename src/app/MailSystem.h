#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

/// The mail system behind "Sen&d...": the desktop's xdg-email, which opens
/// the user's mail program with the text filled in (no recipient, no subject).
class CMailSystem {
public:
    /// The result of handing a text to the mail program.
    enum class Result { Sent, ToolMissing, Failed };

    /// Whether the mail system is there: decided on the first call of the run
    /// (xdg-email found on the search path) and kept from then on.
    bool IsAvailable();
    /// Runs "xdg-email --body text" and waits for it, with owner disabled
    /// meanwhile. Exit status 0 is success.
    Result Send(const std::string& text, QWidget* owner);

    static constexpr const char* kToolName = "xdg-email";
    static constexpr const char* kNoMailSystem = "Unable to load mail system support.";
    static constexpr const char* kSendFailed = "Send Mail failed to send message.";

private:
    std::optional<bool> m_available;
};
