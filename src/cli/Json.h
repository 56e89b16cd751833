#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

/// JSON values that keep their keys in the order they were added, so the
/// output reads in the documented order.
using CJson = nlohmann::ordered_json;

/// A game text as a JSON string. JSON text is UTF-8: a text that is valid
/// UTF-8 is kept as it is, any other is taken as Latin-1 (the games' 8-bit
/// text), so the output is always valid JSON whatever the game holds.
CJson JsonText(std::string_view bytes);

/// The value as one compact line of JSON, line end included.
std::string JsonLine(const CJson& value);
