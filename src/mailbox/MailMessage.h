#pragma once

#include "mailbox/ReportText.h"

#include <optional>
#include <string>
#include <string_view>

/// One saved or fetched message as the report text the import reads: the
/// plain-text part (the first one holding a Judge header line, else the
/// first one; a message attached to the mail counts as well) with its
/// transfer encoding (quoted-printable, base64) and character set decoded,
/// line ends made LF, and a mail forwarded inline cut down to the forwarded
/// body. Subject and Date come from the mail (from the forwarded header
/// lines, when they give them). Bytes that do not begin with a mail's
/// header block (a report saved from the mail program's window, any other
/// file) are passed through unchanged as the text. origin names the message
/// in the summary (a path, "inbox.mbox, mail 3", a server's message).
/// nullopt, with the reason in problem when it is given, when the message
/// holds no plain-text part.
std::optional<CReportText> ReadMailMessage(std::string_view rawMessageBytes, const std::string& origin,
                                           std::string* problem);

/// The same, for a caller that needs no reason.
std::optional<CReportText> ReadMailMessage(std::string_view rawMessageBytes, const std::string& origin);
