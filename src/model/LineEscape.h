#pragma once

#include <string>
#include <string_view>

/// A value kept on one line of a small text file of ours (the drafted
/// orders, the mailbox marks): "%", CR and LF written as %25, %0D and %0A.
std::string EscapeLineValue(std::string_view value);

/// The value EscapeLineValue wrote; a "%" not followed by two hex digits
/// stays as it is.
std::string UnescapeLineValue(std::string_view text);
