#include "mailbox/MailHeaders.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct HeaderCase {
    const char* name;
    std::string bytes;
    bool mail;
};

class MailHeaders : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(MailHeaders, TellsAMailFromAReport)
{
    EXPECT_EQ(StartsWithMailHeaders(GetParam().bytes), GetParam().mail);
}

const HeaderCase kHeaderCases[] = {
    {"SavedMessage", "From: judge@example.org\nSubject: XXXX:kestrel - S1901M Results\n\n:: Judge: XXXX\n", true},
    {"CrLfHeaders", "Date: Wed, 07 Jan 2004 23:30:00 +0000\r\nTo: a@b\r\n\r\nbody\r\n", true},
    {"FoldedSubject", "Subject: a long\n\tsubject\nFrom: j@x\n\nbody\n", true},
    {"AnyCaseFieldName", "SUBJECT: results\nX-Spam: no\n\nbody\n", true},
    {"HeadersOnly", "Subject: nothing else\nFrom: j@x\n", true},
    {"NewJudgeReportStartsEmpty", "\n:: Judge: XXXX  Game: Kestrel  Variant: Standard\n", false},
    {"OldJudgeReport", ":: Judge: USEF  Game: kestrel  Variant: Standard\n:: Deadline: S1901M\n", false},
    {"JudgeKeywordHeaderLine", "Judge: USEF  Game: kestrel\n:: Deadline: S1901M Mon\n\nbody\n", false},
    {"JudgeKeywordOnItsOwn", "Judge: USEF  Game: kestrel\nDeadline: S1901M Mon\n\nbody\n", false},
    {"PlainSentence", "Here are my orders for spring.\n", false},
    {"ContinuationFirst", " Subject: indented\n\nbody\n", false},
    {"FieldNameWithBlank", "My Subject: x\n\nbody\n", false},
    {"EmptyText", "", false},
    {"OnlyAnEmptyLine", "\n", false},
    {"Binary", std::string("\x89PNG\r\n\x1a\n\0\0", 10), false},
};

INSTANTIATE_TEST_SUITE_P(Cases, MailHeaders, ::testing::ValuesIn(kHeaderCases),
                         RowName());

struct MboxCase {
    const char* name;
    std::string bytes;
    bool mbox;
};

class MboxStart : public ::testing::TestWithParam<MboxCase> {};

TEST_P(MboxStart, NeedsTheFromLine)
{
    EXPECT_EQ(StartsAsMbox(GetParam().bytes), GetParam().mbox);
}

const MboxCase kMboxCases[] = {
    {"Thunderbird", "From - Wed Jan  7 23:30:00 2004\nX-Mozilla-Status: 0001\n", true},
    {"Mutt", "From judge@example.org Wed Jan  7 23:30:00 2004\nFrom: judge@example.org\n", true},
    {"FromHeaderField", "From: judge@example.org\n", false},
    {"LowerCase", "from judge@example.org\n", false},
    {"Escaped", ">From judge@example.org\n", false},
    {"Short", "From", false},
};

INSTANTIATE_TEST_SUITE_P(Cases, MboxStart, ::testing::ValuesIn(kMboxCases),
                         RowName());

} // namespace
