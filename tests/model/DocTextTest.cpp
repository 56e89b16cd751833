#include "model/DocText.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

// Document bytes (Windows-1252) and the UTF-8 a toolkit takes, both ways.

namespace {

struct TextCase {
    const char* name;
    std::string doc;  // document bytes
    std::string utf8; // the same text in UTF-8
    bool bothWays;    // false: only UTF-8 to document bytes
};

class DocText : public testing::TestWithParam<TextCase> {};

TEST_P(DocText, Converts)
{
    EXPECT_EQ(Utf8ToDocText(GetParam().utf8), GetParam().doc);
    if (GetParam().bothWays) {
        EXPECT_EQ(DocTextToUtf8(GetParam().doc), GetParam().utf8);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocText,
    testing::Values(TextCase{"Ascii", "signon Ekestrel pw\n", "signon Ekestrel pw\n", true},
                    TextCase{"LatinLetter", "p\xE4", "p\xC3\xA4", true},
                    TextCase{"EuroFromTheHighBlock", "\x80 5", "\xE2\x82\xAC 5", true},
                    TextCase{"QuotesAndY", "\x93Zo\x9F\x94", "\xE2\x80\x9CZo\xC5\xB8\xE2\x80\x9D", true},
                    TextCase{"UnassignedByteAsControl", "a\x81z", "a\xC2\x81z", true},
                    TextCase{"LastByte", "\xFF", "\xC3\xBF", true},
                    TextCase{"ArrowLacking", "A ? B", "A \xE2\x86\x92 B", false},
                    TextCase{"EmojiLacking", "?!", "\xF0\x9F\x98\x80!", false},
                    TextCase{"StrayByte", "p?", "p\xE4", false},
                    TextCase{"Overlong", "??", "\xC0\xAF", false},
                    TextCase{"Truncated", "x??", "x\xE2\x82", false}),
    RowName());

TEST(DocTextBytes, EveryByteComesBack)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(Utf8ToDocText(DocTextToUtf8(all)), all);
}

} // namespace
