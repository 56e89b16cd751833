#pragma once

#include <ctime>
#include <optional>
#include <string>

/// One mail to send: who from, who to, the subject and the text as composed.
struct COutgoingMail {
    std::string from;
    std::string to;
    std::string subject;
    /// The text exactly as composed; lines end in "\n" ("\r\n" and a lone
    /// "\r" are taken as line ends too).
    std::string body;
};

/// The whole message as it goes to the mail server: the headers Date (the
/// local time of when, with its offset), From, To, Subject (RFC 2047 encoded
/// when it is not ASCII), Message-ID, MIME-Version and a text/plain
/// Content-Type with its charset (us-ascii, utf-8, or iso-8859-1 for bytes
/// that are not UTF-8), then an empty line and the body, every line ended
/// by CRLF. The SMTP dot-stuffing is left to the sending. nullopt with the
/// reason when the body holds a NUL byte or a line longer than SMTP allows.
std::optional<std::string> ComposeMessage(const COutgoingMail& mail, std::time_t when, const std::string& messageId,
                                          std::string& error);

/// A fresh Message-ID ("<20040108010000.1f3a…@example.org>") in the domain
/// of the From address.
std::string NewMessageId(const std::string& from, std::time_t when);

/// The date as a mail header writes it: "Thu, 08 Jan 2004 01:00:00 +0000",
/// in local time with its offset, in English whatever the locale.
std::string MailDate(std::time_t when);
