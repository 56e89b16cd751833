#include "mailbox/MailHeaders.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The two quick looks at a file's first bytes that decide how it is read.
struct StartCase {
    const char* name;
    bool (*looksLike)(std::string_view);
    std::string bytes;
    bool expected;
};

class FileStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(FileStart, TellsAMailAndAMailboxFromAReport)
{
    EXPECT_EQ(GetParam().looksLike(GetParam().bytes), GetParam().expected);
}

constexpr auto Mail = StartsWithMailHeaders;
constexpr auto Mbox = StartsAsMbox;

const StartCase kStartCases[] = {
    {"SavedMessage", Mail, "From: judge@example.org\nSubject: XXXX:kestrel - S1901M Results\n\n:: Judge: XXXX\n", true},
    {"CrLfHeaders", Mail, "Date: Wed, 07 Jan 2004 23:30:00 +0000\r\nTo: a@b\r\n\r\nbody\r\n", true},
    {"FoldedSubject", Mail, "Subject: a long\n\tsubject\nFrom: j@x\n\nbody\n", true},
    {"AnyCaseFieldName", Mail, "SUBJECT: results\nX-Spam: no\n\nbody\n", true},
    {"HeadersOnly", Mail, "Subject: nothing else\nFrom: j@x\n", true},
    {"NewJudgeReportStartsEmpty", Mail, "\n:: Judge: XXXX  Game: Kestrel  Variant: Standard\n", false},
    {"OldJudgeReport", Mail, ":: Judge: USEF  Game: kestrel  Variant: Standard\n:: Deadline: S1901M\n", false},
    {"JudgeKeywordHeaderLine", Mail, "Judge: USEF  Game: kestrel\n:: Deadline: S1901M Mon\n\nbody\n", false},
    {"JudgeKeywordOnItsOwn", Mail, "Judge: USEF  Game: kestrel\nDeadline: S1901M Mon\n\nbody\n", false},
    {"PlainSentence", Mail, "Here are my orders for spring.\n", false},
    {"ContinuationFirst", Mail, " Subject: indented\n\nbody\n", false},
    {"FieldNameWithBlank", Mail, "My Subject: x\n\nbody\n", false},
    {"EmptyText", Mail, "", false},
    {"OnlyAnEmptyLine", Mail, "\n", false},
    {"Binary", Mail, std::string("\x89PNG\r\n\x1a\n\0\0", 10), false},
    // A mailbox needs the From line that starts each of its mails.
    {"MboxThunderbird", Mbox, "From - Wed Jan  7 23:30:00 2004\nX-Mozilla-Status: 0001\n", true},
    {"MboxMutt", Mbox, "From judge@example.org Wed Jan  7 23:30:00 2004\nFrom: judge@example.org\n", true},
    {"MboxFromHeaderField", Mbox, "From: judge@example.org\n", false},
    {"MboxLowerCase", Mbox, "from judge@example.org\n", false},
    {"MboxEscaped", Mbox, ">From judge@example.org\n", false},
    {"MboxShort", Mbox, "From", false},
};

INSTANTIATE_TEST_SUITE_P(Cases, FileStart, ::testing::ValuesIn(kStartCases), RowName());

} // namespace
