#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Where the server's answer to the command tagged `tag` ends in buffer: the
/// position just after the tagged status line; npos while it is incomplete.
/// Literals ("{N}" at a line end, then N bytes) are stepped over whole, so a
/// message line that happens to begin with the tag never ends the answer.
/// With resume, the search starts there and leaves there the start of the
/// first incomplete line, so a growing buffer is scanned once.
size_t FindTaggedEnd(std::string_view buffer, std::string_view tag, size_t* resume = nullptr);

/// The tagged status line of a complete answer.
struct CImapStatus {
    /// "OK", "NO", "BAD" (upper case); empty when no tagged line was found.
    std::string word;
    /// The rest of the line, response code included ("[NONEXISTENT] ...").
    std::string text;
    bool Ok() const { return word == "OK"; }
};
CImapStatus TaggedStatus(std::string_view answer, std::string_view tag);

/// The folder's UIDVALIDITY from the answer to SELECT or EXAMINE.
std::optional<uint32_t> ParseUidValidity(std::string_view answer);

/// The UIDs of every "* SEARCH" line of the answer, ascending, each once.
/// nullopt when the answer holds a SEARCH line that is not a list of numbers.
std::optional<std::vector<uint32_t>> ParseSearchUids(std::string_view answer);

/// The message bytes of "BODY[]" in the answer to one UID FETCH: a literal,
/// a quoted string, or NIL (empty). nullopt when the answer holds none (the
/// message was expunged meanwhile).
std::optional<std::string> ParseFetchBody(std::string_view answer);
