#include "mailaccess/ImapText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ImapTextTest, SafeText)
{
    const std::vector<std::pair<std::string, bool>> rows = {
        {"INBOX", true},
        {"Judge mail/Kestrel", true},
        {"Entwürfe", true},
        {"a\r\nK9 DELETE INBOX", false},
        {"tab\there", false},
        {std::string("nul\0x", 5), false},
        {"del\x7f", false},
    };
    for (const auto& [text, safe] : rows)
        EXPECT_EQ(IsSafeImapText(text), safe) << text;
}

TEST(ImapTextTest, QuotedStrings)
{
    EXPECT_EQ(QuoteImapString("XXXX:kestrel"), "\"XXXX:kestrel\"");
    EXPECT_EQ(QuoteImapString("say \"hi\" \\o/"), "\"say \\\"hi\\\" \\\\o/\"");
    EXPECT_EQ(QuoteImapString(""), "\"\"");
}

TEST(ImapTextTest, FolderNamesInModifiedUtf7)
{
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"INBOX", "\"INBOX\""},
        {"Entwürfe", "\"Entw&APw-rfe\""},
        {"Games & Co", "\"Games &- Co\""},
        // The example of the IMAP standard: Taipei and Japanese words.
        {"~peter/mail/\xe5\x8f\xb0\xe5\x8c\x97/\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e",
         "\"~peter/mail/&U,BTFw-/&ZeVnLIqe-\""},
        // A character outside the basic plane goes as a surrogate pair.
        {"\xf0\x9f\x8e\xb2", "\"&2Dzfsg-\""},
        // Latin-1 bytes that are not UTF-8 are kept as their characters.
        {"Entw\xfc" "rfe", "\"Entw&APw-rfe\""},
        {"a\"b", "\"a\\\"b\""},
    };
    for (const auto& [name, wire] : rows)
        EXPECT_EQ(EncodeMailboxName(name), wire) << name;
}

} // namespace
