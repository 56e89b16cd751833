#include "mailaccess/OutgoingMessage.h"

#include <cstdio>
#include <random>
#include <vector>

namespace {

// RFC 5321: at most 998 characters between two CRLFs.
constexpr size_t kMaxLine = 998;

bool IsAscii(const std::string& text)
{
    for (const unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

bool IsUtf8(const std::string& text)
{
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = text[i];
        const size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xe ? 3 : (c >> 3) == 0x1e ? 4 : 0;
        if (length == 0 || i + length > text.size() || (length == 2 && c < 0xc2))
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2)
                return false;
        i += length;
    }
    return true;
}

const char* Charset(const std::string& text)
{
    return IsAscii(text) ? "us-ascii" : IsUtf8(text) ? "utf-8" : "iso-8859-1";
}

std::string Base64(const std::string& bytes)
{
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t n = uint32_t(static_cast<unsigned char>(bytes[i])) << 16;
        if (i + 1 < bytes.size())
            n |= uint32_t(static_cast<unsigned char>(bytes[i + 1])) << 8;
        if (i + 2 < bytes.size())
            n |= static_cast<unsigned char>(bytes[i + 2]);
        out += kDigits[(n >> 18) & 63];
        out += kDigits[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(n >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kDigits[n & 63] : '=';
    }
    return out;
}

// A header value on one line: line breaks a caller let through become
// spaces, so no value can start a header of its own.
std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

std::string SubjectHeader(const std::string& subject)
{
    const std::string line = OneLine(subject);
    if (IsAscii(line))
        return line;
    return std::string("=?") + Charset(line) + "?B?" + Base64(line) + "?=";
}

// The body's lines, whatever their line ends; nullopt for what SMTP cannot carry.
std::optional<std::vector<std::string>> BodyLines(const std::string& body, std::string& error)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '\0') {
            error = "The mail holds a NUL byte in line " + std::to_string(lines.size() + 1) + ", which mail cannot carry.";
            return std::nullopt;
        }
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < body.size() && body[i + 1] == '\n')
            ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].size() > kMaxLine) {
            error = "Line " + std::to_string(i + 1) + " of the mail is longer than " + std::to_string(kMaxLine) +
                    " characters, which mail cannot carry.";
            return std::nullopt;
        }
    return lines;
}

std::string DomainOf(const std::string& address)
{
    const size_t at = address.rfind('@');
    return at == std::string::npos || at + 1 == address.size() ? "kestrane.invalid" : address.substr(at + 1);
}

} // namespace

std::string MailDate(std::time_t when)
{
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm local{};
    localtime_r(&when, &local);
    const long offset = local.tm_gmtoff / 60;
    const long magnitude = offset < 0 ? -offset : offset;
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld", kDays[local.tm_wday % 7],
                  local.tm_mday, kMonths[local.tm_mon % 12], local.tm_year + 1900, local.tm_hour, local.tm_min,
                  local.tm_sec, offset < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
    return text;
}

std::string NewMessageId(const std::string& from, std::time_t when)
{
    std::tm utc{};
    gmtime_r(&when, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &utc);
    std::random_device random;
    char unique[20];
    std::snprintf(unique, sizeof unique, "%08x%08x", random(), random());
    return "<" + std::string(stamp) + "." + unique + ".kestrane@" + DomainOf(from) + ">";
}

std::optional<std::string> ComposeMessage(const COutgoingMail& mail, std::time_t when, const std::string& messageId,
                                          std::string& error)
{
    const auto lines = BodyLines(mail.body, error);
    if (!lines)
        return std::nullopt;
    std::string message = "Date: " + MailDate(when) + "\r\n";
    message += "From: " + OneLine(mail.from) + "\r\n";
    message += "To: " + OneLine(mail.to) + "\r\n";
    message += "Subject: " + SubjectHeader(mail.subject) + "\r\n";
    message += "Message-ID: " + OneLine(messageId) + "\r\n";
    message += "MIME-Version: 1.0\r\n";
    message += std::string("Content-Type: text/plain; charset=") + Charset(mail.body) + "\r\n";
    message += std::string("Content-Transfer-Encoding: ") + (IsAscii(mail.body) ? "7bit" : "8bit") + "\r\n";
    message += "\r\n";
    for (const std::string& line : *lines)
        message += line + "\r\n";
    return message;
}
