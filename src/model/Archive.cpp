#include "model/Archive.h"

#include "model/DocText.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kBigObjectTag = 0x7FFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint32_t kBigClassTag = 0x80000000u;
constexpr uint16_t kWideMarker = 0xFFFE;
constexpr uint32_t kMaxIndex = 0x7FFFFFFEu;

// Loading may create at most this much memory beyond what the bytes pay for.
constexpr size_t kBudgetAllowance = size_t(16) << 20;
// Bytes of memory that each input byte may turn into.
constexpr size_t kBudgetPerByte = 32;

} // namespace

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(std::string_view bytes)
    : m_storing(false), m_in(bytes), m_budget(kBudgetAllowance + kBudgetPerByte * bytes.size())
{
}

// --- Storing -------------------------------------------------------------

void CArchive::WriteByte(uint8_t value)
{
    m_out.push_back(static_cast<char>(value));
}

void CArchive::WriteWord(uint16_t value)
{
    m_out.push_back(static_cast<char>(value & 0xFF));
    m_out.push_back(static_cast<char>(value >> 8));
}

void CArchive::WriteDword(uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        m_out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void CArchive::WriteCount(size_t count)
{
    if (count < 0xFFFF) {
        WriteWord(static_cast<uint16_t>(count));
    } else {
        WriteWord(0xFFFF);
        WriteDword(static_cast<uint32_t>(count));
    }
}

void CArchive::WriteStringLength(size_t length)
{
    if (length < 0xFF) {
        WriteByte(static_cast<uint8_t>(length));
    } else if (length < kWideMarker) {
        WriteByte(0xFF);
        WriteWord(static_cast<uint16_t>(length));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDword(static_cast<uint32_t>(length));
    }
}

void CArchive::WriteString(std::string_view text)
{
    WriteStringLength(text.size());
    m_out.append(text);
}

void CArchive::WritePos(MapPos pos)
{
    WriteInt(pos.x);
    WriteInt(pos.y);
}

void CArchive::WriteClass(const CArchiveClass& cls)
{
    for (const StoredClass& stored : m_storedClasses) {
        if (stored.name == cls.name) {
            if (stored.index < kBigObjectTag) {
                WriteWord(static_cast<uint16_t>(kClassTag | stored.index));
            } else {
                WriteWord(kBigObjectTag);
                WriteDword(kBigClassTag | stored.index);
            }
            return;
        }
    }
    WriteWord(kNewClassTag);
    WriteWord(cls.schema);
    WriteWord(static_cast<uint16_t>(cls.name.size()));
    m_out.append(cls.name);
    m_storedClasses.push_back({cls.name, m_nextIndex++});
}

void CArchive::WriteObjectTag(const CArchiveClass& cls)
{
    WriteClass(cls);
    ++m_nextIndex;
}

// --- Loading -------------------------------------------------------------

bool CArchive::Take(void* dest, size_t size)
{
    if (m_failed || size > Remaining()) {
        m_failed = true;
        std::memset(dest, 0, size);
        return false;
    }
    std::memcpy(dest, m_in.data() + m_at, size);
    m_at += size;
    return true;
}

uint8_t CArchive::ReadByte()
{
    uint8_t b = 0;
    Take(&b, 1);
    return b;
}

uint16_t CArchive::ReadWord()
{
    uint8_t b[2];
    Take(b, sizeof b);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t CArchive::ReadDword()
{
    uint8_t b[4];
    Take(b, sizeof b);
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

size_t CArchive::ReadCount(size_t minItemBytes)
{
    size_t count = ReadWord();
    if (count == 0xFFFF)
        count = ReadDword();
    // Every item takes bytes of its own, so a count the rest of the stream
    // cannot hold is damage, not a reason to allocate.
    if (m_failed || count > Remaining() / std::max<size_t>(minItemBytes, 1)) {
        m_failed = true;
        return 0;
    }
    return count;
}

std::optional<size_t> CArchive::ReadStringLength(bool& wide)
{
    wide = false;
    uint8_t shortLength = ReadByte();
    if (m_failed)
        return std::nullopt;
    if (shortLength < 0xFF)
        return shortLength;
    uint16_t wordLength = ReadWord();
    if (wordLength == kWideMarker) {
        wide = true;
        shortLength = ReadByte();
        if (m_failed)
            return std::nullopt;
        if (shortLength < 0xFF)
            return shortLength;
        wordLength = ReadWord();
    }
    if (m_failed)
        return std::nullopt;
    if (wordLength < 0xFFFF)
        return wordLength;
    const uint32_t longLength = ReadDword();
    if (m_failed)
        return std::nullopt;
    return longLength;
}

std::string CArchive::ReadString()
{
    bool wide = false;
    const std::optional<size_t> length = ReadStringLength(wide);
    if (!length)
        return {};
    const size_t unit = wide ? 2 : 1;
    if (*length > Remaining() / unit) {
        m_failed = true;
        return {};
    }
    if (!Charge(sizeof(std::string) + *length))
        return {};
    const std::string_view raw = m_in.substr(m_at, *length * unit);
    m_at += raw.size();
    if (!wide)
        return std::string(raw);
    std::string text(*length, '\0');
    for (size_t i = 0; i < *length; ++i) {
        const auto lo = static_cast<uint8_t>(raw[2 * i]);
        const auto hi = static_cast<uint8_t>(raw[2 * i + 1]);
        text[i] = Cp1252FromChar(char32_t(lo | (hi << 8)));
    }
    return text;
}

MapPos CArchive::ReadPos()
{
    MapPos pos;
    pos.x = ReadInt();
    pos.y = ReadInt();
    return pos;
}

std::optional<uint16_t> CArchive::ReadNewClassRecord(const CArchiveClass& expected)
{
    const uint16_t schema = ReadWord();
    const uint16_t nameLength = ReadWord();
    if (m_failed || nameLength > kMaxClassName || nameLength > Remaining() || m_nextIndex > kMaxIndex) {
        m_failed = true;
        return std::nullopt;
    }
    const std::string_view name = m_in.substr(m_at, nameLength);
    m_at += nameLength;
    // Only the class the reader asked for may be re-created here; an unknown
    // name and a known but unexpected one are both damage.
    if (name != expected.name || !Charge(sizeof(LoadedClass) + nameLength)) {
        m_failed = true;
        return std::nullopt;
    }
    m_loadedClasses.push_back({m_nextIndex++, std::string(name), schema});
    return schema;
}

std::optional<uint16_t> CArchive::ReadClass(const CArchiveClass& expected, bool requireNew)
{
    const uint16_t tag = ReadWord();
    if (m_failed)
        return std::nullopt;
    if (tag == kNewClassTag)
        return ReadNewClassRecord(expected);
    uint32_t longTag = 0;
    if (tag == kBigObjectTag)
        longTag = ReadDword();
    else
        longTag = (uint32_t(tag & kClassTag) << 16) | (tag & ~kClassTag);
    // Without the class bit the tag is a null or a reference to an object
    // already read; neither occurs in a file this program writes.
    if (m_failed || requireNew || !(longTag & kBigClassTag)) {
        m_failed = true;
        return std::nullopt;
    }
    const uint32_t index = longTag & ~kBigClassTag;
    auto it = std::lower_bound(m_loadedClasses.begin(), m_loadedClasses.end(), index,
                               [](const LoadedClass& c, uint32_t i) { return c.index < i; });
    if (it == m_loadedClasses.end() || it->index != index || it->name != expected.name) {
        m_failed = true;
        return std::nullopt;
    }
    return it->schema;
}

std::optional<uint16_t> CArchive::ReadObjectTag(const CArchiveClass& expected)
{
    const std::optional<uint16_t> schema = ReadClass(expected);
    if (!schema || m_nextIndex > kMaxIndex) {
        m_failed = true;
        return std::nullopt;
    }
    ++m_nextIndex;
    m_objectSchema = *schema;
    return schema;
}

bool CArchive::Charge(size_t bytes)
{
    if (m_failed || bytes > m_budget) {
        m_failed = true;
        return false;
    }
    m_budget -= bytes;
    return true;
}
