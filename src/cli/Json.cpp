#include "cli/Json.h"

namespace {

bool IsUtf8(std::string_view bytes)
{
    // The library refuses to write a string that is not valid UTF-8 (error 316).
    try {
        (void)nlohmann::json(std::string(bytes)).dump();
        return true;
    } catch (const nlohmann::json::type_error&) {
        return false;
    }
}

std::string Latin1ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 0x80) {
            out += byte;
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

CJson JsonText(std::string_view bytes)
{
    return IsUtf8(bytes) ? CJson(std::string(bytes)) : CJson(Latin1ToUtf8(bytes));
}

std::string JsonLine(const CJson& value)
{
    return value.dump() + "\n";
}
