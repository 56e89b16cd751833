#pragma once

#include <string>
#include <string_view>

/// The decoded bytes of a text part as the 8-bit text the import reads:
/// converted from charset (the part's declared character set, empty when it
/// declares none) to Windows-1252, with "?" for a character that code page
/// lacks. Pure ASCII, and bytes that are not valid in their declared (or, when
/// none is declared, in UTF-8) encoding, are kept unchanged.
std::string ToEightBitText(std::string_view bytes, std::string_view charset);

/// text with every CR LF line end made LF.
std::string WithUnixLineEnds(std::string_view text);

/// text of a message read from an mbox file with the mbox escape taken off:
/// a line beginning with one or more ">" followed by "From " loses one ">".
std::string WithoutMboxEscapes(std::string_view text);

/// text of a part sent as "format=flowed" (what Thunderbird and others send
/// when a player forwards a mail inline) as it was written: a line ending
/// in a blank is joined with the next (losing that blank when delSp), one
/// stuffed leading blank is taken off, the signature line "-- " stays.
/// Quoted lines join only lines of the same quoting depth.
std::string UnflowedText(std::string_view text, bool delSp);
