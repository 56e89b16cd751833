#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

/// Why a whole file could not be read.
enum class FileReadError { NotFound, AccessDenied, ReadFailed };

/// The whole content of a file, or why it could not be read.
struct FileReadResult {
    std::optional<std::string> bytes;
    FileReadError error = FileReadError::ReadFailed;
};

/// Reads every byte of the file at path.
FileReadResult ReadFileBytes(const std::filesystem::path& path);

/// Writes bytes to the file at path, creating or truncating it; false when
/// the file cannot be opened or not every byte reached it. For files that
/// hold nothing worth keeping (a scratch copy, an exported picture).
bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

/// Replaces the file at path by bytes without ever leaving a partly written
/// file behind: the bytes go to a new file in the same folder, which is
/// flushed to the disk and then renamed over the old one. On failure the old
/// file is untouched, the new one is removed, and false is returned. A path
/// that is a symbolic link replaces the file the link points to.
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);
