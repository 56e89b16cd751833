#include "mailbox/ForwardedMail.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kReport = "\n:: Judge: XXXX  Game: Kestrel  Variant: Standard\n"
                            ":: Deadline: S1901M Wed Jan 07 2004 23:30:00 +0000  \n"
                            "\nMovement results for Spring of 1901.  (kestrel.001)\n";

struct ForwardCase {
    const char* name;
    std::string text;
    bool found;
    std::string body;
    std::string subject;
    std::string date;
};

class ForwardedMail : public ::testing::TestWithParam<ForwardCase> {};

TEST_P(ForwardedMail, CutsTheForwardedBodyOut)
{
    const ForwardCase& c = GetParam();
    const auto mail = FindForwardedMail(c.text);
    ASSERT_EQ(mail.has_value(), c.found);
    if (!mail)
        return;
    EXPECT_EQ(mail->body, c.body);
    EXPECT_EQ(mail->subject, c.subject);
    EXPECT_EQ(mail->date, c.date);
}

const ForwardCase kCases[] = {
    {"Gmail",
     "Have a look.\n\n---------- Forwarded message ---------\nFrom: Judge <judge@example.org>\n"
     "Date: Wed, 7 Jan 2004 at 23:30\nSubject: XXXX:kestrel - S1901M Results\nTo: <a@example.org>\n\n" + kReport,
     true, kReport, "XXXX:kestrel - S1901M Results", "Wed, 7 Jan 2004 at 23:30"},
    {"Thunderbird",
     "-------- Forwarded Message --------\nSubject: \tXXXX:kestrel - F1901M Results\n"
     "Date: \tWed, 07 Jan 2004 23:30:00 +0000\nFrom: \tjudge@example.org\n\n" + kReport,
     true, kReport, "XXXX:kestrel - F1901M Results", "Wed, 07 Jan 2004 23:30:00 +0000"},
    {"Outlook", "See below\r\n\r\n-----Original Message-----\r\nFrom: judge@example.org\r\nSubject: Results\r\n\r\n" +
                    kReport,
     true, kReport, "Results", ""},
    {"MuttWithEndLine",
     "----- Forwarded message from Judge <judge@example.org> -----\n\nDate: Wed, 7 Jan 2004\nFrom: judge\n"
     "Subject: S1901M\n\n" + kReport + "\n----- End forwarded message -----\n-- \nsignature\n",
     true, kReport + "\n", "S1901M", "Wed, 7 Jan 2004"},
    {"AppleMailQuoted",
     "Begin forwarded message:\n\n> From: judge@example.org\n> Subject: quoted\n>\n> :: Judge: XXXX  Game: K\n"
     ">> kept once\n",
     true, ":: Judge: XXXX  Game: K\n> kept once\n", "quoted", ""},
    {"AppleMailHeadersThenQuotedBody",
     "Begin forwarded message:\n\nFrom: judge@example.org\nSubject: quoted\n\n> :: Judge: XXXX  Game: K\n>\n"
     "> Movement results\n>> kept once\n",
     true, ":: Judge: XXXX  Game: K\n\nMovement results\n> kept once\n", "quoted", ""},
    {"ForwardOfAForward",
     "---------- Forwarded message ---------\nSubject: outer\nDate: d1\n\nnote\n"
     "---------- Forwarded message ---------\nSubject: inner\n\n" + kReport,
     true, kReport, "inner", "d1"},
    {"NoSeparator", kReport, false, "", "", ""},
    {"SeparatorBelowTheJudgeHeader", kReport + "-----Original Message-----\nFrom: x\n\npress\n", false, "", "", ""},
    {"NothingAfterTheSeparator", "note\n---------- Forwarded message ---------\n", false, "", "", ""},
    {"DashesAlone", "----------\n\nbody\n", false, "", "", ""},
    {"OtherWordsBetweenDashes", "----- Results below -----\nFrom: x\n\nbody\n", false, "", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, ForwardedMail, ::testing::ValuesIn(kCases),
                         RowName());

} // namespace
