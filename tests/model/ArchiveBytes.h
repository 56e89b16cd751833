#pragma once

#include "support/ByteString.h"

#include <cstdint>
#include <string>

/// Little-endian pieces for tests that spell out archive bytes by hand.
namespace archivebytes {

using testbytes::Bytes;

inline std::string Le16(unsigned v) { return Bytes({int(v & 0xFF), int((v >> 8) & 0xFF)}); }
inline std::string Le32(uint32_t v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }
/// A string below 255 bytes with its one-byte length prefix.
inline std::string Str(const std::string& s) { return Bytes({int(s.size())}) + s; }
/// A new class record.
inline std::string ClassRecord(uint16_t schema, const std::string& name)
{
    return Bytes({0xFF, 0xFF}) + Le16(schema) + Le16(unsigned(name.size())) + name;
}

} // namespace archivebytes
