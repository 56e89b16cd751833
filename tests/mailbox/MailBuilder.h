#pragma once

#include <string>
#include <vector>

/// Mails as mail programs write them, built with GMime around a report body.
namespace mailbuilder {

/// How a report travels in the mail.
enum class Wrapping {
    SevenBit,        // text/plain, 7bit, CR LF line ends
    QuotedPrintable, // text/plain, quoted-printable
    Base64,          // text/plain, base64
    Alternative,     // multipart/alternative: the plain text and an HTML copy
    ForwardedInline, // a note, a forwarded-message separator, header lines, the report
    Attached,        // a note and the Judge's mail attached as message/rfc822
};

/// Every wrapping, for tables that run over all of them.
inline const std::vector<Wrapping> kAllWrappings{Wrapping::SevenBit,    Wrapping::QuotedPrintable,
                                                 Wrapping::Base64,      Wrapping::Alternative,
                                                 Wrapping::ForwardedInline, Wrapping::Attached};

/// The name of a wrapping, for test output.
std::string Name(Wrapping wrapping);

/// A whole message (headers, CR LF line ends) carrying body as wrapping
/// says, with the given Subject and Date, in charset ("us-ascii", "utf-8",
/// "iso-8859-1"; body is UTF-8 and converted by GMime).
std::string Message(const std::string& body, const std::string& subject, const std::string& date, Wrapping wrapping,
                    const std::string& charset = "us-ascii");

/// body forwarded inline as Thunderbird sends it, "format=flowed": lines
/// longer than 76 characters broken after a blank, trailing blanks of the
/// other lines dropped, lines beginning with a blank, ">" or "From " stuffed
/// with a blank.
std::string FlowedForward(const std::string& body, const std::string& subject, const std::string& date);

/// The messages as one mbox file: each after a "From " line, line ends LF,
/// body lines beginning with "From " escaped with ">" as mail programs do.
std::string Mbox(const std::vector<std::string>& messages);

} // namespace mailbuilder
