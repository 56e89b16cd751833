#include "mailaccess/ImapText.h"

#include <cstdint>
#include <vector>

bool IsSafeImapText(std::string_view text)
{
    for (const unsigned char c : text)
        if (c < 0x20 || c == 0x7f)
            return false;
    return true;
}

std::string QuoteImapString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

namespace {

// The code points of a UTF-8 text; a byte that starts no valid sequence
// stands for itself (Latin-1), so nothing is ever dropped.
std::vector<uint32_t> CodePoints(std::string_view text)
{
    std::vector<uint32_t> points;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = 0;
        uint32_t point = c;
        if (c >= 0xc2 && c < 0xe0) {
            extra = 1;
            point = c & 0x1f;
        } else if (c >= 0xe0 && c < 0xf0) {
            extra = 2;
            point = c & 0x0f;
        } else if (c >= 0xf0 && c < 0xf5) {
            extra = 3;
            point = c & 0x07;
        }
        bool valid = extra > 0;
        for (int k = 1; valid && k <= extra; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80)
                valid = false;
            else
                point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3f);
        }
        if (extra > 0 && valid && point <= 0x10ffff) {
            points.push_back(point);
            i += size_t(extra) + 1;
        } else {
            points.push_back(c);
            i += 1;
        }
    }
    return points;
}

void AppendShifted(std::string& out, const std::vector<uint16_t>& units)
{
    static const char* const kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+,";
    out += '&';
    uint32_t bits = 0;
    int count = 0;
    for (const uint16_t unit : units) {
        bits = (bits << 16) | unit;
        count += 16;
        while (count >= 6) {
            count -= 6;
            out += kAlphabet[(bits >> count) & 0x3f];
        }
    }
    if (count > 0)
        out += kAlphabet[(bits << (6 - count)) & 0x3f];
    out += '-';
}

} // namespace

std::string EncodeMailboxName(std::string_view utf8)
{
    std::string encoded;
    std::vector<uint16_t> pending;
    for (const uint32_t point : CodePoints(utf8)) {
        if (point >= 0x20 && point <= 0x7e) {
            if (!pending.empty()) {
                AppendShifted(encoded, pending);
                pending.clear();
            }
            encoded += point == '&' ? std::string("&-") : std::string(1, char(point));
            continue;
        }
        // Outside printable ASCII: UTF-16, with surrogate pairs above the
        // basic plane.
        if (point >= 0x10000) {
            const uint32_t v = point - 0x10000;
            pending.push_back(uint16_t(0xd800 + (v >> 10)));
            pending.push_back(uint16_t(0xdc00 + (v & 0x3ff)));
        } else {
            pending.push_back(uint16_t(point));
        }
    }
    if (!pending.empty())
        AppendShifted(encoded, pending);
    return QuoteImapString(encoded);
}
