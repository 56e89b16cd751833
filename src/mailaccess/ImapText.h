#pragma once

#include <string>
#include <string_view>

/// True when text can go into an IMAP command line: no NUL, CR, LF or other
/// control character that would end the command or start another one.
bool IsSafeImapText(std::string_view text);

/// text as an IMAP quoted string, with '\' and '"' escaped.
std::string QuoteImapString(std::string_view text);

/// A folder name as IMAP wants it on the wire: UTF-8 turned into modified
/// UTF-7 ("Entwürfe" becomes "Entw&APw-rfe", '&' becomes "&-"), quoted.
/// Bytes that are not UTF-8 are taken as Latin-1.
std::string EncodeMailboxName(std::string_view utf8);
