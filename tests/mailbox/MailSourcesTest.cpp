#include "MailBuilder.h"

#include "mailbox/MailMessage.h"
#include "mailbox/MailSources.h"
#include "support/RowName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

namespace fs = std::filesystem;
using mailbuilder::Wrapping;

const std::string kReport = "\n:: Judge: XXXX  Game: Kestrel  Variant: Standard\n"
                            ":: Deadline: S1901M Wed Jan 07 2004 23:30:00 +0000  \n"
                            "\nMovement results for Spring of 1901.  (kestrel.001)\n\n"
                            "Austria: Army Budapest -> Serbia.\n";
const std::string kDate = "Wed, 07 Jan 2004 23:30:00 +0000";

std::string Msg(const std::string& body, const std::string& subject = "S1901M Results",
                Wrapping wrapping = Wrapping::QuotedPrintable)
{
    return mailbuilder::Message(body, subject, kDate, wrapping);
}

// What a source gives: a report's text and subject, or a problem line that
// ends with the given words.
struct Expected {
    std::vector<std::pair<std::string, std::string>> reports; // text, subject
    std::vector<std::string> problemEnds;
};

struct SourceCase {
    const char* name;
    std::map<std::string, std::string> files; // relative path -> bytes
    std::vector<std::string> sources;         // relative paths handed over
    Expected expected;
};

class MailSources : public ::testing::TestWithParam<SourceCase> {};

TEST_P(MailSources, ReadsEachSourceAndNamesWhatItCannot)
{
    const SourceCase& c = GetParam();
    CTempDir temp;
    for (const auto& [path, bytes] : c.files)
        temp.Write(path, bytes);
    fs::create_directories(temp.Path() / "EmptyMaildir" / "new");
    fs::create_directories(temp.Path() / "Folder");
    std::vector<std::string> paths;
    for (const std::string& source : c.sources)
        paths.push_back((temp.Path() / source).string());

    std::vector<std::string> problems;
    const std::vector<CReportText> reports = ReadMailSources(paths, problems);
    ASSERT_EQ(reports.size(), c.expected.reports.size());
    for (size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].text, c.expected.reports[i].first) << i;
        EXPECT_EQ(reports[i].subject, c.expected.reports[i].second) << i;
    }
    ASSERT_EQ(problems.size(), c.expected.problemEnds.size()) << ::testing::PrintToString(problems);
    for (size_t i = 0; i < problems.size(); ++i) {
        const std::string& end = c.expected.problemEnds[i];
        EXPECT_EQ(problems[i].substr(0, temp.Str().size()), temp.Str()) << "names the source: " << problems[i];
        EXPECT_TRUE(problems[i].size() >= end.size() && problems[i].substr(problems[i].size() - end.size()) == end)
            << problems[i];
    }
    // Reading changes nothing.
    for (const auto& [path, bytes] : c.files)
        EXPECT_EQ(CTempDir::Read(temp.Path() / path), bytes) << path;
}

std::string Mixed()
{
    // A note first, the Judge's mail as a text attachment after it.
    std::string mail = Msg(kReport, "Results", Wrapping::Attached);
    return mail;
}

const SourceCase kSourceCases[] = {
    {"PlainReportPassesThroughUnchanged",
     {{"report.txt", "\r\n:: Judge: XXXX  Game: Kestrel\r\n:: Deadline: S1901M =41 Wed  \r\n"}},
     {"report.txt"},
     {{{"\r\n:: Judge: XXXX  Game: Kestrel\r\n:: Deadline: S1901M =41 Wed  \r\n", ""}}, {}}},
    {"PictureIsOneTextForTheImportToRefuse",
     {{"board.bmp", std::string("BM\x36\0\0\0\0\0", 8)}},
     {"board.bmp"},
     {{{std::string("BM\x36\0\0\0\0\0", 8), ""}}, {}}},
    {"EmptyFile", {{"empty.eml", ""}}, {"empty.eml"}, {{}, {": the file is empty"}}},
    {"MissingFile", {}, {"gone.mbox"}, {{}, {": no such file or folder"}}},
    {"FolderThatIsNoMaildir", {}, {"Folder"}, {{}, {": a folder that is no Maildir (it has no cur or new folder)"}}},
    {"MaildirWithoutMail", {}, {"EmptyMaildir"}, {{}, {": the Maildir folder holds no mail"}}},
    {"HtmlOnlyMail",
     {{"html.eml", "From: j@x\nSubject: html\nContent-Type: text/html\n\n<p>:: Judge: XXXX</p>\n"}},
     {"html.eml"},
     {{}, {": the mail holds no plain text"}}},
    {"ProblemsDoNotStopTheOtherSources",
     {{"a.eml", Msg(kReport)}, {"empty.txt", ""}, {"b.eml", Msg("no report here\n", "Hello")}},
     {"a.eml", "empty.txt", "gone.txt", "b.eml"},
     {{{kReport, "S1901M Results"}, {"no report here\n", "Hello"}},
      {": the file is empty", ": no such file or folder"}}},
    {"MboxUnescapesFromLines",
     {{"box.mbox", mailbuilder::Mbox({Msg("Press:\nFrom the Judge, with love.\n>From quoted\n", "press",
                                          Wrapping::SevenBit),
                                      Msg(kReport, "report", Wrapping::Base64)})}},
     {"box.mbox"},
     {{{"Press:\nFrom the Judge, with love.\n>From quoted\n", "press"}, {kReport, "report"}}, {}}},
    {"SavedMessageWithItsMboxLine",
     {{"one.eml", "From judge@example.org Wed Jan  7 23:30:00 2004\n" + Msg(kReport, "single")}},
     {"one.eml"},
     {{{kReport, "single"}}, {}}},
    {"EncodedSubjectDecoded",
     {{"s.eml", Msg(kReport, "R\xc3\xa9sultats S1901M")}},
     {"s.eml"},
     {{{kReport, "R\xc3\xa9sultats S1901M"}}, {}}},
    {"AttachedJudgeMailChosenOverTheNote", {{"fwd.eml", Mixed()}}, {"fwd.eml"}, {{{kReport, "Results"}}, {}}},
    {"EmlWithoutHeadersIsItsBody", {{"body.eml", kReport}}, {"body.eml"}, {{{kReport, ""}}, {}}},
    // Delivery order, whichever of cur and new a mail is in.
    {"MaildirInDeliveryOrder",
     {{"Box/cur/1073602900.2.host:2,S", Msg("second\n", "2")}, {"Box/new/1073602800.1.host", Msg("first\n", "1")}},
     {"Box"},
     {{{"first\n", "1"}, {"second\n", "2"}}, {}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, MailSources, ::testing::ValuesIn(kSourceCases),
                         RowName());

struct CharsetCase {
    const char* name;
    std::string charset;
    std::string body;     // UTF-8
    std::string expected; // as the import reads it
};

class MailCharsets : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(MailCharsets, BodiesBecomeTheImportsCodePage)
{
    for (Wrapping wrapping : mailbuilder::kAllWrappings) {
        SCOPED_TRACE(mailbuilder::Name(wrapping));
        const std::string mail = mailbuilder::Message(GetParam().body, "s", kDate, wrapping, GetParam().charset);
        const auto report = ReadMailMessage(mail, "m");
        ASSERT_TRUE(report);
        EXPECT_EQ(report->text, GetParam().expected);
    }
}

const CharsetCase kCharsets[] = {
    {"Ascii", "us-ascii", kReport, kReport},
    {"Utf8", "utf-8", kReport + "Press: Gr\xc3\xbc\xc3\x9f" "e \xe2\x80\x94 M\xc3\xbcnchen\n",
     kReport + "Press: Gr\xfc\xdf" "e \x97 M\xfc" "nchen\n"},
    {"Latin1", "iso-8859-1", kReport + "Press: Gr\xc3\xbc\xc3\x9f" "e\n", kReport + "Press: Gr\xfc\xdf" "e\n"},
    {"Cyrillic", "koi8-r", kReport + "Press: \xd0\x9c\xd0\xbe\xd1\x81\xd0\xba\xd0\xb2\xd0\xb0\n",
     kReport + "Press: ??????\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MailCharsets, ::testing::ValuesIn(kCharsets),
                         RowName());

TEST(MailMessage, PlainBytesPassThroughUnchanged)
{
    const std::string bytes = "\r\n:: Judge: XXXX  Game: K\r\n=20 stays =20\r\n";
    const auto report = ReadMailMessage(bytes, "clip");
    ASSERT_TRUE(report);
    EXPECT_EQ(report->text, bytes);
    EXPECT_EQ(report->origin, "clip");
    EXPECT_EQ(report->subject, "");
    EXPECT_EQ(report->date, "");
}

} // namespace
