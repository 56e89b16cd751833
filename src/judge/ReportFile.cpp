#include "judge/ReportFile.h"

#include "model/FileBytes.h"

#include <utility>

std::optional<CReportFile> CReportFile::Open(const std::string& path)
{
    FileReadResult file = ReadFileBytes(path);
    if (!file.bytes)
        return std::nullopt;
    return CReportFile(std::move(*file.bytes));
}

bool CReportFile::ReadString(std::string& line)
{
    line.clear();
    if (m_pos >= m_text.size())
        return false;
    const size_t end = m_text.find('\n', m_pos);
    const size_t stop = end == std::string::npos ? m_text.size() : end;
    line.assign(m_text, m_pos, stop - m_pos);
    // A carriage return belongs to the line end only when a line feed follows.
    if (end != std::string::npos && !line.empty() && line.back() == '\r')
        line.pop_back();
    m_pos = end == std::string::npos ? m_text.size() : end + 1;
    return true;
}
