#include "mailbox/MailText.h"

#include <gmime/gmime.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr const char* kTarget = "WINDOWS-1252";

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

struct GFreeDeleter {
    void operator()(gchar* p) const { g_free(p); }
};

std::optional<std::string> Converted(std::string_view bytes, const char* from)
{
    gsize written = 0;
    GError* error = nullptr;
    std::unique_ptr<gchar, GFreeDeleter> out(g_convert_with_fallback(
        bytes.data(), gssize(bytes.size()), kTarget, from, "?", nullptr, &written, &error));
    if (error) {
        g_error_free(error);
        return std::nullopt;
    }
    if (!out)
        return std::nullopt;
    return std::string(out.get(), written);
}

} // namespace

std::string ToEightBitText(std::string_view bytes, std::string_view charset)
{
    if (IsAscii(bytes))
        return std::string(bytes);
    const std::string declared(charset);
    if (!declared.empty()) {
        // GMime knows the aliases mail programs write ("latin1", "x-unknown"...).
        const char* iconvName = g_mime_charset_iconv_name(declared.c_str());
        if (auto text = Converted(bytes, iconvName ? iconvName : declared.c_str()))
            return *text;
    }
    if (g_utf8_validate(bytes.data(), gssize(bytes.size()), nullptr))
        if (auto text = Converted(bytes, "UTF-8"))
            return *text;
    return std::string(bytes);
}

std::string WithUnixLineEnds(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

std::string WithoutMboxEscapes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool lineStart = true;
    for (size_t i = 0; i < text.size(); ++i) {
        if (lineStart && text[i] == '>') {
            const size_t from = text.find_first_not_of('>', i);
            if (from != std::string_view::npos && text.substr(from, 5) == "From ") {
                // Drop this '>' and copy the rest of the quoting as it stands.
                lineStart = false;
                continue;
            }
        }
        out += text[i];
        lineStart = text[i] == '\n';
    }
    return out;
}

std::string UnflowedText(std::string_view text, bool delSp)
{
    std::string out;
    out.reserve(text.size());
    size_t openDepth = std::string::npos; // quoting depth of a paragraph still open
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        const bool hasEnd = end < text.size();
        pos = end + 1;

        size_t depth = 0;
        while (depth < line.size() && line[depth] == '>')
            ++depth;
        std::string_view quote = line.substr(0, depth);
        std::string_view content = line.substr(depth);
        if (!content.empty() && content.front() == ' ')
            content.remove_prefix(1);
        // A paragraph continues only at its own quoting depth.
        if (openDepth != std::string::npos && openDepth != depth)
            out += '\n';
        const bool continuing = openDepth == depth;
        const bool soft = !content.empty() && content.back() == ' ' && content != "-- " && hasEnd;
        if (!continuing && depth > 0)
            out.append(quote).append(" ");
        if (soft) {
            out.append(delSp ? content.substr(0, content.size() - 1) : content);
            openDepth = depth;
        } else {
            out.append(content);
            if (hasEnd)
                out += '\n';
            openDepth = std::string::npos;
        }
    }
    return out;
}
