#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// Small text helpers shared by the section parsers: a report line is kept
/// twice, as the text the orders view lists and as a working copy whose last
/// full stop is replaced by a marker byte that the word splitter blanks.
namespace judgeline {

/// The byte that stands for a line's last full stop in a working copy. Every
/// byte of value 128 or more becomes a blank when the line is split.
inline constexpr char kFullStopMark = '\xFF';

/// A report line prepared for parsing.
struct CMarkedLine {
    /// The line without trailing white space, its full stop in place.
    std::string text;
    /// The same text with its last full stop replaced by kFullStopMark.
    std::string working;
};

/// True for the bytes the parsers treat as white space (blank, tab, CR, LF,
/// vertical tab, form feed).
bool IsWhite(char c);
/// Removes trailing white space in place.
void TrimRight(std::string& text);
/// Removes leading and trailing white space in place.
void Trim(std::string& text);
/// Replaces the last full stop of line by kFullStopMark; returns where it was,
/// or std::string::npos when the line has none.
size_t MarkLastFullStop(std::string& line);
/// Strips trailing white space from raw and marks its last full stop.
CMarkedLine PrepareLine(std::string_view raw);
/// The same into line, whose strings keep their storage: a parser preparing
/// every line of a report into one CMarkedLine allocates once, not per line.
void PrepareLine(std::string_view raw, CMarkedLine& line);
/// The text's lines without their line ends (LF or CR LF), as views into text.
std::vector<std::string_view> TextLines(std::string_view text);
/// An upper-cased copy; only ASCII letters change.
std::string UpperAscii(std::string_view text);
/// The same into upper, which keeps its storage.
void UpperAscii(std::string_view text, std::string& upper);
bool Contains(std::string_view text, std::string_view part);
bool StartsWith(std::string_view text, std::string_view prefix);
/// Removes the last character, if there is one.
void DropLastChar(std::string& text);

/// One line of a text held whole: its content without its line end ("\n",
/// or "\r\n") and where the next line starts (the text's size after the last).
struct CTextLine {
    std::string_view text;
    size_t next = 0;
};
/// The line that starts at pos of text.
CTextLine LineAt(std::string_view text, size_t pos);

/// Message prefixes for a key that is not in a name table.
inline constexpr std::string_view kProvinceNotKnown = "Could not recognise province ";
inline constexpr std::string_view kSourceNotKnown = "Could not recognise source province ";
inline constexpr std::string_view kDestinationNotKnown = "Could not recognise destination province ";
/// prefix + key + ",\nprovince data discarded."
std::string NotRecognisedText(std::string_view prefix, std::string_view key);

} // namespace judgeline
