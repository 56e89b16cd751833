#pragma once

#include "support/NonCopyable.h"

#include <filesystem>
#include <string>

/// A fresh folder below the system's temporary folder, removed with the object.
class CTempDir : private CNonCopyable {
public:
    CTempDir();
    ~CTempDir();

    const std::filesystem::path& Path() const { return m_path; }
    std::string Str() const { return m_path.string(); }
    /// Writes bytes to a file below the folder (creating folders) and returns its path.
    std::filesystem::path Write(const std::string& relative, const std::string& bytes) const;
    /// Reads a whole file as bytes.
    static std::string Read(const std::filesystem::path& path);

private:
    std::filesystem::path m_path;
};
