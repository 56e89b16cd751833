#pragma once

#include "model/MapPos.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// A class whose objects the archive writes and re-creates: the name stored
/// in its class record and the schema it writes.
struct CArchiveClass {
    std::string_view name;
    uint16_t schema = 0;
};

/// The object archive of the game document file: a little-endian byte stream
/// of counts, strings, board positions, class records and object references.
///
/// An archive either stores into memory or loads from a block of bytes. Class
/// records and objects written in full share one running index starting at 1,
/// exactly as the reader expects to meet them.
///
/// Loading never trusts a length: a string, count or class name that claims
/// more bytes than are left, or any other malformed item, puts the archive
/// into the failed state. A failed archive reads nothing more: every further
/// read returns zero or empty, so loops over stored counts end at once. Memory
/// that loading creates is charged against a budget proportional to the size
/// of the input, so no input can make the reader allocate without bound.
class CArchive {
public:
    /// Largest class name a class record may carry.
    static constexpr size_t kMaxClassName = 63;

    /// An archive that stores into memory.
    CArchive();
    /// An archive that loads from bytes (which must outlive the archive).
    explicit CArchive(std::string_view bytes);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    /// The bytes stored so far.
    const std::string& Bytes() const { return m_out; }

    // --- Storing ---------------------------------------------------------
    void WriteByte(uint8_t value);
    void WriteWord(uint16_t value);
    void WriteDword(uint32_t value);
    void WriteInt(int32_t value) { WriteDword(static_cast<uint32_t>(value)); }
    /// A WORD, or 0xFFFF and a DWORD for 65535 and more.
    void WriteCount(size_t count);
    /// A 1-, 3- or 7-byte length prefix, then the bytes.
    void WriteString(std::string_view text);
    void WritePos(MapPos pos);
    /// A new class record the first time cls is met, else a reference to it.
    void WriteClass(const CArchiveClass& cls);
    /// The class of an object written in full; the object takes the next index.
    void WriteObjectTag(const CArchiveClass& cls);

    // --- Loading ---------------------------------------------------------
    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadDword();
    int32_t ReadInt() { return static_cast<int32_t>(ReadDword()); }
    /// A count of items each taking at least minItemBytes of the stream; a
    /// count that cannot fit in the bytes left fails the archive.
    size_t ReadCount(size_t minItemBytes);
    /// A string in the 8-bit form or the wide form; wide characters become
    /// Windows-1252 bytes, "?" for a character that code page lacks.
    std::string ReadString();
    MapPos ReadPos();
    /// A class reference that must name expected; returns its stored schema.
    /// With requireNew, only a new class record is accepted.
    std::optional<uint16_t> ReadClass(const CArchiveClass& expected, bool requireNew = false);
    /// The reference that precedes an object of class expected. Only an object
    /// written in full is accepted (no null, no back reference); the object
    /// takes the next index and its class's stored schema becomes the object
    /// schema. Returns that schema.
    std::optional<uint16_t> ReadObjectTag(const CArchiveClass& expected);
    /// The stored schema of the object being read (set by ReadObjectTag).
    uint16_t GetObjectSchema() const { return m_objectSchema; }

    /// Counts bytes of memory that loading is about to create; fails the
    /// archive when the budget would be exceeded.
    bool Charge(size_t bytes);

    bool Failed() const { return m_failed; }
    /// Marks the stream as malformed (used by readers for checks of their own).
    void SetFailed() { m_failed = true; }
    /// Bytes not yet read.
    size_t Remaining() const { return m_in.size() - m_at; }
    /// The next running index to be given.
    uint32_t NextIndex() const { return m_nextIndex; }

private:
    bool Take(void* dest, size_t size);
    void WriteStringLength(size_t length);
    std::optional<size_t> ReadStringLength(bool& wide);
    std::optional<uint16_t> ReadNewClassRecord(const CArchiveClass& expected);

    bool m_storing;
    std::string m_out;
    std::string_view m_in;
    size_t m_at = 0;
    bool m_failed = false;
    size_t m_budget = 0;
    uint32_t m_nextIndex = 1;
    uint16_t m_objectSchema = 0;

    struct StoredClass {
        std::string_view name;
        uint32_t index;
    };
    std::vector<StoredClass> m_storedClasses;

    // Loading: the class records met so far, in index order.
    struct LoadedClass {
        uint32_t index;
        std::string name;
        uint16_t schema;
    };
    std::vector<LoadedClass> m_loadedClasses;
};
