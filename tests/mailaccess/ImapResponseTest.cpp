#include "mailaccess/ImapResponse.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr size_t npos = std::string::npos;

struct TaggedEndCase {
    const char* name;
    std::string buffer;
    size_t expected; // npos for incomplete; else the end position
};

class FindTaggedEndTest : public testing::TestWithParam<TaggedEndCase> {};

TEST_P(FindTaggedEndTest, FindsTheEndOfTheAnswer)
{
    const TaggedEndCase& row = GetParam();
    EXPECT_EQ(FindTaggedEnd(row.buffer, "K1"), row.expected);
    // Fed in pieces as the network hands them over, the end is the same.
    size_t resume = 0;
    size_t found = npos;
    for (size_t n = 1; n <= row.buffer.size() && found == npos; ++n)
        found = FindTaggedEnd(std::string_view(row.buffer).substr(0, n), "K1", &resume);
    EXPECT_EQ(found, row.expected);
}

const std::string kNonSync = "* 1 FETCH (BODY[] {4+}\r\nK1 x)\r\nK1 OK\r\n";
const std::string kLiteralWithTag = "* 1 FETCH (BODY[] {12}\r\nK1 OK fake\r\n)\r\nK1 OK real\r\n";

INSTANTIATE_TEST_SUITE_P(
    Answers, FindTaggedEndTest,
    testing::Values(TaggedEndCase{"StatusOnly", "K1 OK done\r\n", 12},
                    TaggedEndCase{"UntaggedFirst", "* OK x\r\nK1 OK done\r\n", 20},
                    TaggedEndCase{"StatusNotEnded", "* OK x\r\nK1 OK do", npos},
                    TaggedEndCase{"OtherTag", "K10 OK done\r\nK2 OK x\r\n", npos},
                    TaggedEndCase{"BareLineFeeds", "* OK x\nK1 NO y\n", 15},
                    TaggedEndCase{"TagInsideLiteral", kLiteralWithTag, kLiteralWithTag.size()},
                    TaggedEndCase{"LiteralNotComplete", "* 1 FETCH (BODY[] {50}\r\nK1 OK short\r\n", npos},
                    TaggedEndCase{"NonSynchronisingLiteral", kNonSync, kNonSync.size()}),
    RowName());

TEST(ImapStatusTest, ReadsTheTaggedLine)
{
    struct Row {
        const char* name;
        std::string answer;
        std::string word;
        std::string text;
    };
    const std::vector<Row> rows = {
        {"ok", "* 3 EXISTS\r\nK1 OK [READ-ONLY] Examine completed\r\n", "OK", "[READ-ONLY] Examine completed"},
        {"missing folder", "K1 NO [NONEXISTENT] Mailbox doesn't exist: Nope\r\n", "NO",
         "[NONEXISTENT] Mailbox doesn't exist: Nope"},
        {"lower case", "K1 bad what\r\n", "BAD", "what"},
        {"no tagged line", "* BYE going away\r\n", "", ""},
        {"tag in a literal only", "* 1 FETCH (BODY[] {9}\r\nK1 NO x\r\n)\r\nK1 OK yes\r\n", "OK", "yes"},
    };
    for (const Row& row : rows) {
        const CImapStatus status = TaggedStatus(row.answer, "K1");
        EXPECT_EQ(status.word, row.word) << row.name;
        EXPECT_EQ(status.text, row.text) << row.name;
        EXPECT_EQ(status.Ok(), row.word == "OK") << row.name;
    }
}

TEST(ImapAnswerTest, UidValidity)
{
    const std::vector<std::pair<std::string, std::optional<uint32_t>>> rows = {
        {"* 15 EXISTS\r\n* OK [UIDVALIDITY 1796757955] UIDs valid\r\nK1 OK\r\n", 1796757955u},
        {"* ok [uidvalidity 7] x\r\nK1 OK\r\n", 7u},
        {"* 15 EXISTS\r\nK1 OK\r\n", std::nullopt},
        {"* OK [UIDVALIDITY 0] zero is no numbering\r\n", std::nullopt},
        {"* OK [UIDVALIDITY 12x] x\r\n", std::nullopt},
        {"* OK [UIDVALIDITY 99999999999] too large\r\n", std::nullopt},
    };
    for (const auto& [answer, expected] : rows)
        EXPECT_EQ(ParseUidValidity(answer), expected) << answer;
}

TEST(ImapAnswerTest, SearchResults)
{
    using Uids = std::vector<uint32_t>;
    const std::vector<std::pair<std::string, std::optional<Uids>>> rows = {
        {"* SEARCH 3 1 2\r\nK1 OK\r\n", Uids{1, 2, 3}},
        {"* SEARCH\r\nK1 OK\r\n", Uids{}},
        {"* SEARCH 5\r\n* SEARCH 4 5\r\nK1 OK\r\n", Uids{4, 5}},
        {"K1 OK nothing\r\n", Uids{}},
        {"* SEARCH 1 x\r\nK1 OK\r\n", std::nullopt},
        {"* SEARCH 0\r\nK1 OK\r\n", std::nullopt},
        {"* SEARCHING 1\r\nK1 OK\r\n", std::nullopt},
        {"* 1 FETCH (BODY[] {12}\r\n* SEARCH 9\r\n)\r\n* SEARCH 2\r\nK1 OK\r\n", Uids{2}},
    };
    for (const auto& [answer, expected] : rows)
        EXPECT_EQ(ParseSearchUids(answer), expected) << answer;
}

TEST(ImapAnswerTest, FetchedBody)
{
    const std::vector<std::pair<std::string, std::optional<std::string>>> rows = {
        {"* 1 FETCH (UID 4 BODY[] {5}\r\nab\r\nc)\r\nK1 OK\r\n", std::string("ab\r\nc")},
        {"* 1 FETCH (UID 4 BODY[] {0}\r\n)\r\nK1 OK\r\n", std::string()},
        {"* 1 FETCH (UID 4 BODY[] \"a \\\"b\\\\\")\r\nK1 OK\r\n", std::string("a \"b\\")},
        {"* 1 FETCH (UID 4 BODY[] NIL)\r\nK1 OK\r\n", std::string()},
        {"K1 OK no message\r\n", std::nullopt},
        {"* 1 FETCH (UID 4 BODY[] {50}\r\nshort)\r\nK1 OK\r\n", std::nullopt},
        {"* 1 FETCH (UID 4 BODY[] \"never closed\r\n", std::nullopt},
    };
    for (const auto& [answer, expected] : rows)
        EXPECT_EQ(ParseFetchBody(answer), expected) << answer;
}

} // namespace
