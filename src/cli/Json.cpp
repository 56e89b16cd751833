#include "cli/Json.h"

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 when the
// bytes there are not one (overlong forms and surrogates included).
size_t Utf8SequenceLength(std::string_view text, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF)
        return 0;
    return length;
}

void AppendEscape(std::string& out, unsigned value)
{
    static const char digits[] = "0123456789abcdef";
    out += "\\u00";
    out += digits[(value >> 4) & 0xF];
    out += digits[value & 0xF];
}

} // namespace

std::string JsonQuote(std::string_view text)
{
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            if (const size_t length = Utf8SequenceLength(text, i)) {
                out.append(text.substr(i, length));
                i += length;
            } else {
                AppendEscape(out, c);
                ++i;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (c < 0x20 || c == 0x7F)
                AppendEscape(out, c);
            else
                out += char(c);
        }
        ++i;
    }
    out += '"';
    return out;
}

void CJsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasElement.empty()) {
        if (m_hasElement.back())
            m_out += ',';
        m_hasElement.back() = true;
    }
}

CJsonWriter& CJsonWriter::BeginObject()
{
    BeforeValue();
    m_out += '{';
    m_hasElement.push_back(false);
    return *this;
}

CJsonWriter& CJsonWriter::EndObject()
{
    m_out += '}';
    if (!m_hasElement.empty())
        m_hasElement.pop_back();
    return *this;
}

CJsonWriter& CJsonWriter::BeginArray()
{
    BeforeValue();
    m_out += '[';
    m_hasElement.push_back(false);
    return *this;
}

CJsonWriter& CJsonWriter::EndArray()
{
    m_out += ']';
    if (!m_hasElement.empty())
        m_hasElement.pop_back();
    return *this;
}

CJsonWriter& CJsonWriter::Key(std::string_view key)
{
    BeforeValue();
    m_out += JsonQuote(key);
    m_out += ':';
    m_afterKey = true;
    return *this;
}

CJsonWriter& CJsonWriter::String(std::string_view value)
{
    BeforeValue();
    m_out += JsonQuote(value);
    return *this;
}

CJsonWriter& CJsonWriter::Int(int64_t value)
{
    BeforeValue();
    m_out += std::to_string(value);
    return *this;
}

CJsonWriter& CJsonWriter::Bool(bool value)
{
    BeforeValue();
    m_out += value ? "true" : "false";
    return *this;
}

CJsonWriter& CJsonWriter::Null()
{
    BeforeValue();
    m_out += "null";
    return *this;
}
