#include "mailbox/MailText.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CharsetCase {
    const char* name;
    std::string bytes;
    std::string charset;
    std::string text;
};

class EightBitText : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(EightBitText, ConvertsToTheCodePageTheImportReads)
{
    EXPECT_EQ(ToEightBitText(GetParam().bytes, GetParam().charset), GetParam().text);
}

const CharsetCase kCharsetCases[] = {
    {"AsciiUntouched", "France: Army Paris -> Burgundy.\r\n", "utf-8", "France: Army Paris -> Burgundy.\r\n"},
    {"Utf8Declared", "M\xc3\xbcnchen \xe2\x82\xac", "utf-8", "M\xfc" "nchen \x80"},
    {"Utf8AnyCase", "M\xc3\xbcnchen", "UTF-8", "M\xfc" "nchen"},
    {"Latin1Declared", "M\xfc" "nchen", "iso-8859-1", "M\xfc" "nchen"},
    {"Latin1Alias", "M\xfc" "nchen", "latin1", "M\xfc" "nchen"},
    {"Koi8Declared", "\xcd\xcf\xd3\xcb\xd7\xc1 Moscow", "koi8-r", "?????? Moscow"},
    {"Utf8Undeclared", "Z\xc3\xbcrich", "", "Z\xfc" "rich"},
    {"LackingCharacterBecomesQuestionMark", "\xe2\x86\x92 Kiel", "utf-8", "? Kiel"},
    {"InvalidUtf8Kept", "M\xfc" "nchen", "utf-8", "M\xfc" "nchen"},
    {"UnknownCharsetKept", "M\xfc" "nchen", "x-no-such-charset", "M\xfc" "nchen"},
    {"UnknownCharsetValidUtf8", "M\xc3\xbcnchen", "x-no-such-charset", "M\xfc" "nchen"},
};

INSTANTIATE_TEST_SUITE_P(Cases, EightBitText, ::testing::ValuesIn(kCharsetCases),
                         RowName());

struct LineCase {
    const char* name;
    std::string in;
    std::string unix;
    std::string unescaped;
};

class MailLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(MailLines, LineEndsAndMboxEscapes)
{
    EXPECT_EQ(WithUnixLineEnds(GetParam().in), GetParam().unix);
    EXPECT_EQ(WithoutMboxEscapes(GetParam().in), GetParam().unescaped);
}

const LineCase kLineCases[] = {
    {"CrLf", "a\r\nb\r\n", "a\nb\n", "a\r\nb\r\n"},
    {"LoneCrKept", "a\rb\r", "a\rb\r", "a\rb\r"},
    {"EscapedFrom", ">From the Judge\n", ">From the Judge\n", "From the Judge\n"},
    {"TwiceEscaped", "x\n>>From here\n", "x\n>>From here\n", "x\n>From here\n"},
    {"QuoteWithoutFrom", "> quoted\n>Fromage\n", "> quoted\n>Fromage\n", "> quoted\n>Fromage\n"},
    {"FromInMidLine", "a >From b\n", "a >From b\n", "a >From b\n"},
    {"EscapedAtEndWithoutLineEnd", "x\r\n>From", "x\n>From", "x\r\n>From"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MailLines, ::testing::ValuesIn(kLineCases),
                         RowName());

} // namespace

namespace {

struct FlowedCase {
    const char* name;
    std::string flowed;
    bool delSp;
    std::string text;
};

class FlowedText : public ::testing::TestWithParam<FlowedCase> {};

TEST_P(FlowedText, JoinsWhatTheSenderBroke)
{
    EXPECT_EQ(UnflowedText(GetParam().flowed, GetParam().delSp), GetParam().text);
}

const FlowedCase kFlowedCases[] = {
    {"HardLinesStay", "Austria: Army Vienna HOLD.\nEngland: Fleet London HOLD.\n", false,
     "Austria: Army Vienna HOLD.\nEngland: Fleet London HOLD.\n"},
    {"SoftBreakJoined",
     "England: Army Yorkshire -> North Sea -> Norwegian Sea -> \nNorth Atlantic Ocean -> Clyde.\n", false,
     "England: Army Yorkshire -> North Sea -> Norwegian Sea -> North Atlantic Ocean -> Clyde.\n"},
    {"DelSpDropsTheAddedBlank", "England: Army Yorkshire -> North  \nSea.\n", true,
     "England: Army Yorkshire -> North Sea.\n"},
    {"StuffedBlankRemoved", " From the Judge\n            Warsaw.\n", false, "From the Judge\n           Warsaw.\n"},
    {"SignatureLineStays", "-- \nPlayer\n", false, "-- \nPlayer\n"},
    {"QuotedParagraph", "> a \n> b\n>> c\n", false, "> a b\n>> c\n"},
    {"DepthChangeEndsParagraph", "> a \n>> b\n", false, "> a \n>> b\n"},
    {"LastLineWithoutEnd", "a \nb", false, "a b"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FlowedText, ::testing::ValuesIn(kFlowedCases),
                         RowName());

} // namespace
