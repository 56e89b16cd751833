#include "judge/LineMarks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace judgeline;

struct ContainsCase {
    const char* name;
    std::string_view text;
    std::string_view part;
    bool expected;
};

// The parsers' keyword search compares the first and last bytes before the
// rest; every row checks it against the library search as well.
TEST(LineMarks, ContainsAgreesWithTheLibrarySearch)
{
    const ContainsCase cases[] = {
        {"at the start", "SUPPORT ARMY", "SUPPORT", true},
        {"at the very end", "ARMY HOLD", "HOLD", true},
        {"the whole text", "VOID", "VOID", true},
        {"longer than the text", "VOI", "VOID", false},
        {"first and last bytes match, middle differs", "BOUNDE BOUNCE", "BOUNCE", true},
        {"only first and last bytes match", "BXXXXE", "BOUNCE", false},
        {"repeated first letter", "NNNO CONVOY", "NO CONVOY", true},
        {"overlapping start", "AAAB", "AAB", true},
        {"cut off at the end", "THE NEXT PHASE O", "THE NEXT PHASE OF", false},
        {"one byte", "A -> B", ">", true},
        {"one byte absent", "A - B", ">", false},
        {"empty part", "ANY", "", true},
        {"empty text", "", "X", false},
        {"case matters", "Dislodged", "DISLODGED", false},
        {"high bytes", "END\xFF", "\xFF", true},
    };
    for (const ContainsCase& c : cases) {
        EXPECT_EQ(Contains(c.text, c.part), c.expected) << c.name;
        EXPECT_EQ(Contains(c.text, c.part), c.text.find(c.part) != std::string_view::npos) << c.name;
    }
}

// One CMarkedLine and one upper-case buffer serve a whole report: a short
// line after a long one must leave nothing of the long one behind.
TEST(LineMarks, ReusedBuffersHoldOnlyTheLatestLine)
{
    CMarkedLine line;
    std::string upper;
    PrepareLine("England: Fleet North Atlantic Ocean -> Norwegian Sea.   \r", line);
    UpperAscii(line.working, upper);
    EXPECT_EQ(line.text, "England: Fleet North Atlantic Ocean -> Norwegian Sea.");

    PrepareLine("Unowned:  Bulgaria.", line);
    UpperAscii(line.working, upper);
    EXPECT_EQ(line.text, "Unowned:  Bulgaria.");
    EXPECT_EQ(line.working, std::string("Unowned:  Bulgaria") + kFullStopMark);
    EXPECT_EQ(upper, std::string("UNOWNED:  BULGARIA") + kFullStopMark);

    PrepareLine("", line);
    EXPECT_TRUE(line.text.empty());
    EXPECT_TRUE(line.working.empty());
}

TEST(LineMarks, UpperAsciiChangesOnlyAsciiLetters)
{
    const std::string all = [] {
        std::string bytes;
        for (int c = 1; c < 256; ++c)
            bytes += char(c);
        return bytes;
    }();
    const std::string upper = UpperAscii(all);
    ASSERT_EQ(upper.size(), all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(all[i]);
        const unsigned char expected = c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
        EXPECT_EQ(static_cast<unsigned char>(upper[i]), expected) << "byte " << int(c);
    }
}

} // namespace
