#include "cli/Json.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct QuoteRow {
    const char* name;
    std::string text;
    std::string quoted;
};

class JsonQuoting : public testing::TestWithParam<QuoteRow> {};

TEST_P(JsonQuoting, EscapesWhatJsonForbids)
{
    EXPECT_EQ(JsonText(GetParam().text).dump(), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, JsonQuoting,
    testing::Values(QuoteRow{"Plain", "S1901M", "\"S1901M\""},
                    QuoteRow{"Empty", "", "\"\""},
                    QuoteRow{"Quote", "say \"hi\"", "\"say \\\"hi\\\"\""},
                    QuoteRow{"Backslash", "Maps\\BOARD.BMP", "\"Maps\\\\BOARD.BMP\""},
                    QuoteRow{"LineBreaks", "a\nb\rc\td", "\"a\\nb\\rc\\td\""},
                    QuoteRow{"BackspaceFormFeed", "\b\f", "\"\\b\\f\""},
                    QuoteRow{"OtherControl", std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
                    QuoteRow{"NulByte", std::string("a\0b", 3), "\"a\\u0000b\""},
                    // JSON allows DEL as it is.
                    QuoteRow{"Delete", "\x7f", "\"\x7f\""},
                    QuoteRow{"Latin1Byte", "Caf\xe9", "\"Caf\xc3\xa9\""},
                    QuoteRow{"Utf8PassesThrough", "Caf\xc3\xa9 \xe2\x82\xac", "\"Caf\xc3\xa9 \xe2\x82\xac\""},
                    QuoteRow{"FourByteUtf8", "\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},
                    QuoteRow{"OverlongIsBytes", "\xc0\x80", "\"\xc3\x80\xc2\x80\""},
                    QuoteRow{"TruncatedSequence", "\xe2\x82", "\"\xc3\xa2\xc2\x82\""},
                    QuoteRow{"Surrogate", "\xed\xa0\x80", "\"\xc3\xad\xc2\xa0\xc2\x80\""},
                    // One byte that is not UTF-8 makes the whole text Latin-1.
                    QuoteRow{"MixedIsLatin1", "\xc3\xa9\xe9", "\"\xc3\x83\xc2\xa9\xc3\xa9\""},
                    QuoteRow{"Solidus", "a/b", "\"a/b\""}),
    RowName());

TEST(JsonWriter, KeepsKeysInOrderOnOneCompactLine)
{
    CJson json = CJson::object();
    json["b"] = -3;
    json["a"] = CJson::array({true, nullptr, CJson::array(), CJson::object(), JsonText("x")});
    json["c"] = CJson::object({{"d", false}});
    EXPECT_EQ(JsonLine(json), "{\"b\":-3,\"a\":[true,null,[],{},\"x\"],\"c\":{\"d\":false}}\n");
}

TEST(JsonWriter, EveryByteStringParsesBackToItsText)
{
    // Each byte 0 to 255 once: the result must be valid JSON whatever the game's text holds.
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += char(c);
    CJson json = CJson::object();
    json["text"] = JsonText(all);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(JsonLine(json)), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QString text = doc.object().value("text").toString();
    ASSERT_EQ(text.size(), 256);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(text.at(c).unicode(), c) << c;
}

} // namespace
