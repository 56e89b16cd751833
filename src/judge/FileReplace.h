#pragma once

#include <filesystem>
#include <string>
#include <string_view>

/// Reads a whole file as bytes; false when it cannot be opened or read.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

/// Replaces the content of the file at path with bytes, so that the file
/// holds either its old content or the whole new content, never a part.
///
/// The bytes go to a new file beside the target (a symbolic link is followed
/// to its target) which takes the target's permissions and is then renamed
/// over it. On any failure the temporary file is removed, the target is
/// unchanged and the result is false.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);
