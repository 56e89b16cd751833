#include "model/Archive.h"
#include "ArchiveBytes.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

using namespace archivebytes;

constexpr CArchiveClass kAlpha{"CAlpha", 3};
constexpr CArchiveClass kBeta{"CBeta", 1};
constexpr CArchiveClass kGamma{"CGamma", 9};

// --- Counts and strings ----------------------------------------------------

struct CountCase {
    const char* name;
    size_t count;
    std::string bytes;
};

TEST(ArchiveCount, WritesWordOrEscapedDwordAndReadsItBack)
{
    const CountCase cases[] = {
        {"Zero", 0, Bytes({0x00, 0x00})},
        {"Small", 0x1234, Bytes({0x34, 0x12})},
        {"LargestWord", 0xFFFE, Bytes({0xFE, 0xFF})},
        {"EscapeValue", 0xFFFF, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {"Dword", 70000, Bytes({0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CArchive out;
        out.WriteCount(c.count);
        EXPECT_EQ(out.Bytes(), c.bytes);
        // Followed by enough bytes for the items the count announces.
        const std::string stream = c.bytes + std::string(c.count, '\0');
        CArchive in(stream);
        EXPECT_EQ(in.ReadCount(1), c.count);
        EXPECT_FALSE(in.Failed());
    }
}

struct PrefixCase {
    const char* name;
    size_t length;
    std::string prefix;
};

TEST(ArchiveString, LengthPrefixHasOneThreeOrSevenBytes)
{
    const PrefixCase cases[] = {
        {"Empty", 0, Bytes({0x00})},
        {"OneByte", 1, Bytes({0x01})},
        {"Longest1Byte", 254, Bytes({0xFE})},
        {"Shortest3Byte", 255, Bytes({0xFF, 0xFF, 0x00})},
        {"Longest3Byte", 65533, Bytes({0xFF, 0xFD, 0xFF})},
        {"Shortest7ByteSkipsWideMarker", 65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {"Long", 70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text(c.length, 'x');
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = char('a' + i % 26);
        CArchive out;
        out.WriteString(text);
        ASSERT_EQ(out.Bytes().size(), c.prefix.size() + c.length);
        EXPECT_EQ(out.Bytes().substr(0, c.prefix.size()), c.prefix);
        EXPECT_EQ(out.Bytes().substr(c.prefix.size()), text);
        CArchive in(out.Bytes());
        EXPECT_EQ(in.ReadString(), text);
        EXPECT_FALSE(in.Failed());
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

struct WideCase {
    const char* name;
    std::string stream;
    std::string text;
};

std::string Wide(std::initializer_list<unsigned> chars)
{
    std::string out;
    for (unsigned c : chars)
        out += Le16(c);
    return out;
}

TEST(ArchiveString, WideFormBecomesWindows1252)
{
    const std::string marker = Bytes({0xFF, 0xFE, 0xFF});
    std::string longWide;
    for (int i = 0; i < 300; ++i)
        longWide += Le16('A' + i % 26);
    std::string longText;
    for (int i = 0; i < 300; ++i)
        longText.push_back(char('A' + i % 26));
    const WideCase cases[] = {
        {"Empty", marker + Bytes({0x00}), ""},
        {"Ascii", marker + Bytes({0x03}) + Wide({'K', 'e', 's'}), "Kes"},
        {"Latin1", marker + Bytes({0x02}) + Wide({0xE9, 0xFF}), Bytes({0xE9, 0xFF})},
        {"EuroAndQuotes", marker + Bytes({0x03}) + Wide({0x20AC, 0x201C, 0x0178}), Bytes({0x80, 0x93, 0x9F})},
        {"UnassignedBytesStayTheSame", marker + Bytes({0x02}) + Wide({0x81, 0x9D}), Bytes({0x81, 0x9D})},
        {"MissingCharactersBecomeQuestionMarks", marker + Bytes({0x04}) + Wide({0x0100, 0x0080, 0x4E2D, 0xD83D}),
         "????"},
        {"WordLength", marker + Bytes({0xFF, 0x2C, 0x01}) + longWide, longText},
        {"DwordLength", marker + Bytes({0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0x00, 0x00}) + longWide, longText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CArchive in(c.stream);
        EXPECT_EQ(in.ReadString(), c.text);
        EXPECT_FALSE(in.Failed());
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

// --- Lengths are never trusted -------------------------------------------

struct DamageCase {
    const char* name;
    std::string stream;
    enum { String, Count, Word, Dword } read;
};

TEST(ArchiveDamage, LengthsBeyondTheEndFailInsteadOfAllocating)
{
    const DamageCase cases[] = {
        {"EmptyStreamString", "", DamageCase::String},
        {"StringLongerThanRest", Bytes({0x05, 'a', 'b'}), DamageCase::String},
        {"WordPrefixCut", Bytes({0xFF, 0x10}), DamageCase::String},
        {"HugeWordLength", Bytes({0xFF, 0xFD, 0xFF, 'a'}), DamageCase::String},
        {"HugeDwordLength", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}), DamageCase::String},
        {"WideMarkerCut", Bytes({0xFF, 0xFE, 0xFF}), DamageCase::String},
        {"WideOddBytes", Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 'b'}), DamageCase::String},
        {"HugeWideLength", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), DamageCase::String},
        {"CountBeyondRest", Bytes({0x03, 0x00, 0x00, 0x00}), DamageCase::Count},
        {"HugeCount", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}), DamageCase::Count},
        {"CountCut", Bytes({0xFF, 0xFF, 0x01}), DamageCase::Count},
        {"WordCut", Bytes({0x01}), DamageCase::Word},
        {"DwordCut", Bytes({0x01, 0x02, 0x03}), DamageCase::Dword},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CArchive in(c.stream);
        switch (c.read) {
        case DamageCase::String:
            EXPECT_EQ(in.ReadString(), "");
            break;
        case DamageCase::Count:
            // Items of two bytes each.
            EXPECT_EQ(in.ReadCount(2), 0u);
            break;
        case DamageCase::Word:
            EXPECT_EQ(in.ReadWord(), 0u);
            break;
        case DamageCase::Dword:
            EXPECT_EQ(in.ReadDword(), 0u);
            break;
        }
        EXPECT_TRUE(in.Failed());
    }
}

TEST(ArchiveDamage, FailedArchiveReadsNothingMore)
{
    const std::string stream = Bytes({0x09, 'a', 0x01, 0x00, 0x02, 0x00});
    CArchive in(stream);
    EXPECT_EQ(in.ReadString(), "");
    ASSERT_TRUE(in.Failed());
    const size_t left = in.Remaining();
    EXPECT_EQ(in.ReadWord(), 0u);
    EXPECT_EQ(in.ReadCount(1), 0u);
    EXPECT_EQ(in.ReadString(), "");
    EXPECT_FALSE(in.ReadClass(kAlpha));
    EXPECT_EQ(in.Remaining(), left);
}

// --- Class records and the running index ---------------------------------

TEST(ArchiveClasses, IndexesFrom7FFFUseTheLongReference)
{
    CArchive out;
    out.WriteClass(kAlpha); // index 1
    while (out.NextIndex() < 0x7FFE)
        out.WriteObjectTag(kAlpha);
    out.WriteClass(kBeta);  // index 0x7FFE: still the short form
    out.WriteClass(kGamma); // index 0x7FFF: the first long one
    const size_t tail = out.Bytes().size();
    out.WriteObjectTag(kBeta);
    out.WriteObjectTag(kGamma);
    EXPECT_EQ(out.Bytes().substr(tail), Bytes({0xFE, 0xFF}) + Bytes({0xFF, 0x7F}) + Le32(0x80007FFF));

    CArchive in(out.Bytes());
    in.ReadClass(kAlpha, true);
    while (in.NextIndex() < 0x7FFE)
        ASSERT_TRUE(in.ReadObjectTag(kAlpha));
    EXPECT_EQ(in.ReadClass(kBeta), std::optional<uint16_t>(1));
    EXPECT_EQ(in.ReadClass(kGamma), std::optional<uint16_t>(9));
    EXPECT_EQ(in.ReadObjectTag(kBeta), std::optional<uint16_t>(1));
    EXPECT_EQ(in.ReadObjectTag(kGamma), std::optional<uint16_t>(9));
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(in.Remaining(), 0u);
}

struct TagCase {
    const char* name;
    std::string tail; // after a CAlpha record (index 1) and one CAlpha object (index 2)
    CArchiveClass expected;
};

TEST(ArchiveClasses, RefusesTagsThatDoNotStartANewObjectOfTheExpectedClass)
{
    const std::string head = Bytes({0xFF, 0xFF, 0x03, 0x00, 0x06, 0x00}) + "CAlpha" + Bytes({0x01, 0x80});
    const TagCase cases[] = {
        {"NullReference", Bytes({0x00, 0x00}), kAlpha},
        {"LongNullReference", Bytes({0xFF, 0x7F}) + Le32(0), kAlpha},
        {"BackReferenceToObject", Bytes({0x02, 0x00}), kAlpha},
        {"LongBackReference", Bytes({0xFF, 0x7F}) + Le32(2), kAlpha},
        {"ClassIndexNotYetGiven", Bytes({0x03, 0x80}), kAlpha},
        {"ClassIndexZero", Bytes({0x00, 0x80}), kAlpha},
        {"LongClassIndexNotYetGiven", Bytes({0xFF, 0x7F}) + Le32(0x80007FFF), kAlpha},
        {"ClassReferenceToAnObject", Bytes({0x02, 0x80}), kAlpha},
        {"ReferenceToOtherClass", Bytes({0x01, 0x80}), kBeta},
        {"NewRecordOfOtherClass", Bytes({0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00}) + "CAlpha", kBeta},
        {"UnknownClassName", Bytes({0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00}) + "CDelta", kBeta},
        {"ClassNameOf64Bytes", Bytes({0xFF, 0xFF, 0x01, 0x00, 0x40, 0x00}) + std::string(64, 'C'), kBeta},
        {"ClassNameBeyondEnd", Bytes({0xFF, 0xFF, 0x01, 0x00, 0x05, 0x00}) + "CBet", kBeta},
        {"RecordCut", Bytes({0xFF, 0xFF, 0x01}), kBeta},
        {"LongTagCut", Bytes({0xFF, 0x7F, 0x01, 0x00}), kAlpha},
        {"NothingLeft", "", kAlpha},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string stream = head + c.tail;
        CArchive in(stream);
        ASSERT_TRUE(in.ReadClass(kAlpha, true));
        ASSERT_TRUE(in.ReadObjectTag(kAlpha));
        EXPECT_FALSE(in.ReadObjectTag(c.expected));
        EXPECT_TRUE(in.Failed());
    }
}

} // namespace
