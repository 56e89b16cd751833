#include "model/DocText.h"

#include <gtest/gtest.h>

// Document bytes (Windows-1252) and the UTF-8 a toolkit takes, both ways.

namespace {

struct TextCase {
    const char* name;
    std::string doc;  // document bytes
    std::string utf8; // the same text in UTF-8
};

class DocTextBothWays : public testing::TestWithParam<TextCase> {};

TEST_P(DocTextBothWays, RoundTrip)
{
    EXPECT_EQ(DocTextToUtf8(GetParam().doc), GetParam().utf8);
    EXPECT_EQ(Utf8ToDocText(GetParam().utf8), GetParam().doc);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocTextBothWays,
    testing::Values(TextCase{"Ascii", "signon Ekestrel pw\n", "signon Ekestrel pw\n"},
                    TextCase{"LatinLetter", "p\xE4", "p\xC3\xA4"},
                    TextCase{"EuroFromTheHighBlock", "\x80 5", "\xE2\x82\xAC 5"},
                    TextCase{"QuotesAndY", "\x93Zo\x9F\x94", "\xE2\x80\x9CZo\xC5\xB8\xE2\x80\x9D"},
                    TextCase{"UnassignedByteAsControl", "a\x81z", "a\xC2\x81z"},
                    TextCase{"LastByte", "\xFF", "\xC3\xBF"}),
    [](const auto& info) { return std::string(info.param.name); });

struct OneWayCase {
    const char* name;
    std::string utf8;
    std::string doc;
};

class Utf8ToDoc : public testing::TestWithParam<OneWayCase> {};

TEST_P(Utf8ToDoc, LacksBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToDocText(GetParam().utf8), GetParam().doc);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8ToDoc,
                         testing::Values(OneWayCase{"Arrow", "A \xE2\x86\x92 B", "A ? B"},
                                         OneWayCase{"Emoji", "\xF0\x9F\x98\x80!", "?!"},
                                         OneWayCase{"StrayByte", "p\xE4", "p?"},
                                         OneWayCase{"Overlong", "\xC0\xAF", "??"},
                                         OneWayCase{"Truncated", "x\xE2\x82", "x??"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocText, EveryByteComesBack)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(Utf8ToDocText(DocTextToUtf8(all)), all);
}

} // namespace
