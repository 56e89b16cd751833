#pragma once

#include <initializer_list>
#include <string>

namespace testbytes {

/// Bytes spelled out as numbers from 0 to 255, as the string that holds them.
inline std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

} // namespace testbytes
