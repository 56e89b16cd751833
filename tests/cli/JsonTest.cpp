#include "cli/Json.h"

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
    EXPECT_EQ(JsonQuote(GetParam().text), GetParam().quoted);
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
                    QuoteRow{"Delete", "\x7f", "\"\\u007f\""},
                    QuoteRow{"Latin1Byte", "Caf\xe9", "\"Caf\\u00e9\""},
                    QuoteRow{"Utf8PassesThrough", "Caf\xc3\xa9 \xe2\x82\xac", "\"Caf\xc3\xa9 \xe2\x82\xac\""},
                    QuoteRow{"FourByteUtf8", "\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},
                    QuoteRow{"OverlongIsBytes", "\xc0\x80", "\"\\u00c0\\u0080\""},
                    QuoteRow{"TruncatedSequence", "\xe2\x82", "\"\\u00e2\\u0082\""},
                    QuoteRow{"Surrogate", "\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},
                    QuoteRow{"Solidus", "a/b", "\"a/b\""}),
    [](const testing::TestParamInfo<QuoteRow>& info) { return info.param.name; });

TEST(JsonWriter, PlacesCommasAndColonsInNestedValues)
{
    CJsonWriter json;
    json.BeginObject()
        .Key("a")
        .Int(-3)
        .Key("b")
        .BeginArray()
        .Bool(true)
        .Null()
        .BeginArray()
        .EndArray()
        .BeginObject()
        .EndObject()
        .String("x")
        .EndArray()
        .Key("c")
        .BeginObject()
        .Key("d")
        .Bool(false)
        .EndObject()
        .EndObject();
    EXPECT_EQ(json.Str(), "{\"a\":-3,\"b\":[true,null,[],{},\"x\"],\"c\":{\"d\":false}}");
}

TEST(JsonWriter, EveryByteStringParsesBackToItsText)
{
    // Each byte 0 to 255 once: the result must be valid JSON whatever the game's text holds.
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += char(c);
    CJsonWriter json;
    json.BeginObject().Key("text").String(all).EndObject();
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.Str()), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QString text = doc.object().value("text").toString();
    ASSERT_EQ(text.size(), 256);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(text.at(c).unicode(), c) << c;
}

} // namespace
