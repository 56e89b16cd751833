#pragma once

#include <optional>
#include <string>
#include <string_view>

/// A mail forwarded inline: the body of the forwarded mail and the subject
/// and date its quoted header lines give (empty when they give none).
struct CForwardedMail {
    std::string body;
    std::string subject;
    std::string date;
};

/// Finds a mail forwarded inline in a plain-text body: a separator line as
/// mail programs write it ("---------- Forwarded message ---------",
/// "-------- Original Message --------", "Begin forwarded message:",
/// "----- Forwarded message from ... -----"), then the forwarded header
/// lines, an empty line and the forwarded body, up to an "End forwarded
/// message" line if there is one. A body quoted line by line with ">" loses
/// one level of quoting. Forwards of forwards are unwrapped to the innermost.
/// nullopt when the text holds no separator or nothing follows it.
std::optional<CForwardedMail> FindForwardedMail(std::string_view text);
