#pragma once

#include <string>
#include <string_view>

/// The text of a game document (titles, names, passwords, order lines, the
/// orders mail) is 8-bit Windows-1252, as the game file has always kept it
/// and as every reader of mail and files hands it to the core. These are the
/// one conversion between those bytes and the UTF-8 a toolkit, a clipboard
/// or a mail program takes, so a text reaches them exactly as composed.

/// The character a Windows-1252 byte stands for. The five bytes the code
/// page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the
/// control characters of the same number, so every byte has one.
char32_t Cp1252ToChar(unsigned char byte);

/// The Windows-1252 byte for a character; '?' for one the code page lacks.
char Cp1252FromChar(char32_t c);

/// Document bytes as UTF-8: every byte as its Windows-1252 character.
std::string DocTextToUtf8(std::string_view docText);

/// UTF-8 text (from a dialog, the clipboard) as document bytes: each
/// character as its Windows-1252 byte, '?' for one the code page lacks and
/// for every byte that is not part of well-formed UTF-8.
std::string Utf8ToDocText(std::string_view utf8);
