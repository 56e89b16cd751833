#pragma once

#include <cstddef>
#include <optional>
#include <string>

/// A Judge report open for reading, line by line, as the import reads it
/// after the line joiner has rewritten it. Line ends are "\n", optionally
/// preceded by "\r", and never part of a line.
class CReportFile {
public:
    CReportFile() = default;
    explicit CReportFile(std::string text) : m_text(std::move(text)) {}

    /// Reads the whole file; nullopt when it cannot be read.
    static std::optional<CReportFile> Open(const std::string& path);

    /// The next line without its line end; false (and an empty line) at the end.
    bool ReadString(std::string& line);
    /// Where the next ReadString starts; Seek returns there.
    size_t GetPosition() const { return m_pos; }
    void Seek(size_t pos) { m_pos = pos < m_text.size() ? pos : m_text.size(); }
    bool AtEnd() const { return m_pos >= m_text.size(); }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    size_t m_pos = 0;
};
