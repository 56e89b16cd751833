#pragma once

#include <string_view>

/// The icon a message box shows with its text and its OK button.
enum class MessageIcon { None, Exclamation, Information };

/// The one way the core tells the user something. The desktop program shows
/// a message box; the command line prints a line; tests record the calls.
/// It stands in the lowest folder, so every folder of the core can tell.
class IUserMessages {
public:
    virtual ~IUserMessages() = default;
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
};
