#include "layers/flash/FlashProtocol.h"

#include <gtest/gtest.h>

#include <string>

using namespace FlashHost;

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The value as a comparable text: its type and its field.
std::wstring Describe(const FlashValue& value)
{
    switch (value.getType())
    {
    case FT_BOOLEAN: return value.getBool() ? L"bool true" : L"bool false";
    case FT_NUMBER: return L"number " + std::to_wstring(value.getNumber());
    case FT_STRING: return L"string [" + value.getString() + L"]";
    default: return L"null";
    }
}

} // namespace

TEST(FlashProtocol, RequestsAreWrittenCharacterForCharacter)
{
    EXPECT_EQ(BuildRequest(L"SetState", Args(2)),
              L"<invoke name=\"SetState\" returntype=\"xml\"><arguments><number>2</number></arguments></invoke>");
    EXPECT_EQ(BuildRequest(L"PageUp", Args()), L"<invoke name=\"PageUp\" returntype=\"xml\"></invoke>");
    Args args;
    args.push_back(FlashValue(0.5f));
    args.push_back(FlashValue("a<b"));
    args.push_back(FlashValue(false));
    args.push_back(FlashValue());
    EXPECT_EQ(BuildRequest(L"Mix", args), L"<invoke name=\"Mix\" returntype=\"xml\"><arguments><number>0.5</number>"
                                          L"<string>a&lt;b</string><false/><NULL/></arguments></invoke>");
}

TEST(FlashProtocol, ValuesEncodeAndComeBackUnchanged)
{
    struct Case
    {
        FlashValue value;
        const wchar_t* text;
    };
    const Case cases[] = {
        {FlashValue(), L"<NULL/>"},
        {FlashValue(true), L"<true/>"},
        {FlashValue(false), L"<false/>"},
        {FlashValue(2), L"<number>2</number>"},
        {FlashValue(-3.5f), L"<number>-3.5</number>"},
        {FlashValue(0.1f), L"<number>0.1</number>"},
        {FlashValue(1234567), L"<number>1.23457e+06</number>"},
        {FlashValue(0.000125f), L"<number>0.000125</number>"},
        {FlashValue(""), L"<string></string>"},
        {FlashValue("&\"<>"), L"<string>&amp;&quot;&lt;&gt;</string>"},
        {FlashValue("&lt;"), L"<string>&amp;lt;</string>"},
        {FlashValue("it's"), L"<string>it's</string>"},
        {FlashValue("Gr\xC3\xB6\xC3\x9F"
                    "e"),
         L"<string>Gr\u00F6\u00DFe</string>"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(Narrow(c.text));
        EXPECT_EQ(EncodeValue(c.value), c.text);
        const FlashValue back = DecodeValue(c.text);
        if (c.value.getType() == FT_NUMBER && c.value.getNumber() == 1234567.0f)
            EXPECT_FLOAT_EQ(back.getNumber(), 1234570.0f) << "six significant digits";
        else
            EXPECT_EQ(Describe(back), Describe(c.value));
    }
}

TEST(FlashProtocol, UnknownOrMalformedElementsDecodeToNullOrZero)
{
    struct Case
    {
        const wchar_t* text;
        const wchar_t* value;
    };
    const Case cases[] = {
        {L"", L"null"},
        {L"<undefined/>", L"null"},
        {L"<null/>", L"null"},
        {L"<true />", L"null"},
        {L"<object><property id=\"a\"><true/></property></object>", L"null"},
        {L"<number>abc</number>", L"number 0.000000"},
        {L"<number> 7 </number>", L"number 7.000000"},
        {L"<number>3.5abc</number>", L"number 3.500000"},
        {L"<number>1e99</number>", L"number 0.000000"},
        {L"<number>", L"number 0.000000"},
        {L"<string>open", L"string [open]"},
        {L"<string>a</string>b</string>", L"string [a]"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(Narrow(c.text));
        EXPECT_EQ(Describe(DecodeValue(c.text)), c.value);
    }
}

TEST(FlashProtocol, MovieRequestsSplitIntoNameAndArguments)
{
    struct Case
    {
        const wchar_t* request;
        bool accepted;
        const wchar_t* name;
        std::vector<std::wstring> args;
    };
    const Case cases[] = {
        {L"<invoke name=\"F\" returntype=\"xml\"><arguments><true/><string>a</string><number>1</number>"
         L"</arguments></invoke>",
         true,
         L"F",
         {L"bool true", L"string [a]", L"number 1.000000"}},
        {L"<invoke name=\"Empty\" returntype=\"xml\"><arguments></arguments></invoke>", true, L"Empty", {}},
        {L"<invoke name=\"None\" returntype=\"xml\"></invoke>", true, L"None", {}},
        {L"<invoke name=\"Gt\"><arguments><string>x&gt;y</string><NULL/></arguments></invoke>",
         true,
         L"Gt",
         {L"string [x>y]", L"null"}},
        {L"<invoke name=\"Cut\"><arguments><number>5</number><string>tail", true, L"Cut", {L"number 5.000000"}},
        {L"<call name=\"F\"></call>", false, L"", {}},
        {L"<invoke name=\"Unclosed", false, L"", {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(Narrow(c.request));
        std::wstring name;
        Args args;
        ASSERT_EQ(ParseRequest(c.request, name, args), c.accepted);
        if (!c.accepted)
            continue;
        EXPECT_EQ(name, c.name);
        std::vector<std::wstring> described;
        for (const FlashValue& value : args)
            described.push_back(Describe(value));
        EXPECT_EQ(described, c.args);
    }
}

TEST(FlashValue, NarrowTextEndsAtItsTerminatorAndArgsChain)
{
    const FlashValue text("abc");
    EXPECT_EQ(text.getType(), FT_STRING);
    EXPECT_EQ(text.getString(), L"abc") << "no terminator carried into the string";
    EXPECT_TRUE(FlashValue(static_cast<const char*>(nullptr)).isNull());
    FlashValue number(7);
    EXPECT_EQ(number.getString(), L"");
    EXPECT_FALSE(number.getBool());
    number.setNull();
    EXPECT_TRUE(number.isNull());
    EXPECT_EQ(number.getNumber(), 0.0f);

    const Color orange = FlashValue(0xFF8000).getNumberAsColor();
    EXPECT_FLOAT_EQ(orange.r, 1.0f);
    EXPECT_FLOAT_EQ(orange.g, 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(orange.b, 0.0f);
    EXPECT_FLOAT_EQ(orange.a, 1.0f);

    const Args chained = Args(1)(L"two")(true);
    ASSERT_EQ(chained.size(), 3u);
    EXPECT_EQ(chained[1].getString(), L"two");
    Args pushed;
    pushed.push_back(FlashValue(1));
    pushed.push_back(FlashValue(L"two"));
    pushed.push_back(FlashValue(true));
    EXPECT_EQ(BuildRequest(L"F", chained), BuildRequest(L"F", pushed));
}
