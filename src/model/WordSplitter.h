#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// The word splitter the map reader and every report parser take their words
/// with. A line given to it is normalised once: every byte of 128 or more
/// (the 0xFF that marks a line's last full stop among them) becomes a blank,
/// and the coast notations " (SOUTH COAST)" ... " (WC)" are folded into a
/// two-letter code glued to the word before them. Words are then taken one at
/// a time, each call with its own separator set.
///
/// Each reader owns its splitter: splitting one line never disturbs another
/// reader's line, and reading needs nothing but the line.
class CWordSplitter {
public:
    /// Starts splitting line (up to a NUL byte) and takes its first word.
    /// Returns false and an empty word when none is left.
    bool NextWord(std::string& word, std::string_view separators, std::string_view line);
    /// Takes the next word of the line given last: separators before it are
    /// skipped, the one that ends it is consumed. An empty separator set
    /// gives the rest of the line. False and an empty word when nothing is
    /// left or no line was given yet.
    bool NextWord(std::string& word, std::string_view separators);

private:
    std::string m_tokenBuf; // the normalised copy of the line given last
    size_t m_tokenPos = 0;
    bool m_bTokenLine = false;
};
