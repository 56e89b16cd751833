#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// The text as a JSON string literal, quotes included. Valid UTF-8 passes
/// through; any other byte of 128 or more is taken as Latin-1 (the games'
/// 8-bit text) and written as \u00XX, so the output is always valid JSON.
std::string JsonQuote(std::string_view text);

/// A small streaming JSON writer: compact output, commas and colons placed
/// by the writer. Keys are only valid inside objects, values anywhere.
class CJsonWriter {
public:
    CJsonWriter& BeginObject();
    CJsonWriter& EndObject();
    CJsonWriter& BeginArray();
    CJsonWriter& EndArray();
    CJsonWriter& Key(std::string_view key);
    CJsonWriter& String(std::string_view value);
    CJsonWriter& Int(int64_t value);
    CJsonWriter& Bool(bool value);
    CJsonWriter& Null();

    /// The text written so far.
    const std::string& Str() const { return m_out; }

private:
    void BeforeValue();

    std::string m_out;
    // One entry per open object or array: whether it holds an element yet.
    std::vector<bool> m_hasElement;
    bool m_afterKey = false;
};
