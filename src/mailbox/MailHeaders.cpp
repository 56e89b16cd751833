#include "mailbox/MailHeaders.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace {

// Header blocks longer than this are not what a mail program writes; the
// limit keeps the test cheap on a large file that is no mail at all.
constexpr size_t kLongestHeaderBlock = 256 * 1024;

constexpr std::array<std::string_view, 17> kMailFields{
    "from",       "to",          "cc",           "subject",      "date",       "received",
    "return-path", "message-id", "mime-version", "content-type", "delivered-to", "sender",
    "reply-to",   "x-mailer",    "user-agent",   "in-reply-to",  "references"};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

// The field name of a header line, or empty when the line is none: printable
// characters other than the colon, then the colon.
std::string_view FieldName(std::string_view line)
{
    const size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos)
        return {};
    for (size_t i = 0; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c <= ' ' || c > '~')
            return {};
    }
    return line.substr(0, colon);
}

} // namespace

bool StartsWithMailHeaders(std::string_view bytes)
{
    bool known = false;
    bool first = true;
    size_t pos = 0;
    while (pos < bytes.size() && pos < kLongestHeaderBlock) {
        const size_t end = std::min(bytes.find('\n', pos), bytes.size());
        std::string_view line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            return !first && known;
        if (line.front() == ' ' || line.front() == '\t') {
            if (first)
                return false;
        } else {
            const std::string_view name = FieldName(line);
            if (name.empty())
                return false;
            const std::string lower = Lower(name);
            known = known || std::find(kMailFields.begin(), kMailFields.end(), lower) != kMailFields.end();
        }
        first = false;
        pos = end + 1;
    }
    // A message may end with its headers; a block cut off by the limit is no mail.
    return pos >= bytes.size() && !first && known;
}

bool StartsAsMbox(std::string_view bytes)
{
    return bytes.substr(0, 5) == "From ";
}
